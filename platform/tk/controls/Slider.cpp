#include "platform/tk/controls/Slider.h"

namespace tk {

Slider::Slider() {
    setContinuous(true);
}

Slider::Slider(Rect frame) : CellControl(frame) {
    setContinuous(true);
}

std::unique_ptr<Cell> Slider::makeCell() const {
    return std::make_unique<SliderCell>();
}

SliderCell* Slider::sliderCell() const {
    return dynamic_cast<SliderCell*>(cell());
}

double Slider::minValue() const {
    const SliderCell* c = sliderCell();
    return c ? c->minValue() : 0;
}

void Slider::setMinValue(double value) {
    if (SliderCell* c = sliderCell())
        c->setMinValue(value);
}

double Slider::maxValue() const {
    const SliderCell* c = sliderCell();
    return c ? c->maxValue() : 0;
}

void Slider::setMaxValue(double value) {
    if (SliderCell* c = sliderCell())
        c->setMaxValue(value);
}

double Slider::doubleValue() const {
    const SliderCell* c = sliderCell();
    return c ? c->doubleValue() : 0;
}

void Slider::setDoubleValue(double value) {
    if (SliderCell* c = sliderCell())
        c->setDoubleValue(value);
}

int Slider::numberOfTickMarks() const {
    const SliderCell* c = sliderCell();
    return c ? c->numberOfTickMarks() : 0;
}

void Slider::setNumberOfTickMarks(int count) {
    if (SliderCell* c = sliderCell())
        c->setNumberOfTickMarks(count);
}

bool Slider::isVertical() const {
    const SliderCell* c = sliderCell();
    return c && c->isVertical();
}

SliderType Slider::sliderType() const {
    const SliderCell* c = sliderCell();
    return c ? c->sliderType() : SliderType::linear;
}

bool Slider::mouseDown(const Event& event) {
    return handling(event, [&] { return CellControl::mouseDown(event); });
}

bool Slider::mouseDragged(const Event& event) {
    return handling(event, [&] { return CellControl::mouseDragged(event); });
}

bool Slider::mouseUp(const Event& event) {
    return handling(event, [&] { return CellControl::mouseUp(event); });
}

bool Slider::startTracking(Point location, const Event& event) {
    if (!CellControl::startTracking(location, event))
        return false;
    if (isContinuous())
        sendAction();
    return true;
}

bool Slider::keyDown(const Event& event) {
    SliderCell* c = sliderCell();
    const bool plain = (event.modifierFlags & kShortcutModifierMask) == ModifierFlags::none;
    int direction = 0;
    if (event.keyCode == KeyCode::rightArrow || event.keyCode == KeyCode::upArrow)
        direction = 1;
    else if (event.keyCode == KeyCode::leftArrow || event.keyCode == KeyCode::downArrow)
        direction = -1;
    if (!c || !plain || direction == 0 || !isEnabled())
        return Control::keyDown(event);
    return handling(event, [&] {
        c->setDoubleValue(c->doubleValue() + direction * c->keyIncrement());
        sendAction();
        return true;
    });
}

} // namespace tk
