#pragma once

// Sliders drawn from the pictures of the shared slider style.
//
// StyledSlider reports a slide through three callbacks, each given the slider's value:
//   - a press calls onSlideStarted, every drag onSlideOngoing, the release onSlideComplete;
//   - a slide the window cancels ends with onSlideComplete, as a release does;
//   - a change by the arrow keys (or, on StyledScrollableSlider, by the wheel) is a whole slide in
//     one step: onSlideStarted, onSlideOngoing and onSlideComplete once each, with the new value.
// Unset callbacks are skipped. The slider is its own target (action "sliderValueChanged:").
//
// StyledSliderCell draws the bar ("tui-slider-alley", and "tui-slider" from the left end to the
// knob's centre) and the knob ("tui-slider-handle", "-down" while dragged) at full opacity when
// enabled and half when not, with no tick marks and no focus ring. Its state is default, plus
// disabled when disabled, plus highlighted while tracked (and enabled). Pictures are drawn upright
// in their destination rect: views here run top-down, so no flip is needed.
//
// All members are [main].

#include "Tessaly/Styles/SliderCellStyle.h"
#include "Tessaly/Styles/StyledControlState.h"

#include "platform/tk/controls/Slider.h"

#include <functional>
#include <memory>
#include <optional>

namespace Tessaly {

class StyledSliderCell : public tk::SliderCell {
public:
    using ViewStyle = SliderCellStyle;
    // One style for every styled slider cell: the control-style defaults, clear background.
    static std::shared_ptr<SliderCellStyle> style();
    StyledControlState controlState() const;

    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}
    tk::Rect focusRingMaskBounds(const tk::Rect& frame, const tk::View& controlView) const override;
    tk::SliderType sliderType() const override { return tk::SliderType::linear; }
    bool isVertical() const override { return false; }
    // The knob picture's width for the current state (the default without one).
    double knobThickness() const override;
    tk::Rect barRect(bool flipped) const override;
    tk::Rect knobRect(bool flipped) const override;
    void drawBar(const tk::Rect& rect, bool flipped, tk::GraphicsContext& context) override;
    void drawKnob(const tk::Rect& knobRect, tk::GraphicsContext& context) override;
    void drawTickMarks(tk::GraphicsContext&) override {}
    BackgroundStyle interiorBackgroundStyle() const;
};

class StyledSlider : public tk::Slider {
public:
    using SlideCallback = std::function<void(double value)>;

    using tk::Slider::Slider;

    StyledSliderCell* styledCell() const { return dynamic_cast<StyledSliderCell*>(cell()); }

    const SlideCallback& onSlideStarted() const { return onSlideStarted_; }
    void setOnSlideStarted(SlideCallback callback) { onSlideStarted_ = std::move(callback); }
    const SlideCallback& onSlideOngoing() const { return onSlideOngoing_; }
    void setOnSlideOngoing(SlideCallback callback) { onSlideOngoing_ = std::move(callback); }
    const SlideCallback& onSlideComplete() const { return onSlideComplete_; }
    void setOnSlideComplete(SlideCallback callback) { onSlideComplete_ = std::move(callback); }
    std::optional<double> fixedWidth() const { return fixedWidth_; }
    void setFixedWidth(std::optional<double> width);

    // The action: picks the callback by the event being handled (see the file comment).
    void sliderValueChanged();

    // With a fixed width: that width, at least the bar picture's, and the taller of the bar and
    // knob pictures as height. Without: the cell's size.
    tk::Size intrinsicContentSize() const override;
    void trackingCancelled() override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;
    static void call(const SlideCallback& callback, double value) {
        if (callback)
            callback(value);
    }

private:
    SlideCallback onSlideStarted_;
    SlideCallback onSlideOngoing_;
    SlideCallback onSlideComplete_;
    std::optional<double> fixedWidth_;
};

// A styled slider that the scroll wheel moves: a quarter of a hundredth of the range per point of
// wheel delta (vertical minus horizontal, horizontal added when the layout runs right to left,
// the other way when the device is inverted). The action is sent once per wheel event, even when
// the value is at an end. A disabled slider ignores the wheel.
class StyledScrollableSlider : public StyledSlider {
public:
    using StyledSlider::StyledSlider;
    bool scrollWheel(const tk::Event& event) override;
};

} // namespace Tessaly
