#pragma once

// Small operations on images that the controls draw with. Tinting (tk::Image::tinted), filtering
// representations and PNG export are the image's own; these add resizing and measuring.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Image.h"

#include <optional>

namespace Tessaly {

// A new image of `size` with the picture drawn over all of it (source-over, full opacity), at the
// image's finest scale.
tk::Image resized(const tk::Image& image, tk::Size size);
// A new image as tall as `image` and `padding` wider, the picture at x = padding at its own size.
tk::Image leftPadded(const tk::Image& image, double padding);
// Width divided by height.
inline double aspectRatio(const tk::Image& image) {
    return image.size().width / image.size().height;
}
// (0, 0, width, height).
inline tk::Rect boundsRect(const tk::Image& image) {
    return {tk::Point{}, image.size()};
}
inline double width(const tk::Image& image) {
    return image.size().width;
}
inline double height(const tk::Image& image) {
    return image.size().height;
}
// The representation that drawing into `rect` at `scale` would use (every representation here is
// a bitmap); none for an empty image.
std::optional<tk::Image::Representation> bitmapRepresentation(const tk::Image& image, const tk::Rect& rect,
                                                              double scale);

} // namespace Tessaly
