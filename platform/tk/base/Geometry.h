#pragma once

// Plain geometry values for the toolkit: points, sizes, rectangles, edge insets and affine
// transforms, in points (not pixels). Views use a top-left origin with y growing downwards, so
// minY is the top edge and maxY the bottom edge of a rect; the maths below does not care which
// way y points, and flippedRect() converts between the two conventions where a flipped flag
// says so.

#include <algorithm>
#include <optional>
#include <vector>

namespace tk {

struct Point {
    double x = 0;
    double y = 0;

    constexpr Point() = default;
    constexpr Point(double px, double py) : x(px), y(py) {}

    static constexpr Point zero() { return {}; }

    constexpr Point offsetBy(double dx, double dy) const { return {x + dx, y + dy}; }
    double distanceTo(Point other) const;

    friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr Point operator*(Point a, double s) { return {a.x * s, a.y * s}; }
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    double width = 0;
    double height = 0;

    constexpr Size() = default;
    constexpr Size(double w, double h) : width(w), height(h) {}

    static constexpr Size zero() { return {}; }

    // A size with no area (either side zero or negative).
    constexpr bool isEmpty() const { return !(width > 0 && height > 0); }

    friend constexpr Size operator*(Size a, double s) { return {a.width * s, a.height * s}; }
    friend constexpr bool operator==(Size, Size) = default;
};

// Insets from each edge of a rect; also the cap insets of nine-part images.
struct EdgeInsets {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;

    constexpr EdgeInsets() = default;
    constexpr EdgeInsets(double t, double l, double b, double r) : top(t), left(l), bottom(b), right(r) {}
    static constexpr EdgeInsets all(double v) { return {v, v, v, v}; }

    constexpr bool isZero() const { return top == 0 && left == 0 && bottom == 0 && right == 0; }
    constexpr double horizontal() const { return left + right; }
    constexpr double vertical() const { return top + bottom; }

    friend constexpr bool operator==(EdgeInsets, EdgeInsets) = default;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(Point o, Size s) : origin(o), size(s) {}
    constexpr Rect(double x, double y, double w, double h) : origin(x, y), size(w, h) {}

    static constexpr Rect zero() { return {}; }

    constexpr double x() const { return origin.x; }
    constexpr double y() const { return origin.y; }
    constexpr double width() const { return size.width; }
    constexpr double height() const { return size.height; }

    // Edges of the standardized rect (negative sizes count from the origin backwards). Inline:
    // the view tree's drawing and layout walks call them for every view.
    constexpr double minX() const { return std::min(origin.x, origin.x + size.width); }
    constexpr double midX() const { return origin.x + size.width / 2; }
    constexpr double maxX() const { return std::max(origin.x, origin.x + size.width); }
    constexpr double minY() const { return std::min(origin.y, origin.y + size.height); }
    constexpr double midY() const { return origin.y + size.height / 2; }
    constexpr double maxY() const { return std::max(origin.y, origin.y + size.height); }
    Point center() const { return {midX(), midY()}; }

    // No area: zero or negative width or height.
    constexpr bool isEmpty() const { return size.isEmpty(); }
    // The same rect with non-negative width and height.
    constexpr Rect standardized() const {
        return {minX(), minY(), size.width < 0 ? -size.width : size.width,
                size.height < 0 ? -size.height : size.height};
    }

    // Shrinks by dx on the left and right and dy on the top and bottom (negative grows).
    Rect insetBy(double dx, double dy) const;
    Rect insetBy(EdgeInsets insets) const;
    Rect offsetBy(double dx, double dy) const;
    // Smallest rect holding both; an empty rect takes no part.
    constexpr Rect unionWith(const Rect& other) const {
        if (isEmpty())
            return other.isEmpty() ? Rect{} : other.standardized();
        if (other.isEmpty())
            return standardized();
        const double x0 = std::min(minX(), other.minX());
        const double y0 = std::min(minY(), other.minY());
        const double x1 = std::max(maxX(), other.maxX());
        const double y1 = std::max(maxY(), other.maxY());
        return {x0, y0, x1 - x0, y1 - y0};
    }
    // The overlap; an empty rect (Rect::zero()) when they do not overlap.
    Rect intersection(const Rect& other) const;
    bool intersects(const Rect& other) const;
    // Half-open: the min edges are inside, the max edges are not.
    bool contains(Point p) const;
    bool contains(const Rect& other) const;
    // Smallest rect with integral edges that holds this one.
    Rect integral() const;
    // Edges moved outwards to the nearest device pixel at `scale` pixels per point.
    Rect alignedToPixels(double scale) const;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The rect as seen in a coordinate system whose y axis runs the other way, within a container
// of the given height (a bottom-left rect in a top-left container and back).
Rect flippedRect(const Rect& r, double containerHeight);

// `r` less `hole`, as up to four rects (above, below, left and right of it) added to `out`.
void subtractRect(const Rect& r, const Rect& hole, std::vector<Rect>& out);

// Where a picture of `content` size goes inside `bounds`: scaled to fit inside (letterboxed) or
// to fill (cropped), keeping the aspect ratio, centred.
Rect aspectFitRect(Size content, const Rect& bounds);
Rect aspectFillRect(Size content, const Rect& bounds);

// An affine map: x' = a*x + c*y + tx, y' = b*x + d*y + ty.
struct AffineTransform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    constexpr AffineTransform() = default;
    constexpr AffineTransform(double ma, double mb, double mc, double md, double mtx, double mty)
        : a(ma), b(mb), c(mc), d(md), tx(mtx), ty(mty) {}

    static constexpr AffineTransform identity() { return {}; }
    static constexpr AffineTransform translation(double dx, double dy) { return {1, 0, 0, 1, dx, dy}; }
    static constexpr AffineTransform scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    // Rotation by `radians`, counter-clockwise when y points up (clockwise on screen with y down).
    static AffineTransform rotation(double radians);

    constexpr bool isIdentity() const { return *this == AffineTransform{}; }

    // `this` first, then `next`.
    AffineTransform concatenating(const AffineTransform& next) const;
    // These apply the new operation first, then this transform (as drawing contexts do).
    AffineTransform translatedBy(double dx, double dy) const;
    AffineTransform scaledBy(double sx, double sy) const;
    AffineTransform rotatedBy(double radians) const;
    // The inverse; nullopt when the transform is singular.
    std::optional<AffineTransform> inverted() const;

    Point apply(Point p) const;
    // Sizes (vectors) ignore the translation.
    Size apply(Size s) const;
    // Bounding box of the transformed rect.
    Rect apply(const Rect& r) const;

    friend constexpr bool operator==(const AffineTransform&, const AffineTransform&) = default;
};

} // namespace tk
