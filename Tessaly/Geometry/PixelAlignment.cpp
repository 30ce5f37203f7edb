#include "Tessaly/Geometry/PixelAlignment.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

namespace {

// Products like 7.5 * 2 come out a hair off a whole number; treat those as whole so that snapping
// does not widen a rect by a pixel.
double snapNearInteger(double v) {
    const double r = std::round(v);
    return std::abs(v - r) < 1e-9 ? r : v;
}

tk::Rect integral(const tk::Rect& r) {
    const double x0 = std::floor(snapNearInteger(r.minX()));
    const double y0 = std::floor(snapNearInteger(r.minY()));
    const double x1 = std::ceil(snapNearInteger(r.maxX()));
    const double y1 = std::ceil(snapNearInteger(r.maxY()));
    return {x0, y0, x1 - x0, y1 - y0};
}

tk::Rect integralAtScale(const tk::Rect& r, double s) {
    const tk::Rect scaled = integral({r.x() * s, r.y() * s, r.width() * s, r.height() * s});
    return {scaled.x() / s, scaled.y() / s, scaled.width() / s, scaled.height() / s};
}

double roundAtScale(double v, double s) {
    return std::round(s * v) / s;
}

} // namespace

tk::Rect centeredPixelAlignedRect(tk::Size size, const tk::Rect& container, double scale) {
    const double x = roundAtScale((container.width() - size.width) * 0.5, scale);
    const double y = roundAtScale((container.height() - size.height) * 0.5, scale);
    const tk::Rect rect{x, y, size.width, size.height};
    return scale > 0 ? integralAtScale(rect, scale) : rect;
}

tk::Rect centeredHorizontally(const tk::Rect& rect, const tk::Rect& container, double scale,
                              std::optional<std::pair<double, double>> clampX) {
    double x = roundAtScale(container.midX() - 0.5 * rect.width(), scale);
    if (clampX) {
        x = std::max(x, clampX->first);
        x = std::min(x, clampX->second);
    }
    return integralAtScale({x, rect.y(), rect.width(), rect.height()}, scale);
}

tk::Rect centeredVertically(const tk::Rect& rect, const tk::Rect& container, double scale) {
    const double y = roundAtScale(container.midY() - 0.5 * rect.height(), scale);
    return integralAtScale({rect.x(), y, rect.width(), rect.height()}, scale);
}

tk::Rect pixelAligned(const tk::Rect& rect, double scale) {
    return scale > 0 ? integralAtScale(rect, scale) : rect;
}

tk::Rect inset(const tk::Rect& rect, tk::EdgeInsets insets, bool flipped) {
    return integral({rect.x() + insets.left, rect.y() + (flipped ? insets.top : insets.bottom),
                     rect.width() - insets.horizontal(), rect.height() - insets.vertical()});
}

tk::Rect outset(const tk::Rect& rect, tk::EdgeInsets insets, bool flipped) {
    return integral({rect.x() - insets.left, rect.y() - (flipped ? insets.top : insets.bottom),
                     rect.width() + insets.horizontal(), rect.height() + insets.vertical()});
}

tk::Rect constrained(const tk::Rect& rect, const tk::Rect& bounds) {
    double x = std::min(bounds.maxX(), rect.maxX()) - rect.width();
    x = std::max(x, bounds.minX());
    double y = std::min(bounds.maxY(), rect.maxY()) - rect.height();
    y = std::max(y, bounds.minY());
    return {x, y, rect.width(), rect.height()};
}

} // namespace Tessaly
