#include "platform/tk/view/Control.h"

#include "platform/tk/view/Window.h"

namespace tk {

bool Control::sendAction() {
    return sendAction(action_, target());
}

bool Control::sendAction(std::string_view action, Responder* target) {
    if (action.empty())
        return false;
    const ActionSender sender{this, nullptr};
    auto keep = weak_from_this().lock();
    if (target)
        return target->tryToPerform(action, sender);
    if (Window* w = window())
        if (w->sendAction(action, nullptr, sender))
            return true;
    return tryToPerform(action, sender);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!enabled_ && tracking_ && window())
        window()->cancelTracking();
    setNeedsDisplay();
}

void Control::setHighlighted(bool highlighted) {
    if (highlighted == highlighted_)
        return;
    highlighted_ = highlighted;
    setNeedsDisplay();
}

bool Control::startTracking(Point, const Event&) {
    return true;
}

bool Control::continueTracking(Point, Point, const Event&) {
    return true;
}

void Control::stopTracking(Point, Point, bool) {}

void Control::trackingCancelled() {}

bool Control::mouseDown(const Event& event) {
    if (!isEnabled())
        return false;
    const Point p = locationOf(event);
    tracking_ = true;
    trackingStopped_ = false;
    lastLocation_ = p;
    setHighlighted(true);
    if (!startTracking(p, event)) {
        tracking_ = false;
        setHighlighted(false);
        return true;
    }
    if (sendOn_ == SendActionOn::mouseDown)
        sendAction();
    return true;
}

bool Control::mouseDragged(const Event& event) {
    if (!tracking_ || trackingStopped_)
        return true;
    const Point p = locationOf(event);
    setHighlighted(isInside(p));
    if (!continueTracking(lastLocation_, p, event)) {
        trackingStopped_ = true;
        setHighlighted(false);
    } else if (continuous_) {
        sendAction();
    }
    lastLocation_ = p;
    return true;
}

bool Control::mouseUp(const Event& event) {
    if (!tracking_)
        return true;
    const Point p = locationOf(event);
    const bool clicked = !trackingStopped_ && isInside(p);
    tracking_ = false;
    setHighlighted(false);
    stopTracking(lastLocation_, p, true);
    if (clicked)
        trackingDidEndInside();
    if (clicked && sendOn_ == SendActionOn::mouseUp)
        sendAction();
    return true;
}

void Control::mouseCancelled(const Event&) {
    if (!tracking_)
        return;
    tracking_ = false;
    setHighlighted(false);
    trackingCancelled();
    stopTracking(lastLocation_, lastLocation_, false);
}

} // namespace tk
