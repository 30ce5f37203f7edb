// One named picture of a resource bundle: its name, its size in points, how it is painted, and
// its per-image options. Written once per scale (1x, 2x) as Images/<name>.png and <name>@2x.png.
#pragma once

#include <cairo.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace artgen {

struct ImageOptions {
    bool isTemplate = false;
    std::optional<std::array<double, 4>> capInsets; // top, left, bottom, right, in points
};

struct Image {
    std::string name;
    int width = 0;                       // points
    int height = 0;                      // points
    std::function<void(cairo_t*)> paint; // paints in points; the scale is already applied
    ImageOptions options;
};

using ImageList = std::vector<Image>;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
// An image surface that is destroyed with its owner.
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Paints `image` at `scale` into a new ARGB surface (the caller owns it).
cairo_surface_t* render(const Image& image, int scale);

// Writes `surface` to `path` as a PNG. Throws std::runtime_error when the file cannot be written.
void writePng(cairo_surface_t* surface, const std::filesystem::path& path);

// Writes the 1x and 2x PNGs (and the options file when there are options) below `imagesDir`.
// Throws std::runtime_error when a file cannot be written.
void write(const Image& image, const std::filesystem::path& imagesDir);

} // namespace artgen
