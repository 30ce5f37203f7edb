#include "platform/tk/controls/CellControl.h"

namespace tk {

void CellControl::setup() {
    Control::setup();
    setCell(makeCell());
}

std::unique_ptr<Cell> CellControl::makeCell() const {
    return std::make_unique<Cell>();
}

void CellControl::setCell(std::unique_ptr<Cell> cell) {
    cell_.replace(std::move(cell), *this);
}

bool CellControl::isEnabled() const {
    return cell_->isEnabled();
}

void CellControl::setEnabled(bool enabled) {
    cell_->setEnabled(enabled);
    Control::setEnabled(enabled);
}

bool CellControl::isHighlighted() const {
    return cell_->isHighlighted();
}

void CellControl::setHighlighted(bool highlighted) {
    if (highlighted == cell_->isHighlighted())
        return; // the cell hears of changes only
    Control::setHighlighted(highlighted);
    cell_->highlight(highlighted, bounds(), *this);
}

void CellControl::performClick() {
    if (!isEnabled())
        return;
    auto keep = weak_from_this().lock();
    setHighlighted(true);
    cell_->setNextState();
    sendAction();
    setHighlighted(false);
}

void CellControl::sizeToFit() {
    setFrameSize(cell_->cellSize());
}

bool CellControl::showsFocusRing() const {
    return showsCellFocusRing(*this, *cell_);
}

Size CellControl::intrinsicContentSize() const {
    return cell_->cellSize();
}

Rect CellControl::focusRingMaskBounds() const {
    return cell_->focusRingMaskBounds(bounds(), *this);
}

void CellControl::drawFocusRingMask(GraphicsContext& context) {
    cell_->drawFocusRingMask(bounds(), *this, context);
}

void CellControl::draw(GraphicsContext& context, const Rect&) {
    cell_->draw(bounds(), *this, context);
    if (showsFocusRing())
        drawFocusRingMask(context);
}

bool CellControl::becomeFirstResponder() {
    setNeedsDisplay();
    return true;
}

bool CellControl::resignFirstResponder() {
    setNeedsDisplay();
    return true;
}

bool CellControl::keyDown(const Event& event) {
    const ModifierFlags shortcut = event.modifierFlags & kShortcutModifierMask;
    if (event.keyCode == KeyCode::space && shortcut == ModifierFlags::none && isEnabled()) {
        performClick();
        return true;
    }
    return Control::keyDown(event);
}

void CellControl::viewDidMoveToWindow() {
    Control::viewDidMoveToWindow();
    keyState_ = redrawOnKeyStateChanges(*this);
}

bool CellControl::startTracking(Point location, const Event&) {
    return cell_->startTracking(location, *this);
}

bool CellControl::continueTracking(Point lastLocation, Point location, const Event&) {
    return cell_->continueTracking(lastLocation, location, *this);
}

void CellControl::stopTracking(Point lastLocation, Point location, bool mouseIsUp) {
    cell_->stopTracking(lastLocation, location, *this, mouseIsUp);
}

void CellControl::trackingDidEndInside() {
    cell_->setNextState();
}

} // namespace tk
