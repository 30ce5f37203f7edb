#include "platform/tk/controls/SliderCell.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/View.h"

#include <algorithm>
#include <cmath>

namespace tk {

SliderCell::SliderCell() = default;

void SliderCell::setMinValue(double value) {
    if (std::isnan(value))
        return;
    minValue_ = value;
    maxValue_ = std::max(maxValue_, minValue_);
    value_ = std::clamp(value_, minValue_, maxValue_);
    updateControlView();
}

void SliderCell::setMaxValue(double value) {
    if (std::isnan(value))
        return;
    maxValue_ = value;
    minValue_ = std::min(minValue_, maxValue_);
    value_ = std::clamp(value_, minValue_, maxValue_);
    updateControlView();
}

void SliderCell::setDoubleValue(double value) {
    if (std::isnan(value))
        return;
    value = std::clamp(value, minValue_, maxValue_);
    if (value == value_)
        return;
    value_ = value;
    updateControlView();
}

double SliderCell::fraction() const {
    const double range = maxValue_ - minValue_;
    return range > 0 ? (value_ - minValue_) / range : 0;
}

void SliderCell::setNumberOfTickMarks(int count) {
    tickMarks_ = std::max(0, count);
    updateControlView();
}

double SliderCell::keyIncrement() const {
    return keyIncrement_.value_or((maxValue_ - minValue_) / 20);
}

double SliderCell::knobThickness() const {
    return kDefaultKnobThickness;
}

Rect SliderCell::controlBounds() const {
    return controlView() ? controlView()->bounds() : Rect{};
}

Rect SliderCell::barRect(bool) const {
    const Rect d = drawingRect(controlBounds());
    return Rect{d.minX() + kBarInset, std::round(d.midY() - kBarThickness / 2),
                std::max(0.0, d.width() - 2 * kBarInset), kBarThickness};
}

Rect SliderCell::knobRect(bool flipped) const {
    const Rect bar = barRect(flipped);
    const double t = knobThickness();
    const double centre = bar.minX() + t / 2 + fraction() * std::max(0.0, bar.width() - t);
    return Rect{std::round(centre - t / 2), std::round(bar.midY() - t / 2), t, t};
}

double SliderCell::valueAt(Point point) const {
    const Rect bar = barRect(true);
    const double t = knobThickness();
    const double travel = bar.width() - t;
    if (travel <= 0)
        return minValue_;
    const double f = std::clamp((point.x - bar.minX() - t / 2) / travel, 0.0, 1.0);
    return minValue_ + f * (maxValue_ - minValue_);
}

void SliderCell::drawBar(const Rect& rect, bool, GraphicsContext& context) {
    const double opacity = isEnabled() ? 1 : 0.5;
    context.fillPath(Path::roundedRect(rect, rect.height() / 2), separatorColor().withAlpha(opacity));
    Rect filled = rect;
    filled.size.width = std::max(0.0, knobRect(true).midX() - rect.minX());
    context.fillPath(Path::roundedRect(filled, rect.height() / 2), controlAccentColor().withAlpha(opacity));
}

void SliderCell::drawKnob(const Rect& knob, GraphicsContext& context) {
    const double opacity = isEnabled() ? 1 : 0.5;
    context.fillEllipse(knob, (isHighlighted() ? Color::gray(0.8) : Color::gray(0.95)).withAlpha(opacity));
    context.strokePath(Path::ellipse(knob.insetBy(0.5, 0.5)), Color::gray(0.4).withAlpha(opacity));
}

void SliderCell::drawTickMarks(GraphicsContext& context) {
    if (tickMarks_ <= 0)
        return;
    const Rect bar = barRect(true);
    const double t = knobThickness();
    const double travel = std::max(0.0, bar.width() - t);
    const double y =
        tickMarkPosition_ == TickMarkPosition::below ? bar.maxY() + 2 : bar.minY() - 2 - kTickLength;
    for (int i = 0; i < tickMarks_; ++i) {
        const double f = tickMarks_ == 1 ? 0.5 : double(i) / (tickMarks_ - 1);
        const double x = std::round(bar.minX() + t / 2 + f * travel) + 0.5;
        context.strokeLine({x, y}, {x, y + kTickLength}, secondaryLabelColor());
    }
}

void SliderCell::drawInterior(const Rect&, View&, GraphicsContext& context) {
    drawBar(barRect(true), true, context);
    drawTickMarks(context);
    drawKnob(knobRect(true), context);
}

bool SliderCell::startTracking(Point startPoint, View&) {
    const Rect knob = knobRect(true);
    grabOffset_ = knob.contains(startPoint) ? startPoint.x - knob.midX() : 0;
    setDoubleValue(valueAt({startPoint.x - grabOffset_, startPoint.y}));
    return true;
}

bool SliderCell::continueTracking(Point, Point currentPoint, View&) {
    setDoubleValue(valueAt({currentPoint.x - grabOffset_, currentPoint.y}));
    return true;
}

Size SliderCell::cellSize() const {
    const double t = knobThickness();
    const double ticks = tickMarks_ > 0 ? 2 * (kTickLength + 2) : 0;
    return {4 * t, t + ticks};
}

} // namespace tk
