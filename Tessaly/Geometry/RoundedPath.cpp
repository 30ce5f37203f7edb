#include "Tessaly/Geometry/RoundedPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Tessaly {

namespace {

CornerRadii fittedRadii(const tk::Rect& rect, CornerRadii r) {
    auto usable = [](double v) { return std::isfinite(v) && v > 0 ? v : 0.0; };
    r = {usable(r.topLeft), usable(r.topRight), usable(r.bottomRight), usable(r.bottomLeft)};
    const double width = std::abs(rect.width());
    const double height = std::abs(rect.height());
    double factor = 1;
    auto fit = [&factor](double side, double a, double b) {
        if (a + b > side)
            factor = std::min(factor, a + b > 0 ? side / (a + b) : 1.0);
    };
    fit(width, r.topLeft, r.topRight);
    fit(width, r.bottomLeft, r.bottomRight);
    fit(height, r.topLeft, r.bottomLeft);
    fit(height, r.topRight, r.bottomRight);
    if (factor < 1)
        r = {r.topLeft * factor, r.topRight * factor, r.bottomRight * factor, r.bottomLeft * factor};
    return r;
}

} // namespace

tk::Path roundedRectPath(const tk::Rect& rect, const CornerRadii& radii) {
    constexpr double pi = std::numbers::pi;
    const CornerRadii r = fittedRadii(rect, radii);
    const double minX = rect.minX(), minY = rect.minY(), maxX = rect.maxX(), maxY = rect.maxY();
    tk::Path path;
    path.moveTo({minX + r.topLeft, minY});
    path.lineTo({maxX - r.topRight, minY});
    if (r.topRight > 0)
        path.addArc({maxX - r.topRight, minY + r.topRight}, r.topRight, 3 * pi / 2, 2 * pi);
    path.lineTo({maxX, maxY - r.bottomRight});
    if (r.bottomRight > 0)
        path.addArc({maxX - r.bottomRight, maxY - r.bottomRight}, r.bottomRight, 0, pi / 2);
    path.lineTo({minX + r.bottomLeft, maxY});
    if (r.bottomLeft > 0)
        path.addArc({minX + r.bottomLeft, maxY - r.bottomLeft}, r.bottomLeft, pi / 2, pi);
    path.lineTo({minX, minY + r.topLeft});
    if (r.topLeft > 0)
        path.addArc({minX + r.topLeft, minY + r.topLeft}, r.topLeft, pi, 3 * pi / 2);
    path.closeSubpath();
    return path;
}

} // namespace Tessaly
