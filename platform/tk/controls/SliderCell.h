#pragma once

// SliderCell: the value, geometry and drawing of a slider. A value between minValue and maxValue
// (set values are bounded to the range), shown as a knob that slides along a bar.
//
// Geometry, for the hosting view's bounds (horizontal sliders):
//   - barRect(flipped): the drawing rect inset kBarInset on the left and right, kBarThickness high,
//     centred vertically.
//   - knobRect(flipped): knobThickness() square, its centre on the bar's centre line at
//     bar.minX + t/2 + fraction x (bar width - t), where t is knobThickness().
//   - valueAt(point): the inverse of the knob's centre, bounded to the range.
// Subclasses that draw other pictures override knobThickness, barRect and knobRect; the value
// under the pointer follows barRect and knobThickness.
//
// Drawing: draw() draws the bar (drawBar with the bar rect), the tick marks when there are any
// (drawTickMarks), then the knob (drawKnob with the knob rect).
//
// Tracking: a press on the knob keeps the distance between the pointer and the knob's centre; a
// press elsewhere moves the knob's centre to the pointer. Each drag moves the value.
//
// All members are [main].

#include "platform/tk/controls/ActionCell.h"

namespace tk {

enum class SliderType : int { linear = 0, circular = 1 };
enum class TickMarkPosition : int { below = 0, above = 1 };

class SliderCell : public ActionCell {
public:
    static constexpr double kBarInset = 2;
    static constexpr double kBarThickness = 4;
    static constexpr double kDefaultKnobThickness = 14;
    static constexpr double kTickLength = 4;

    SliderCell();

    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    double doubleValue() const { return value_; }
    // Bounded to minValue ... maxValue; a NaN is refused (the value stays).
    virtual void setDoubleValue(double value);
    // Where the value lies in the range, 0 ... 1 (0 for an empty range).
    double fraction() const;

    virtual SliderType sliderType() const { return sliderType_; }
    virtual void setSliderType(SliderType type) { sliderType_ = type; }
    virtual bool isVertical() const { return vertical_; }
    virtual void setVertical(bool vertical) { vertical_ = vertical; }
    int numberOfTickMarks() const { return tickMarks_; }
    void setNumberOfTickMarks(int count);
    TickMarkPosition tickMarkPosition() const { return tickMarkPosition_; }
    void setTickMarkPosition(TickMarkPosition position) { tickMarkPosition_ = position; }
    // The amount the arrow keys move the value (a twentieth of the range when unset).
    double keyIncrement() const;
    void setKeyIncrement(std::optional<double> increment) { keyIncrement_ = increment; }

    virtual double knobThickness() const;
    // `flipped`: the control view's coordinates run top-down (always so in this toolkit; kept for
    // the subclasses that were written against both).
    virtual Rect barRect(bool flipped) const;
    virtual Rect knobRect(bool flipped) const;
    // The value whose knob centre is at `point` (control view coordinates).
    double valueAt(Point point) const;

    virtual void drawBar(const Rect& rect, bool flipped, GraphicsContext& context);
    virtual void drawKnob(const Rect& knobRect, GraphicsContext& context);
    virtual void drawTickMarks(GraphicsContext& context);

    void drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) override;
    bool startTracking(Point startPoint, View& controlView) override;
    bool continueTracking(Point lastPoint, Point currentPoint, View& controlView) override;
    Size cellSize() const override;

protected:
    // The bounds of the control view (empty without one).
    Rect controlBounds() const;

private:
    double minValue_ = 0;
    double maxValue_ = 1;
    double value_ = 0;
    double grabOffset_ = 0; // pointer x - knob centre x, kept while tracking
    std::optional<double> keyIncrement_;
    SliderType sliderType_ = SliderType::linear;
    TickMarkPosition tickMarkPosition_ = TickMarkPosition::below;
    int tickMarks_ = 0;
    bool vertical_ = false;
};

} // namespace tk
