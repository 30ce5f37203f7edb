#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/View.h"

#include <optional>

namespace tk {

void View::drawHierarchy(GraphicsContext& context, const Rect& dirtyInSuperview) {
    needsDisplay_ = false;
    if (hidden_ || alpha_ <= 0)
        return;
    GraphicsStateGuard guard(context);
    context.translate(frame_.origin.x, frame_.origin.y);
    context.scale(boundsScaleX_, boundsScaleY_);
    context.translate(-boundsOrigin_.x, -boundsOrigin_.y);
    Rect dirty = convertFromSuperviewRect(dirtyInSuperview);
    if (clipsToBounds_) {
        context.clipToRect(bounds());
        dirty = dirty.intersection(bounds());
        if (dirty.isEmpty())
            return;
    }
    // A faded view is drawn whole into a group and composited once, so that its overlapping
    // children do not show through each other.
    std::optional<TransparencyLayerGuard> layer;
    if (alpha_ < 1)
        layer.emplace(context, alpha_);
    // A view whose drawing cannot reach the area to draw is left out (its subviews decide for
    // themselves).
    if (dirty.intersects(drawingBounds().insetBy(-kDrawingSlop, -kDrawingSlop)))
        draw(context, dirty);
    auto children = subviews_; // drawing code may not edit the tree, but stay safe if it does
    for (auto& child : children)
        child->drawHierarchy(context, dirty);
}

Rect View::convertFromSuperviewRect(const Rect& r) const {
    const Rect s = r.standardized();
    const Point a = convertFromSuperview(s.origin);
    const Point b = convertFromSuperview(Point{s.maxX(), s.maxY()});
    return {a, Size{b.x - a.x, b.y - a.y}};
}

} // namespace tk
