#include "Tessaly/Controls/StyledPopDownButton.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "platform/tk/graphics/GraphicsContext.h"

namespace Tessaly {

StyledPopDownButtonCell::StyledPopDownButtonCell(std::string title, bool pullsDown)
    : LabelledPopUpButtonCell(std::move(title), pullsDown) {}

std::shared_ptr<StyledPopDownButtonCellStyle> StyledPopDownButtonCell::style() {
    static const auto shared = std::make_shared<StyledPopDownButtonCellStyle>();
    return shared;
}

StyledControlState StyledPopDownButtonCell::controlState() const {
    ControlStateInputs inputs;
    inputs.cellState = int(state());
    inputs.enabled = isEnabled();
    inputs.highlighted = isHighlighted();
    return deriveControlState(inputs);
}

void StyledPopDownButtonCell::setTitle(std::string title) {
    setUsesItemFromMenu(false);
    setMenuItem(tk::MenuItem(std::move(title)));
}

tk::Rect StyledPopDownButtonCell::titleRect(const tk::Rect& bounds) const {
    const tk::Rect r1 = insetRect(tk::PopUpButtonCell::titleRect(bounds), style()->titleEdgeInsets());
    return centeredOnY(r1, bounds);
}

tk::Rect StyledPopDownButtonCell::drawTitle(const tk::AttributedString& title, const tk::Rect& frame,
                                            tk::View& controlView, tk::GraphicsContext& context) {
    return tk::PopUpButtonCell::drawTitle(drawnTitle(title.string()), frame, controlView, context);
}

// --- Button ------------------------------------------------------------------------------------

std::unique_ptr<tk::Cell> StyledPopDownButton::makeCell() const {
    return std::make_unique<StyledPopDownButtonCell>();
}

void StyledPopDownButton::setup() {
    tk::PopUpButton::setup();
    setFont(tk::Font::system(11)); // the menu font
}

void StyledPopDownButton::setLabel(std::optional<std::string> label) {
    label_ = label;
    if (auto* c = styledCell())
        c->setLabel(std::move(label));
}

std::string StyledPopDownButton::title() const {
    const auto* c = styledCell();
    return c ? c->menuItem().title : std::string();
}

tk::EdgeInsets StyledPopDownButton::alignmentRectInsets() const {
    return styledCell() ? StyledPopDownButtonCell::style()->alignmentRectInsets() : tk::EdgeInsets{};
}

tk::Size StyledPopDownButton::intrinsicContentSize() const {
    const tk::Size size = tk::PopUpButton::intrinsicContentSize();
    const auto* c = styledCell();
    if (!isBordered() || !c)
        return size;
    const auto image = StyledPopDownButtonCell::style()->bezelImage(c->controlState());
    return image ? sizedToBezel(size, image->size(), alignmentRectInsets()) : size;
}

void StyledPopDownButton::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::PopUpButton::draw(context, dirtyRect);
    const auto* c = styledCell();
    if (!c || !showsFocusRing())
        return;
    drawFocusRing(context, bounds(), StyledPopDownButtonCell::style()->focusRingColor(c->controlState()));
}

bool StyledPopDownButton::mouseDown(const tk::Event&) {
    if (!isEnabled())
        return false;
    pressed_ = true;
    setHighlighted(true);
    return true;
}

bool StyledPopDownButton::mouseDragged(const tk::Event&) {
    return pressed_;
}

bool StyledPopDownButton::mouseUp(const tk::Event& event) {
    if (!pressed_)
        return false; // a release without our press (or while disabled) does nothing
    pressed_ = false;
    setHighlighted(false);
    if (isEnabled() && bounds().contains(locationOf(event)) && !action().empty())
        sendAction();
    return true;
}

void StyledPopDownButton::mouseCancelled(const tk::Event&) {
    if (!pressed_)
        return;
    pressed_ = false;
    setHighlighted(false);
}

void StyledPopDownButton::performClick() {
    if (!isEnabled())
        return;
    auto keep = weak_from_this().lock();
    setHighlighted(true);
    sendAction();
    setHighlighted(false);
}

} // namespace Tessaly
