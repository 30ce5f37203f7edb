#include "platform/tk/controls/SegmentedControl.h"

namespace tk {

SegmentedCell* SegmentedControl::segmentedCell() const {
    return dynamic_cast<SegmentedCell*>(cell());
}

std::unique_ptr<Cell> SegmentedControl::makeCell() const {
    return std::make_unique<SegmentedCell>();
}

int SegmentedControl::segmentCount() const {
    auto* c = segmentedCell();
    return c ? c->segmentCount() : 0;
}

void SegmentedControl::setSegmentCount(int count) {
    if (auto* c = segmentedCell())
        c->setSegmentCount(count);
}

std::string SegmentedControl::label(int segment) const {
    auto* c = segmentedCell();
    return c ? c->label(segment) : std::string();
}

void SegmentedControl::setLabel(std::string label, int segment) {
    if (auto* c = segmentedCell())
        c->setLabel(std::move(label), segment);
}

Image SegmentedControl::image(int segment) const {
    auto* c = segmentedCell();
    return c ? c->image(segment) : Image();
}

void SegmentedControl::setImage(Image image, int segment) {
    if (auto* c = segmentedCell())
        c->setImage(std::move(image), segment);
}

double SegmentedControl::width(int segment) const {
    auto* c = segmentedCell();
    return c ? c->width(segment) : 0;
}

void SegmentedControl::setWidth(double width, int segment) {
    if (auto* c = segmentedCell())
        c->setWidth(width, segment);
}

bool SegmentedControl::isEnabled(int segment) const {
    auto* c = segmentedCell();
    return c && c->isEnabled(segment);
}

void SegmentedControl::setEnabled(bool enabled, int segment) {
    if (auto* c = segmentedCell())
        c->setEnabled(enabled, segment);
}

bool SegmentedControl::isSelected(int segment) const {
    auto* c = segmentedCell();
    return c && c->isSelected(segment);
}

void SegmentedControl::setSelected(bool selected, int segment) {
    if (auto* c = segmentedCell())
        c->setSelected(selected, segment);
}

int SegmentedControl::selectedSegment() const {
    auto* c = segmentedCell();
    return c ? c->selectedSegment() : -1;
}

void SegmentedControl::setSelectedSegment(int segment) {
    if (auto* c = segmentedCell())
        c->setSelectedSegment(segment);
}

SegmentSwitchTracking SegmentedControl::trackingMode() const {
    auto* c = segmentedCell();
    return c ? c->trackingMode() : SegmentSwitchTracking::selectOne;
}

void SegmentedControl::setTrackingMode(SegmentSwitchTracking mode) {
    if (auto* c = segmentedCell())
        c->setTrackingMode(mode);
}

bool SegmentedControl::keyDown(const Event& event) {
    auto* c = segmentedCell();
    const ModifierFlags shortcut = event.modifierFlags & kShortcutModifierMask;
    if (!c || !CellControl::isEnabled() || shortcut != ModifierFlags::none)
        return CellControl::keyDown(event);
    switch (event.keyCode) {
    case KeyCode::leftArrow:
        c->moveKeySegment(-1);
        return true;
    case KeyCode::rightArrow:
        c->moveKeySegment(+1);
        return true;
    case KeyCode::space: {
        const int key = c->keySegment();
        if (key < 0 || !c->isEnabled(key))
            return true;
        const Rect r = c->segmentRect(key, bounds());
        const Point mid{r.midX(), r.midY()};
        c->startTracking(mid, *this);
        c->stopTracking(mid, mid, *this, true);
        sendAction();
        return true;
    }
    default:
        return CellControl::keyDown(event);
    }
}

} // namespace tk
