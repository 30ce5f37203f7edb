#pragma once

// Backend only: copying pixels that land one on one onto a target's pixels, with pixman straight
// where the target is an image of 32-bit pixels with alpha. Cairo composites such a copy with the
// same pixman call, but every drawing through it saves its state, makes a pattern and a clip and
// restores them again, which costs more than copying a small picture.
//
// The caller finds how user space maps to the target's pixels and whether the clip is whole
// pixels, places its pixels on whole target pixels and copies them; where any of that fails it
// draws through cairo. Nothing here keeps state but ImagePixels, which the caller holds.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/PixelGrid.h"

#include <cairo.h>
#include <pixman.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

namespace tk::detail {

// Inline, as it runs several times for every copy (as does onWholePixel, from PixelGrid.h).
// The nearest whole pixel, clamped to the range pixels are placed in.
inline int wholePixel(double v) {
    v = std::clamp(v, -1e9, 1e9);
    return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5);
}

// How user space of `cr` maps to pixels of the surface it draws on, where that only moves and
// scales. Cairo's device space stops short of the surface's own scale and offset.
struct ToPixels {
    double scaleX = 1, scaleY = 1, offsetX = 0, offsetY = 0; // the surface's own
    double userScaleX = 1, userScaleY = 1;                   // user space to pixels, whole
    Point pixel(cairo_t* cr, Point user) const {
        cairo_user_to_device(cr, &user.x, &user.y);
        return {user.x * scaleX + offsetX, user.y * scaleY + offsetY};
    }
};
std::optional<ToPixels> toPixels(cairo_t* cr);

// Pixels of a surface from (x0, y0) up to but not including (x1, y1).
struct PixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
    bool overlaps(const PixelBox& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};
inline PixelBox intersection(const PixelBox& a, const PixelBox& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// Past this many rectangles a clip has cairo copy through it.
constexpr std::size_t kMaxClipBoxes = 16;

// A clip of whole pixels, in pixels of the target.
struct PixelClip {
    std::array<PixelBox, kMaxClipBoxes> boxes; // the first `count`
    std::size_t count = 0;
    bool complete = true; // false: it has more rectangles than are kept
};

// The clip in pixels where it is whole pixels, or none.
std::optional<PixelClip> wholePixelClip(cairo_t* cr, const ToPixels& to);

// pixman's view of the pixels of a 32-bit image surface with alpha, kept while drawing goes on to
// the same memory in the same shape, as wrapping them anew takes an allocation.
class ImagePixels {
public:
    ImagePixels() = default;
    ImagePixels(const ImagePixels&) = delete;
    ImagePixels& operator=(const ImagePixels&) = delete;
    ~ImagePixels();

    // The pixels of `image`, or null where pixman has no memory for them.
    pixman_image_t* of(cairo_surface_t* image);
    // Whether of() an image of this memory and shape takes no new wrapping: memory that held
    // another surface of this shape holds the same pixels to pixman.
    bool holds(const unsigned char* data, int width, int height, int stride) const {
        return pixels_ && data == data_ && width == width_ && height == height_ && stride == stride_;
    }

private:
    pixman_image_t* pixels_ = nullptr;
    unsigned char* data_ = nullptr;
    int width_ = 0, height_ = 0, stride_ = 0;
};

// Composites `source` OVER cr's target through `clip`, its pixel (sourceX, sourceY) landing on the
// target's pixel (at.x0, at.y0), within `at`, to the bytes cairo's image backend gives, where the
// target is an image of 32-bit pixels with alpha; returns false, having drawn nothing, elsewhere.
// `targetPixels` keeps the target's pixman image from one copy to the next.
bool copyStraight(cairo_t* cr, const ToPixels& to, const PixelClip& clip, pixman_image_t* source, PixelBox at,
                  ImagePixels& targetPixels, int sourceX = 0, int sourceY = 0);

} // namespace tk::detail
