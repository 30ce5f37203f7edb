#include "platform/tk/graphics/Path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tk {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

Point onCircle(Point c, double r, double angle) {
    return {c.x + r * std::cos(angle), c.y + r * std::sin(angle)};
}

} // namespace

Path Path::rect(const Rect& r) {
    Path p;
    p.addRect(r);
    return p;
}

Path Path::roundedRect(const Rect& r, double cornerRadius) {
    Path p;
    p.addRoundedRect(r, cornerRadius);
    return p;
}

Path Path::roundedRect(const Rect& r, const CornerRadii& radii) {
    Path p;
    p.addRoundedRect(r, radii);
    return p;
}

Path Path::ellipse(const Rect& r) {
    Path p;
    p.addEllipse(r);
    return p;
}

Path Path::line(Point from, Point to) {
    Path p;
    p.moveTo(from);
    p.lineTo(to);
    return p;
}

void Path::moveTo(Point p) {
    elements_.push_back({ElementType::moveTo, {p, {}, {}}});
    current_ = p;
    subpathStart_ = p;
}

void Path::lineTo(Point p) {
    if (!current_) {
        moveTo(p);
        return;
    }
    elements_.push_back({ElementType::lineTo, {p, {}, {}}});
    current_ = p;
}

void Path::curveTo(Point c1, Point c2, Point end) {
    if (!current_)
        moveTo(c1);
    elements_.push_back({ElementType::curveTo, {c1, c2, end}});
    current_ = end;
}

void Path::quadCurveTo(Point c, Point end) {
    if (!current_)
        moveTo(c);
    const Point s = *current_;
    curveTo(s + (c - s) * (2.0 / 3), end + (c - end) * (2.0 / 3), end);
}

void Path::addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) {
    if (!std::isfinite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle))
        return;
    radius = std::abs(radius);
    double sweep = endAngle - startAngle;
    // Like the usual arc operations: the sweep runs in the chosen direction and is brought
    // within one full turn.
    if (!clockwise) {
        if (sweep < 0)
            sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
        if (sweep > kTwoPi)
            sweep = kTwoPi;
    } else {
        if (sweep > 0)
            sweep = std::fmod(sweep, kTwoPi) - kTwoPi;
        if (sweep < -kTwoPi)
            sweep = -kTwoPi;
    }
    const Point start = onCircle(center, radius, startAngle);
    if (current_)
        lineTo(start);
    else
        moveTo(start);
    if (sweep == 0 || radius == 0)
        return;
    const int segments =
        std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweep / segments;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    double a0 = startAngle;
    for (int i = 0; i < segments; ++i) {
        const double a1 = a0 + step;
        const Point p0 = onCircle(center, radius, a0);
        const Point p3 = onCircle(center, radius, a1);
        const Point c1{p0.x - k * radius * std::sin(a0), p0.y + k * radius * std::cos(a0)};
        const Point c2{p3.x + k * radius * std::sin(a1), p3.y - k * radius * std::cos(a1)};
        curveTo(c1, c2, p3);
        a0 = a1;
    }
}

void Path::closeSubpath() {
    if (!current_)
        return;
    elements_.push_back({ElementType::closeSubpath, {}});
    current_ = subpathStart_;
}

void Path::addRect(const Rect& r) {
    const Rect s = r.standardized();
    moveTo({s.minX(), s.minY()});
    lineTo({s.maxX(), s.minY()});
    lineTo({s.maxX(), s.maxY()});
    lineTo({s.minX(), s.maxY()});
    closeSubpath();
}

void Path::addRoundedRect(const Rect& r, double cornerRadius) {
    addRoundedRect(r, CornerRadii::all(cornerRadius));
}

void Path::addRoundedRect(const Rect& r, const CornerRadii& radii) {
    const Rect s = r.standardized();
    const double limit = std::min(s.width(), s.height()) / 2;
    auto clampRadius = [limit](double v) { return std::isfinite(v) ? std::clamp(v, 0.0, limit) : 0.0; };
    const double tl = clampRadius(radii.topLeft);
    const double tr = clampRadius(radii.topRight);
    const double br = clampRadius(radii.bottomRight);
    const double bl = clampRadius(radii.bottomLeft);
    constexpr double pi = std::numbers::pi;
    // Corners in the order top-right, bottom-right, bottom-left, top-left; each arc's angle grows.
    moveTo({s.minX() + tl, s.minY()});
    lineTo({s.maxX() - tr, s.minY()});
    if (tr > 0)
        addArc({s.maxX() - tr, s.minY() + tr}, tr, 3 * pi / 2, 2 * pi);
    lineTo({s.maxX(), s.maxY() - br});
    if (br > 0)
        addArc({s.maxX() - br, s.maxY() - br}, br, 0, pi / 2);
    lineTo({s.minX() + bl, s.maxY()});
    if (bl > 0)
        addArc({s.minX() + bl, s.maxY() - bl}, bl, pi / 2, pi);
    lineTo({s.minX(), s.minY() + tl});
    if (tl > 0)
        addArc({s.minX() + tl, s.minY() + tl}, tl, pi, 3 * pi / 2);
    closeSubpath();
}

void Path::addEllipse(const Rect& r) {
    const Rect s = r.standardized();
    const double rx = s.width() / 2;
    const double ry = s.height() / 2;
    const double cx = s.midX();
    const double cy = s.midY();
    constexpr double k = 0.5522847498307936; // 4/3 (sqrt(2) - 1)
    moveTo({cx + rx, cy});
    curveTo({cx + rx, cy + k * ry}, {cx + k * rx, cy + ry}, {cx, cy + ry});
    curveTo({cx - k * rx, cy + ry}, {cx - rx, cy + k * ry}, {cx - rx, cy});
    curveTo({cx - rx, cy - k * ry}, {cx - k * rx, cy - ry}, {cx, cy - ry});
    curveTo({cx + k * rx, cy - ry}, {cx + rx, cy - k * ry}, {cx + rx, cy});
    closeSubpath();
}

void Path::addPath(const Path& other) {
    for (const Element& e : other.elements_) {
        switch (e.type) {
        case ElementType::moveTo:
            moveTo(e.points[0]);
            break;
        case ElementType::lineTo:
            lineTo(e.points[0]);
            break;
        case ElementType::curveTo:
            curveTo(e.points[0], e.points[1], e.points[2]);
            break;
        case ElementType::closeSubpath:
            closeSubpath();
            break;
        }
    }
}

Rect Path::boundingBox() const {
    bool any = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    auto add = [&](Point p) {
        if (!any) {
            x0 = x1 = p.x;
            y0 = y1 = p.y;
            any = true;
            return;
        }
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    };
    for (const Element& e : elements_) {
        const int n = e.type == ElementType::curveTo ? 3 : e.type == ElementType::closeSubpath ? 0 : 1;
        for (int i = 0; i < n; ++i)
            add(e.points[i]);
    }
    return any ? Rect{x0, y0, x1 - x0, y1 - y0} : Rect{};
}

std::optional<Rect> Path::asRect() const {
    if (elements_.size() != 5 || elements_[0].type != ElementType::moveTo ||
        elements_[4].type != ElementType::closeSubpath)
        return std::nullopt;
    for (int i = 1; i < 4; ++i)
        if (elements_[i].type != ElementType::lineTo)
            return std::nullopt;
    const Point p[4] = {elements_[0].points[0], elements_[1].points[0], elements_[2].points[0],
                        elements_[3].points[0]};
    const bool horizontalFirst = p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
    const bool verticalFirst = p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
    if (!horizontalFirst && !verticalFirst)
        return std::nullopt;
    return boundingBox();
}

bool Path::contains(Point p, FillRule rule) const {
    int winding = 0;
    int crossings = 0;
    auto edge = [&](Point a, Point b) {
        if ((a.y <= p.y) == (b.y <= p.y))
            return;
        const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
        if (x > p.x) {
            ++crossings;
            winding += b.y > a.y ? 1 : -1;
        }
    };
    std::optional<Point> start;
    Point last;
    auto closeOpen = [&] {
        if (start)
            edge(last, *start);
    };
    for (const Element& e : elements_) {
        switch (e.type) {
        case ElementType::moveTo:
            closeOpen();
            start = e.points[0];
            last = e.points[0];
            break;
        case ElementType::lineTo:
            edge(last, e.points[0]);
            last = e.points[0];
            break;
        case ElementType::curveTo: {
            constexpr int kSteps = 16;
            const Point p0 = last;
            for (int i = 1; i <= kSteps; ++i) {
                const double t = static_cast<double>(i) / kSteps;
                const double u = 1 - t;
                const Point q = p0 * (u * u * u) + e.points[0] * (3 * u * u * t) +
                                e.points[1] * (3 * u * t * t) + e.points[2] * (t * t * t);
                edge(last, q);
                last = q;
            }
            break;
        }
        case ElementType::closeSubpath:
            closeOpen();
            if (start)
                last = *start;
            break;
        }
    }
    closeOpen();
    return rule == FillRule::evenOdd ? (crossings % 2) != 0 : winding != 0;
}

Path Path::transformed(const AffineTransform& t) const {
    Path out;
    out.elements_.reserve(elements_.size());
    for (Element e : elements_) {
        for (Point& p : e.points)
            p = t.apply(p);
        out.elements_.push_back(e);
    }
    if (current_)
        out.current_ = t.apply(*current_);
    if (subpathStart_)
        out.subpathStart_ = t.apply(*subpathStart_);
    return out;
}

} // namespace tk
