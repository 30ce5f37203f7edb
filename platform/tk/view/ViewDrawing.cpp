#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Occlusion.h"
#include "platform/tk/view/View.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tk {

namespace {

// Calls `draw` on each of `views` as they are now, each kept alive while it draws: drawing code
// may not edit the tree, but stays safe if it does (even if the views' owner goes). A few views
// are kept without an allocation.
template <class Draw> void drawEach(const std::vector<std::shared_ptr<View>>& views, const Draw& draw) {
    constexpr std::size_t kFew = 8;
    if (views.size() > kFew) {
        const std::vector<std::shared_ptr<View>> all = views;
        for (const auto& view : all)
            draw(*view);
        return;
    }
    std::array<std::shared_ptr<View>, kFew> few;
    const std::size_t count = views.size();
    std::copy(views.begin(), views.end(), few.begin());
    for (std::size_t i = 0; i < count; ++i)
        draw(*few[i]);
}

} // namespace

void View::drawHierarchy(GraphicsContext& context, const Rect& dirtyInSuperview) {
    drawHierarchy(context, dirtyInSuperview, nullptr);
}

void View::drawHierarchy(GraphicsContext& context, const Rect& dirtyInSuperview, Occlusion* occlusion) {
    // However this returns, the covers in this subtree are behind what is drawn next.
    struct Finished {
        Occlusion* occlusion;
        const View& view;
        ~Finished() {
            if (occlusion)
                occlusion->finished(view);
        }
    } finished{occlusion, *this};
    needsDisplay_ = false;
    if (hidden_ || alpha_ <= 0 || (layer_ && layer_->opacity() <= 0))
        return;
    GraphicsStateGuard guard(context);
    // Most views only move their content (by their frame origin or their scroll offset): the
    // steps that would change nothing are left out.
    if (frame_.origin.x != 0 || frame_.origin.y != 0)
        context.translate(frame_.origin.x, frame_.origin.y);
    if (boundsScaleX_ != 1 || boundsScaleY_ != 1)
        context.scale(boundsScaleX_, boundsScaleY_);
    if (boundsOrigin_.x != 0 || boundsOrigin_.y != 0)
        context.translate(-boundsOrigin_.x, -boundsOrigin_.y);
    Rect dirty = convertFromSuperviewRect(dirtyInSuperview);
    if (clipsToBounds_) {
        context.clipToRect(bounds());
        dirty = dirty.intersection(bounds());
        if (dirty.isEmpty())
            return;
    }
    // A faded view (its alpha, or its layer's opacity) is drawn whole into a group and composited
    // once, so that its overlapping children do not show through each other.
    const double opacity = alpha_ * (layer_ ? layer_->opacity() : 1.0);
    std::optional<TransparencyLayerGuard> group;
    if (opacity < 1)
        group.emplace(context, opacity);
    if (occlusion)
        occlusion->reached(*this);
    // A view whose drawing cannot reach the area to draw is left out (its subviews decide for
    // themselves).
    const Rect reach = drawingBounds().insetBy(-kDrawingSlop, -kDrawingSlop);
    if (dirty.intersects(reach))
        drawOwnContent(context, dirty, occlusion);
    drawEach(subviews_, [&](View& child) { child.drawHierarchy(context, dirty, occlusion); });
}

void View::drawOwnContent(GraphicsContext& context, const Rect& dirty, const Occlusion* occlusion) {
    std::optional<GraphicsStateGuard> clipped;
    // Only covers still to come can hide any of it (those drawn already are behind it).
    if (occlusion && occlusion->hasCoversToCome()) {
        const Rect reach =
            convertTo(dirty.intersection(drawingBounds().insetBy(-kDrawingSlop, -kDrawingSlop)), nullptr);
        if (reach.isEmpty())
            return;
        if (occlusion->hidesAnyOf(reach)) {
            const Rect shown = occlusion->shownRect(reach);
            if (shown.isEmpty())
                return; // opaque views drawn later hide all of it
            if (!shown.contains(reach)) {
                clipped.emplace(context);
                context.clipToRect(convertFrom(shown, nullptr));
            }
        }
    }
    if (layer_ && layer_->backgroundColor())
        context.fillRect(bounds(), *layer_->backgroundColor());
    draw(context, dirty);
}

void View::setWantsLayer(bool wants) {
    if (wants == (layer_ != nullptr))
        return;
    layer_ = wants ? std::make_unique<Layer>(*this) : nullptr;
    setNeedsDisplay();
}

Rect View::convertFromSuperviewRect(const Rect& r) const {
    const Rect s = r.standardized();
    const Point a = convertFromSuperview(s.origin);
    const Point b = convertFromSuperview(Point{s.maxX(), s.maxY()});
    return {a, Size{b.x - a.x, b.y - a.y}};
}

} // namespace tk
