#include "platform/tk/base/Geometry.h"

#include <algorithm>
#include <cmath>

namespace tk {

double Point::distanceTo(Point other) const {
    return std::hypot(other.x - x, other.y - y);
}

Rect Rect::insetBy(double dx, double dy) const {
    const Rect s = standardized();
    return {s.origin.x + dx, s.origin.y + dy, s.size.width - 2 * dx, s.size.height - 2 * dy};
}

Rect Rect::insetBy(EdgeInsets in) const {
    const Rect s = standardized();
    return {s.origin.x + in.left, s.origin.y + in.top, s.size.width - in.horizontal(),
            s.size.height - in.vertical()};
}

Rect Rect::offsetBy(double dx, double dy) const {
    return {origin.offsetBy(dx, dy), size};
}

Rect Rect::intersection(const Rect& other) const {
    const double x0 = std::max(minX(), other.minX());
    const double y0 = std::max(minY(), other.minY());
    const double x1 = std::min(maxX(), other.maxX());
    const double y1 = std::min(maxY(), other.maxY());
    if (x1 <= x0 || y1 <= y0)
        return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

bool Rect::intersects(const Rect& other) const {
    return !intersection(other).isEmpty();
}

bool Rect::contains(Point p) const {
    return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
}

bool Rect::contains(const Rect& other) const {
    return other.minX() >= minX() && other.maxX() <= maxX() && other.minY() >= minY() &&
           other.maxY() <= maxY();
}

Rect Rect::integral() const {
    const double x0 = std::floor(minX());
    const double y0 = std::floor(minY());
    return {x0, y0, std::ceil(maxX()) - x0, std::ceil(maxY()) - y0};
}

Rect Rect::alignedToPixels(double scale) const {
    if (!(scale > 0))
        return integral();
    const double x0 = std::floor(minX() * scale) / scale;
    const double y0 = std::floor(minY() * scale) / scale;
    const double x1 = std::ceil(maxX() * scale) / scale;
    const double y1 = std::ceil(maxY() * scale) / scale;
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect flippedRect(const Rect& r, double containerHeight) {
    const Rect s = r.standardized();
    return {s.origin.x, containerHeight - s.maxY(), s.size.width, s.size.height};
}

void subtractRect(const Rect& r, const Rect& hole, std::vector<Rect>& out) {
    const Rect in = r.intersection(hole);
    if (in.isEmpty()) {
        out.push_back(r);
        return;
    }
    if (in.minY() > r.minY())
        out.push_back({r.minX(), r.minY(), r.width(), in.minY() - r.minY()});
    if (r.maxY() > in.maxY())
        out.push_back({r.minX(), in.maxY(), r.width(), r.maxY() - in.maxY()});
    if (in.minX() > r.minX())
        out.push_back({r.minX(), in.minY(), in.minX() - r.minX(), in.height()});
    if (r.maxX() > in.maxX())
        out.push_back({in.maxX(), in.minY(), r.maxX() - in.maxX(), in.height()});
}

namespace {
Rect scaledCentred(Size content, const Rect& bounds, bool fill) {
    const Rect b = bounds.standardized();
    if (content.isEmpty() || b.isEmpty())
        return {b.midX(), b.midY(), 0, 0};
    const double sx = b.width() / content.width;
    const double sy = b.height() / content.height;
    const double s = fill ? std::max(sx, sy) : std::min(sx, sy);
    const double w = content.width * s;
    const double h = content.height * s;
    return {b.midX() - w / 2, b.midY() - h / 2, w, h};
}
} // namespace

Rect aspectFitRect(Size content, const Rect& bounds) {
    return scaledCentred(content, bounds, false);
}
Rect aspectFillRect(Size content, const Rect& bounds) {
    return scaledCentred(content, bounds, true);
}

AffineTransform AffineTransform::rotation(double radians) {
    const double cs = std::cos(radians);
    const double sn = std::sin(radians);
    return {cs, sn, -sn, cs, 0, 0};
}

AffineTransform AffineTransform::concatenating(const AffineTransform& n) const {
    return {a * n.a + b * n.c, a * n.b + b * n.d,          c * n.a + d * n.c,
            c * n.b + d * n.d, tx * n.a + ty * n.c + n.tx, tx * n.b + ty * n.d + n.ty};
}

AffineTransform AffineTransform::translatedBy(double dx, double dy) const {
    return translation(dx, dy).concatenating(*this);
}

AffineTransform AffineTransform::scaledBy(double sx, double sy) const {
    return scale(sx, sy).concatenating(*this);
}

AffineTransform AffineTransform::rotatedBy(double radians) const {
    return rotation(radians).concatenating(*this);
}

std::optional<AffineTransform> AffineTransform::inverted() const {
    const double det = a * d - b * c;
    if (det == 0 || !std::isfinite(det))
        return std::nullopt;
    const double ia = d / det;
    const double ib = -b / det;
    const double ic = -c / det;
    const double id = a / det;
    return AffineTransform{ia, ib, ic, id, -(tx * ia + ty * ic), -(tx * ib + ty * id)};
}

Point AffineTransform::apply(Point p) const {
    return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty};
}

Size AffineTransform::apply(Size s) const {
    return {a * s.width + c * s.height, b * s.width + d * s.height};
}

Rect AffineTransform::apply(const Rect& r) const {
    const Rect s = r.standardized();
    const Point p[4] = {apply(Point{s.minX(), s.minY()}), apply(Point{s.maxX(), s.minY()}),
                        apply(Point{s.minX(), s.maxY()}), apply(Point{s.maxX(), s.maxY()})};
    double x0 = p[0].x, x1 = p[0].x, y0 = p[0].y, y1 = p[0].y;
    for (const Point& q : p) {
        x0 = std::min(x0, q.x);
        x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y);
        y1 = std::max(y1, q.y);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace tk
