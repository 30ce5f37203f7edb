#pragma once

// Slider: the cell control of a SliderCell (its cell class). Continuous: while the pointer slides
// the knob, the action is sent at the press, at every drag and at the release; a cancelled slide
// sends nothing more. The arrow keys move the value by the cell's key increment (left and down
// lower it, right and up raise it) and send the action. The scroll wheel is not a slider's by
// default (it passes up the responder chain); a subclass takes it by overriding scrollWheel.
//
// currentEvent() is the event the slider is handling while it sends its action, so an action
// can tell a press from a drag, a release, a key or a wheel.
//
// All members are [main].

#include "platform/tk/controls/CellControl.h"
#include "platform/tk/controls/SliderCell.h"

namespace tk {

enum class UserInterfaceLayoutDirection : int { leftToRight = 0, rightToLeft = 1 };

class Slider : public CellControl {
public:
    Slider();
    explicit Slider(Rect frame);

    // The cell as a slider cell (none when a cell of another class was set).
    SliderCell* sliderCell() const;

    double minValue() const;
    void setMinValue(double value);
    double maxValue() const;
    void setMaxValue(double value);
    double doubleValue() const;
    void setDoubleValue(double value);
    int numberOfTickMarks() const;
    void setNumberOfTickMarks(int count);
    bool isVertical() const;
    SliderType sliderType() const;
    UserInterfaceLayoutDirection userInterfaceLayoutDirection() const { return layoutDirection_; }
    void setUserInterfaceLayoutDirection(UserInterfaceLayoutDirection direction) {
        layoutDirection_ = direction;
    }

    // The event being handled (null between events).
    const Event* currentEvent() const { return currentEvent_; }

    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    bool keyDown(const Event& event) override;
    bool startTracking(Point location, const Event& event) override;
    // Every release ends the slide, wherever the pointer is.
    bool isInside(Point) const override { return true; }
    // A slide does not step the cell's on/off state.
    void trackingDidEndInside() override {}

protected:
    std::unique_ptr<Cell> makeCell() const override;
    // Runs `handle` with `event` as the current event.
    template <class F> bool handling(const Event& event, F handle) {
        const Event* outer = currentEvent_;
        currentEvent_ = &event;
        const bool handled = handle();
        currentEvent_ = outer;
        return handled;
    }

private:
    const Event* currentEvent_ = nullptr;
    UserInterfaceLayoutDirection layoutDirection_ = UserInterfaceLayoutDirection::leftToRight;
};

} // namespace tk
