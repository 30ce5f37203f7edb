#pragma once

// A path as a plain value: sub-paths of straight and cubic Bezier segments, in user space. Arcs,
// ellipses and rounded corners are turned into cubic segments when they are added, so a path can
// be transformed exactly and replayed on any context.
//
// Angles are in radians measured from the positive x axis towards the positive y axis; with the
// toolkit's top-left coordinates (y down) that turns clockwise on screen. `clockwise == false`
// in addArc means the angle grows from start to end.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/GraphicsTypes.h"

#include <optional>
#include <vector>

namespace tk {

// One radius per corner; "top" is the rect's minimum y.
struct CornerRadii {
    double topLeft = 0;
    double topRight = 0;
    double bottomRight = 0;
    double bottomLeft = 0;

    static constexpr CornerRadii all(double r) { return {r, r, r, r}; }
    friend constexpr bool operator==(const CornerRadii&, const CornerRadii&) = default;
};

class Path {
public:
    enum class ElementType { moveTo, lineTo, curveTo, closeSubpath };

    // moveTo and lineTo use points[0]; curveTo uses control points [0], [1] and end point [2].
    struct Element {
        ElementType type;
        Point points[3];

        friend bool operator==(const Element&, const Element&) = default;
    };

    Path() = default;

    static Path rect(const Rect& r);
    static Path roundedRect(const Rect& r, double cornerRadius);
    static Path roundedRect(const Rect& r, const CornerRadii& radii);
    static Path ellipse(const Rect& r);
    static Path line(Point from, Point to);

    void moveTo(Point p);
    // Starts a sub-path at p when there is no current point.
    void lineTo(Point p);
    void curveTo(Point control1, Point control2, Point end);
    void quadCurveTo(Point control, Point end);
    // A circular arc; joined to the current point with a straight line, if there is one.
    void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise = false);
    void closeSubpath();

    void addRect(const Rect& r);
    // Corner radii are limited to half the rect's shorter side.
    void addRoundedRect(const Rect& r, double cornerRadius);
    void addRoundedRect(const Rect& r, const CornerRadii& radii);
    void addEllipse(const Rect& r);
    void addPath(const Path& other);

    bool isEmpty() const { return elements_.empty(); }
    const std::vector<Element>& elements() const { return elements_; }
    std::optional<Point> currentPoint() const { return current_; }
    // Bounds of all points, control points included (a little larger than the curve for curves).
    Rect boundingBox() const;
    // True when the path is exactly one closed axis-aligned rectangle; gives the rectangle.
    std::optional<Rect> asRect() const;

    // Whether a point lies inside the filled path (curves flattened finely; open sub-paths count
    // as closed, as filling does).
    bool contains(Point p, FillRule rule = FillRule::nonZero) const;

    Path transformed(const AffineTransform& t) const;

    friend bool operator==(const Path&, const Path&) = default;

private:
    std::vector<Element> elements_;
    std::optional<Point> current_;
    std::optional<Point> subpathStart_;
};

} // namespace tk
