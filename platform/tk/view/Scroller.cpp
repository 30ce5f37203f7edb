#include "platform/tk/view/Scroller.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/ScrollView.h"

#include <algorithm>

namespace tk {

void Scroller::setOrientation(Orientation orientation) {
    orientation_ = orientation;
    setNeedsDisplay();
}

ClipView* Scroller::clipView() const {
    auto* scroll = dynamic_cast<ScrollView*>(superview());
    return scroll ? &scroll->contentView() : nullptr;
}

double Scroller::scrollRange() const {
    const ClipView* clip = clipView();
    const View* document = clip ? clip->documentView() : nullptr;
    return document ? std::max(0.0, lengthOf(document->frame().size) - lengthOf(clip->bounds())) : 0;
}

std::optional<Rect> Scroller::knobRect() const {
    const double range = scrollRange();
    const Rect track = bounds();
    const double trackLength = lengthOf(track);
    if (range <= 0 || trackLength <= 0)
        return std::nullopt;
    const double visible = lengthOf(clipView()->bounds());
    const double length =
        std::min(trackLength, std::max(kMinimumKnobLength, trackLength * visible / (visible + range)));
    const double offset = std::clamp(startOf(clipView()->bounds()) / range, 0.0, 1.0);
    const double start = startOf(track) + offset * (trackLength - length);
    return isVertical() ? Rect{track.minX(), start, track.width(), length}
                        : Rect{start, track.minY(), length, track.height()};
}

void Scroller::scrollTo(double offset) {
    if (ClipView* clip = clipView())
        clip->scrollToPoint(isVertical() ? Point{clip->bounds().minX(), offset}
                                         : Point{offset, clip->bounds().minY()});
}

void Scroller::draw(GraphicsContext& context, const Rect&) {
    const Rect track = bounds();
    context.fillRect(track, Color::gray(0.5, 0.08));
    if (const auto knob = knobRect())
        context.fillPath(Path::roundedRect(isVertical() ? knob->insetBy(4, 2) : knob->insetBy(2, 4), 3.5),
                         grabOffset_ ? Color::gray(0.75, 0.8) : Color::gray(0.6, 0.6));
}

bool Scroller::mouseDown(const Event& event) {
    const auto knob = knobRect();
    ClipView* clip = clipView();
    if (!knob || !clip)
        return true;
    const double p = along(locationOf(event));
    const double knobStart = startOf(*knob);
    if (p >= knobStart && p < knobStart + lengthOf(*knob)) {
        grabOffset_ = p - knobStart;
        setNeedsDisplay();
        return true;
    }
    const double page = std::max(1.0, lengthOf(clip->bounds()) - kPageOverlap);
    scrollTo(startOf(clip->bounds()) + (p < knobStart ? -page : page));
    return true;
}

bool Scroller::mouseDragged(const Event& event) {
    const auto knob = knobRect();
    if (!grabOffset_ || !knob)
        return true;
    const double travel = lengthOf(bounds()) - lengthOf(*knob);
    if (travel <= 0)
        return true;
    // Clamped after the grab offset is taken off, so either end can be reached.
    const double start = std::clamp(along(locationOf(event)) - *grabOffset_ - startOf(bounds()), 0.0, travel);
    scrollTo(start / travel * scrollRange());
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
