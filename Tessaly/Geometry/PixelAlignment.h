#pragma once

// Pixel-aligned placement of rects. `scale` is the backing scale factor (pixels per point, 2 on a
// high-density display); aligning multiplies by it, rounds (halves away from zero) or snaps, and
// divides again. The centring operations need a non-zero scale.

#include "platform/tk/base/Geometry.h"

#include <optional>
#include <utility>

namespace Tessaly {

// A rect of `size` centred in `container`'s bounds, relative to the container (its origin is not
// added), on whole pixels. A negative scale skips the final snap.
tk::Rect centeredPixelAlignedRect(tk::Size size, const tk::Rect& container, double scale);
// `rect` with x centred on the container's midX, rounded at the scale and then clamped into
// `clampX` (lower, upper) when given; the result is snapped to whole pixels.
tk::Rect centeredHorizontally(const tk::Rect& rect, const tk::Rect& container, double scale,
                              std::optional<std::pair<double, double>> clampX = std::nullopt);
// `rect` with y centred on the container's midY, snapped to whole pixels.
tk::Rect centeredVertically(const tk::Rect& rect, const tk::Rect& container, double scale);
// Snapped outward to whole pixels; unchanged for a scale that is not positive.
tk::Rect pixelAligned(const tk::Rect& rect, double scale);
// Shrunk by the insets (top inset at minY when `flipped`, at maxY otherwise), then snapped outward
// to whole points.
tk::Rect inset(const tk::Rect& rect, tk::EdgeInsets insets, bool flipped);
// Grown by the insets, the mirror of inset().
tk::Rect outset(const tk::Rect& rect, tk::EdgeInsets insets, bool flipped);
// Moved (not resized) to lie inside `bounds`; a rect larger than the bounds sits at their minimum
// corner.
tk::Rect constrained(const tk::Rect& rect, const tk::Rect& bounds);

} // namespace Tessaly
