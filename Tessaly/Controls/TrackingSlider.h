#pragma once

// TrackingSlider: an image view that works as a value control without a track. A drag on it (its
// pan recogniser) or the wheel over it steps a double value by `incrementBy` within
// [minimumValue, maximumValue]; while the pointer is over it, it shows its own cursor
// ("cursor-trackingslider" of the library, hot spot (3, 4)). The validating properties field uses
// one as the drag handle beside its text.
//
// A step: any non-zero speed moves the value by exactly one increment, up for a positive speed and
// down for a negative one (clamped to the range), marks valueWasEdited and, when continuous, sends
// the action. A drag steps once per drag event whose speed along the axis (up when vertical, right
// when horizontal: dragging up or right raises the value) is above minimumPanVelocity; the wheel steps once
// per event with its delta along the axis (a vertical slider follows the device's inverted direction, a
// horizontal one never does), after the views behind it have seen the event, so an enclosing scroll view
// still scrolls.
//
// A drag, by the recogniser's states:
//   began      valueWasEdited false, the translation reset to the bounds' centre, one click sent on
//              `clicked`, then onSlideStarted(value)
//   changed    a step, when fast enough
//   ended      the action (continuous or not), then onSlideComplete(value)
//   cancelled  after a began: as ended, so every onSlideStarted has its onSlideComplete; a cancel
//              or failure with no slide running does what began does short of onSlideStarted
// Disabling the slider mid-slide completes the slide (onSlideComplete, no action); a disabled
// slider ignores drags and the wheel (the wheel still reaches the views behind it).
//
// A plain press and release is not a slide: it sends no action (the click goes out on `clicked`).
// Setting a value (setDoubleValue and the other setters) clamps it into the range and neither sends
// the action nor redraws; a NaN leaves the value as it is. The integer getters truncate toward zero
// and saturate at their type's limits.
//
// The cursor pushed on entering is popped on leaving - also when the slider is removed from its
// window or hidden while the pointer is over it - and only that push is taken off the stack.
//
// All members are [main].

#include "Tessaly/Controls/SmallViews.h"

#include "platform/tk/base/Publisher.h"
#include "platform/tk/view/CursorPush.h"
#include "platform/tk/view/GestureRecognizer.h"
#include "platform/tk/view/TrackingArea.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace Tessaly {

class TrackingSlider : public ClickableImageView {
public:
    enum class MovementDirection : int { horizontal = 0, vertical = 1 };
    // The direction of a raw value; none for any other number.
    static std::optional<MovementDirection> movementDirection(int rawValue);

    using SlideCallback = std::function<void(double value)>;
    static constexpr tk::Point kCursorHotSpot{3, 4};

    using ClickableImageView::ClickableImageView;

    // An image view of `image`'s size showing it.
    static std::shared_ptr<TrackingSlider> imageViewWithImage(tk::Image image);

    MovementDirection movementDirection() const { return direction_; }
    void setMovementDirection(MovementDirection direction) { direction_ = direction; }
    bool isHorizontal() const { return direction_ == MovementDirection::horizontal; }
    void setHorizontal(bool horizontal) {
        direction_ = horizontal ? MovementDirection::horizontal : MovementDirection::vertical;
    }
    double incrementBy() const { return incrementBy_; }
    void setIncrementBy(double increment) { incrementBy_ = increment; }
    // Set the range in order: the minimum must not exceed the maximum when a value is set.
    double minimumValue() const { return minimumValue_; }
    void setMinimumValue(double value) { minimumValue_ = value; }
    double maximumValue() const { return maximumValue_; }
    void setMaximumValue(double value) { maximumValue_ = value; }
    // Points per second along the axis a drag must exceed to step.
    double minimumPanVelocity() const { return minimumPanVelocity_; }
    void setMinimumPanVelocity(double velocity) { minimumPanVelocity_ = velocity; }
    bool valueWasEdited() const { return valueWasEdited_; }
    void setValueWasEdited(bool edited) { valueWasEdited_ = edited; }

    const SlideCallback& onSlideStarted() const { return onSlideStarted_; }
    void setOnSlideStarted(SlideCallback callback) { onSlideStarted_ = std::move(callback); }
    const SlideCallback& onSlideComplete() const { return onSlideComplete_; }
    void setOnSlideComplete(SlideCallback callback) { onSlideComplete_ = std::move(callback); }

    double doubleValue() const { return currentValue_; }
    float floatValue() const { return static_cast<float>(currentValue_); }
    std::int32_t intValue() const;
    std::int64_t integerValue() const;
    void setDoubleValue(double value);
    void setFloatValue(float value) { setDoubleValue(value); }
    void setIntValue(std::int32_t value) { setDoubleValue(value); }
    void setIntegerValue(std::int64_t value) { setDoubleValue(static_cast<double>(value)); }

    // One step in the direction of `velocity` (nothing for 0); see the class comment.
    void applyIncrement(double velocity, bool continuous);
    // The doubleValue at each action.
    tk::Publisher<double> valuePublisher();

    // Made on first use: the recogniser whose action is handlePanGesture.
    tk::PanGestureRecognizer& panGestureRecognizer();
    void handlePanGesture(tk::PanGestureRecognizer& recognizer);
    const std::shared_ptr<const tk::ImageCursor>& cursor() const { return cursor_; }
    const tk::TrackingArea* trackingArea() const { return trackingArea_; }
    bool isSliding() const { return sliding_; }

    bool acceptsFirstResponder() const override { return false; }
    void setEnabled(bool enabled) override;
    bool scrollWheel(const tk::Event& event) override;
    void updateTrackingAreas() override;
    bool mouseEntered(const tk::Event& event) override;
    bool mouseExited(const tk::Event& event) override;
    void viewWillMoveToWindow(tk::Window* newWindow) override;

protected:
    void setup() override;
    // The recogniser drives the value: the control's own press tracking stays off.
    bool startTracking(tk::Point, const tk::Event&) override { return false; }

private:
    void sendActionIfAny();
    void completeSlide(bool sendTheAction);

    MovementDirection direction_ = MovementDirection::vertical;
    double incrementBy_ = 0.01;
    double minimumValue_ = 0;
    double maximumValue_ = 1;
    bool valueWasEdited_ = false;
    bool sliding_ = false; // between began and its end
    SlideCallback onSlideStarted_;
    SlideCallback onSlideComplete_;
    tk::TrackingArea* trackingArea_ = nullptr;
    std::shared_ptr<const tk::ImageCursor> cursor_;
    std::shared_ptr<tk::PanGestureRecognizer> pan_;
    double currentValue_ = 0;
    double minimumPanVelocity_ = 5.0;
    tk::CursorPush pushed_;
};

} // namespace Tessaly
