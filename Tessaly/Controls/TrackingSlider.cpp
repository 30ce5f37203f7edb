#include "Tessaly/Controls/TrackingSlider.h"

#include "Tessaly/Publishers/ControlPublisher.h"
#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

#include <cmath>
#include <limits>

namespace Tessaly {

namespace {
template <class Int> Int truncated(double value) {
    if (std::isnan(value))
        return 0;
    // Saturate rather than convert out of range.
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max());
    if (value <= lo)
        return std::numeric_limits<Int>::min();
    if (value >= hi)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(std::trunc(value));
}

void call(const TrackingSlider::SlideCallback& callback, double value) {
    if (callback)
        callback(value);
}
} // namespace

std::optional<TrackingSlider::MovementDirection> TrackingSlider::movementDirection(int rawValue) {
    switch (rawValue) {
    case 0:
        return MovementDirection::horizontal;
    case 1:
        return MovementDirection::vertical;
    default:
        return std::nullopt;
    }
}

std::shared_ptr<TrackingSlider> TrackingSlider::imageViewWithImage(tk::Image image) {
    const tk::Size size = image.size();
    auto slider = tk::View::make<TrackingSlider>(tk::Rect{0, 0, size.width, size.height});
    slider->setImage(std::move(image));
    return slider;
}

void TrackingSlider::setup() {
    ClickableImageView::setup();
    cursor_ = std::make_shared<const tk::ImageCursor>(
        tk::ImageCursor{Tessaly::image(ImageResources::cursorTrackingslider), kCursorHotSpot});
    panGestureRecognizer();
    updateTrackingAreas();
}

tk::PanGestureRecognizer& TrackingSlider::panGestureRecognizer() {
    if (!pan_) {
        pan_ = std::make_shared<tk::PanGestureRecognizer>();
        auto weak = weakView();
        pan_->setAction([weak](tk::GestureRecognizer& recognizer) {
            if (auto view = weak.lock())
                static_cast<TrackingSlider&>(*view).handlePanGesture(
                    static_cast<tk::PanGestureRecognizer&>(recognizer));
        });
        addGestureRecognizer(pan_);
    }
    return *pan_;
}

std::int32_t TrackingSlider::intValue() const {
    return truncated<std::int32_t>(currentValue_);
}

std::int64_t TrackingSlider::integerValue() const {
    return truncated<std::int64_t>(currentValue_);
}

void TrackingSlider::setDoubleValue(double value) {
    if (std::isnan(value))
        return;
    if (value < minimumValue_)
        value = minimumValue_;
    else if (value > maximumValue_)
        value = maximumValue_;
    currentValue_ = value;
}

void TrackingSlider::applyIncrement(double velocity, bool continuous) {
    TK_CHECK_MAIN_THREAD();
    if (velocity == 0 || std::isnan(velocity))
        return;
    valueWasEdited_ = true;
    setDoubleValue(velocity > 0 ? doubleValue() + incrementBy_ : doubleValue() - incrementBy_);
    if (continuous)
        sendActionIfAny();
}

void TrackingSlider::sendActionIfAny() {
    if (!action().empty())
        sendAction(action(), target());
}

tk::Publisher<double> TrackingSlider::valuePublisher() {
    return publisher(*this, &TrackingSlider::doubleValue);
}

void TrackingSlider::handlePanGesture(tk::PanGestureRecognizer& recognizer) {
    TK_CHECK_MAIN_THREAD();
    if (!isEnabled())
        return;
    switch (recognizer.state()) {
    case tk::GestureState::cancelled:
    case tk::GestureState::failed:
        if (sliding_) {
            completeSlide(true); // a slide cut short still ends
            return;
        }
        [[fallthrough]];
    case tk::GestureState::began: {
        valueWasEdited_ = false;
        const tk::Rect b = bounds();
        recognizer.setTranslation({b.midX(), b.midY()}, this);
        handleClickGesture();
        if (recognizer.state() == tk::GestureState::began) {
            sliding_ = true;
            call(onSlideStarted_, doubleValue());
        }
        break;
    }
    case tk::GestureState::changed: {
        const tk::Point v = recognizer.velocityInView(this);
        // Views here run top-down: upwards is the negative y, and up is more.
        const double along = isHorizontal() ? v.x : -v.y;
        if (std::abs(along) > minimumPanVelocity_)
            applyIncrement(along, isContinuous());
        break;
    }
    case tk::GestureState::ended:
        if (sliding_) // not when the slide never started or was completed on disabling
            completeSlide(true);
        break;
    case tk::GestureState::possible:
        break;
    }
}

void TrackingSlider::completeSlide(bool sendTheAction) {
    sliding_ = false;
    if (sendTheAction)
        sendActionIfAny();
    call(onSlideComplete_, doubleValue());
}

void TrackingSlider::setEnabled(bool enabled) {
    ClickableImageView::setEnabled(enabled);
    if (!enabled && sliding_)
        completeSlide(false);
}

bool TrackingSlider::scrollWheel(const tk::Event& event) {
    TK_CHECK_MAIN_THREAD();
    // The views behind it first, as if it were not there.
    for (tk::Responder* r = nextResponder(); r; r = r->nextResponder())
        if (r->scrollWheel(event))
            break;
    if (!isEnabled())
        return true;
    double delta = 0;
    if (isHorizontal()) {
        delta = event.scrollingDelta.x;
    } else {
        delta = event.scrollingDelta.y;
        if (event.isDirectionInvertedFromDevice)
            delta = -delta;
    }
    applyIncrement(delta, true);
    return true;
}

void TrackingSlider::updateTrackingAreas() {
    ClickableImageView::updateTrackingAreas();
    if (trackingArea_)
        removeTrackingArea(trackingArea_);
    trackingArea_ = addTrackingArea(tk::TrackingArea(bounds(), tk::TrackingOptions::mouseEnteredAndExited));
    // Resized away from under the pointer: no exit will come for an area never entered.
    if (pushed_.isPushed() && window() && !bounds().contains(convertFromWindow(window()->mouseLocation())))
        pushed_.pop();
}

bool TrackingSlider::mouseEntered(const tk::Event& event) {
    ClickableImageView::mouseEntered(event);
    if (tk::Window* w = window())
        pushed_.push(*w, cursor_);
    return true;
}

bool TrackingSlider::mouseExited(const tk::Event& event) {
    ClickableImageView::mouseExited(event);
    pushed_.pop();
    return true;
}

void TrackingSlider::viewWillMoveToWindow(tk::Window* newWindow) {
    ClickableImageView::viewWillMoveToWindow(newWindow);
    pushed_.pop();
}

} // namespace Tessaly
