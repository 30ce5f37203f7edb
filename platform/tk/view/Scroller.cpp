#include "platform/tk/view/Scroller.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/ScrollView.h"

#include <algorithm>

namespace tk {

ClipView* Scroller::clipView() const {
    auto* scroll = dynamic_cast<ScrollView*>(superview());
    return scroll ? &scroll->contentView() : nullptr;
}

double Scroller::scrollRange() const {
    const ClipView* clip = clipView();
    const View* document = clip ? clip->documentView() : nullptr;
    return document ? std::max(0.0, document->frame().height() - clip->bounds().height()) : 0;
}

std::optional<Rect> Scroller::knobRect() const {
    const double range = scrollRange();
    const Rect track = bounds();
    if (range <= 0 || track.height() <= 0)
        return std::nullopt;
    const double visible = clipView()->bounds().height();
    const double length =
        std::min(track.height(), std::max(kMinimumKnobLength, track.height() * visible / (visible + range)));
    const double offset = std::clamp(clipView()->bounds().minY() / range, 0.0, 1.0);
    return Rect{track.minX(), track.minY() + offset * (track.height() - length), track.width(), length};
}

void Scroller::scrollTo(double y) {
    if (ClipView* clip = clipView())
        clip->scrollToPoint({clip->bounds().minX(), y});
}

void Scroller::draw(GraphicsContext& context, const Rect&) {
    const Rect track = bounds();
    context.fillRect(track, Color::gray(0.5, 0.08));
    if (const auto knob = knobRect())
        context.fillPath(Path::roundedRect(knob->insetBy(4, 2), 3.5),
                         grabOffset_ ? Color::gray(0.75, 0.8) : Color::gray(0.6, 0.6));
}

bool Scroller::mouseDown(const Event& event) {
    const auto knob = knobRect();
    ClipView* clip = clipView();
    if (!knob || !clip)
        return true;
    const Point p = locationOf(event);
    if (p.y >= knob->minY() && p.y < knob->maxY()) {
        grabOffset_ = p.y - knob->minY();
        setNeedsDisplay();
        return true;
    }
    const double page = std::max(1.0, clip->bounds().height() - kPageOverlap);
    scrollTo(clip->bounds().minY() + (p.y < knob->minY() ? -page : page));
    return true;
}

bool Scroller::mouseDragged(const Event& event) {
    const auto knob = knobRect();
    if (!grabOffset_ || !knob)
        return true;
    const double travel = bounds().height() - knob->height();
    if (travel <= 0)
        return true;
    // Clamped after the grab offset is taken off, so either end can be reached.
    const double top = std::clamp(locationOf(event).y - *grabOffset_ - bounds().minY(), 0.0, travel);
    scrollTo(top / travel * scrollRange());
    return true;
}

bool Scroller::mouseUp(const Event&) {
    grabOffset_.reset();
    setNeedsDisplay();
    return true;
}

void Scroller::mouseCancelled(const Event&) {
    grabOffset_.reset();
    setNeedsDisplay();
}

} // namespace tk
