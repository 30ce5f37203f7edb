#pragma once

// Where a context maps user space to device pixels by a move and a positive scale alone (no
// rotation or skew): user coordinates to device pixel ones and back, for drawing that splits its
// work at whole pixels.

#include "platform/tk/graphics/GraphicsContext.h"

#include <cmath>
#include <optional>

namespace tk {

// Cairo places edges on 1/256 of a pixel: a coordinate within a millionth of a pixel boundary is on
// it.
inline constexpr double kPixelTolerance = 1e-6;

// Whether a device pixel coordinate lies on a pixel boundary.
inline bool onWholePixel(double px) {
    return std::abs(px - std::round(px)) < kPixelTolerance;
}

struct PixelGrid {
    double scaleX = 1, scaleY = 1, offsetX = 0, offsetY = 0;

    double pixelX(double x) const { return x * scaleX + offsetX; }
    double pixelY(double y) const { return y * scaleY + offsetY; }
    double userX(double px) const { return (px - offsetX) / scaleX; }
    double userY(double py) const { return (py - offsetY) / scaleY; }

    // The device pixels lying wholly inside `r` (user space), as a user-space rect; empty when
    // none. An edge within a millionth of a pixel of a boundary is on it (cairo places edges on
    // 1/256 of a pixel).
    Rect wholePixelsInside(const Rect& r) const {
        constexpr double kTolerance = 1e-6;
        const double x0 = std::ceil(pixelX(r.minX()) - kTolerance),
                     y0 = std::ceil(pixelY(r.minY()) - kTolerance);
        const double x1 = std::floor(pixelX(r.maxX()) + kTolerance),
                     y1 = std::floor(pixelY(r.maxY()) + kTolerance);
        if (!(x1 > x0 && y1 > y0))
            return {};
        return {userX(x0), userY(y0), userX(x1) - userX(x0), userY(y1) - userY(y0)};
    }
};

// The grid of `context` as it draws now; none where its transform rotates, skews or flips.
inline std::optional<PixelGrid> pixelGrid(const GraphicsContext& context) {
    const AffineTransform t = context.transform();
    const double s = context.backingScale();
    if (t.b != 0 || t.c != 0 || !(t.a > 0) || !(t.d > 0) || !(s > 0))
        return std::nullopt;
    return PixelGrid{t.a * s, t.d * s, t.tx * s, t.ty * s};
}

} // namespace tk
