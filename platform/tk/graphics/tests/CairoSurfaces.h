#pragma once

// Cairo image surfaces for the tests that compare the backend's own drawing paths byte for byte.

#include <cairo.h>

#include <cstddef>
#include <cstring>
#include <memory>

namespace tk::testing {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Whether two image surfaces of one size and format hold the same bytes.
inline bool samePixels(cairo_surface_t* a, cairo_surface_t* b) {
    const auto bytes =
        static_cast<std::size_t>(cairo_image_surface_get_stride(a) * cairo_image_surface_get_height(a));
    return std::memcmp(cairo_image_surface_get_data(a), cairo_image_surface_get_data(b), bytes) == 0;
}

} // namespace tk::testing
