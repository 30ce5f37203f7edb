#include "platform/tk/view/GestureRecognizer.h"

#include "platform/tk/view/View.h"

#include <cmath>

namespace tk {

void GestureRecognizer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled && (state_ == GestureState::began || state_ == GestureState::changed))
        handleCancel();
}

Point GestureRecognizer::locationInView(const View* view) const {
    return view ? view->convertFromWindow(location_) : location_;
}

void GestureRecognizer::handleMouseDown(const Event& event) {
    if (!enabled_)
        return;
    resetIfFinished();
    location_ = event.locationInWindow;
    pressed(event);
}

void GestureRecognizer::handleMouseDragged(const Event& event) {
    if (!enabled_)
        return;
    location_ = event.locationInWindow;
    dragged(event);
}

void GestureRecognizer::handleMouseUp(const Event& event) {
    if (!enabled_)
        return;
    location_ = event.locationInWindow;
    released(event);
    resetIfFinished();
}

void GestureRecognizer::handleCancel() {
    cancelled();
    resetIfFinished();
}

void GestureRecognizer::cancelled() {
    if (state_ == GestureState::began || state_ == GestureState::changed)
        setState(GestureState::cancelled);
    else
        state_ = GestureState::possible;
}

void GestureRecognizer::setState(GestureState state) {
    state_ = state;
    if (state == GestureState::possible || state == GestureState::failed)
        return;
    auto keep = weak_from_this().lock();
    if (action_) {
        auto action = action_; // the action may replace itself
        action(*this);
    }
}

void GestureRecognizer::resetIfFinished() {
    if (state_ == GestureState::ended || state_ == GestureState::cancelled || state_ == GestureState::failed)
        state_ = GestureState::possible;
}

// --- Click -----------------------------------------------------------------------------------

void ClickGestureRecognizer::pressed(const Event& event) {
    start_ = event.locationInWindow;
    tracking_ = event.clickCount >= clicks_ || event.clickCount == 0;
}

void ClickGestureRecognizer::dragged(const Event& event) {
    if (tracking_ && std::hypot(event.locationInWindow.x - start_.x, event.locationInWindow.y - start_.y) >
                         kAllowableMovement) {
        tracking_ = false;
        setState(GestureState::failed);
    }
}

void ClickGestureRecognizer::released(const Event& event) {
    const bool inside =
        view() && view()->bounds().contains(view()->convertFromWindow(event.locationInWindow));
    if (tracking_ && inside)
        setState(GestureState::ended);
    tracking_ = false;
}

// --- Pan -------------------------------------------------------------------------------------

namespace {
Point inView(Point windowDelta, const View* view) {
    if (!view)
        return windowDelta;
    const Point a = view->convertFromWindow(Point{});
    const Point b = view->convertFromWindow(windowDelta);
    return Point{b.x - a.x, b.y - a.y};
}
Point toWindow(Point viewDelta, const View* view) {
    if (!view)
        return viewDelta;
    const Point a = view->convertToWindow(Point{});
    const Point b = view->convertToWindow(viewDelta);
    return Point{b.x - a.x, b.y - a.y};
}
} // namespace

void PanGestureRecognizer::setTranslation(Point translation, const View* view) {
    const Point t = toWindow(translation, view);
    start_ = Point{last_.x - t.x, last_.y - t.y};
}

Point PanGestureRecognizer::translationInView(const View* view) const {
    return inView(Point{last_.x - start_.x, last_.y - start_.y}, view);
}

Point PanGestureRecognizer::velocityInView(const View* view) const {
    return inView(velocity_, view);
}

void PanGestureRecognizer::pressed(const Event& event) {
    start_ = last_ = event.locationInWindow;
    velocity_ = {};
    lastTime_ = event.timestamp;
    tracking_ = true;
}

void PanGestureRecognizer::dragged(const Event& event) {
    if (!tracking_)
        return;
    const Point p = event.locationInWindow;
    const double dt = event.timestamp - lastTime_;
    velocity_ = dt > 0 ? Point{(p.x - last_.x) / dt, (p.y - last_.y) / dt} : Point{};
    last_ = p;
    lastTime_ = event.timestamp;
    if (state() == GestureState::possible) {
        if (std::hypot(p.x - start_.x, p.y - start_.y) >= kMinimumDistance)
            setState(GestureState::began);
    } else {
        setState(GestureState::changed);
    }
}

void PanGestureRecognizer::released(const Event& event) {
    if (tracking_ && state() != GestureState::possible) {
        last_ = event.locationInWindow;
        setState(GestureState::ended);
    }
    tracking_ = false;
}

} // namespace tk
