#include "Tessaly/Controls/StyledCheckBox.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

namespace {
void becomeCheckBox(tk::ButtonCell& cell) {
    cell.setButtonType(tk::ButtonType::switchButton); // no bezel, the box at the leading edge
    cell.setHighlightsBy(tk::CellMask::contents);
    cell.setShowsStateBy(tk::CellMask::contents);
    cell.setAlignment(tk::TextAlignment::leading);
}
} // namespace

StyledCheckBoxCell::StyledCheckBoxCell() : StyledCheckBoxCell(std::string()) {}

StyledCheckBoxCell::StyledCheckBoxCell(std::string title) : StyledButtonCell(std::move(title)) {
    becomeCheckBox(*this);
}

std::shared_ptr<CheckBoxCellStyle> StyledCheckBoxCell::style() {
    static const auto shared = std::make_shared<CheckBoxCellStyle>();
    return shared;
}

tk::CellState StyledCheckBoxCell::nextState() const {
    return state() == tk::CellState::on ? tk::CellState::off : tk::CellState::on;
}

tk::Rect StyledCheckBoxCell::focusRingMaskBounds(const tk::Rect& frame, const tk::View&) const {
    return imageRect(frame);
}

tk::Rect StyledCheckBoxCell::imageRect(const tk::Rect& bounds) const {
    const tk::Size size = buttonImageSize();
    const tk::Rect d = drawingRect(bounds);
    const double y = std::round(d.midY() - size.height / 2);
    return tk::Rect{0, y, size.width, size.height}.integral().offsetBy(kXOffset, 0);
}

tk::Rect StyledCheckBoxCell::titleRect(const tk::Rect& bounds) const {
    const tk::Size text = attributedTitle(title(), std::nullopt).size();
    const double x = buttonImageSize().width;
    // No wider than the bounds leave, so a long title is cut at its tail.
    const double width = std::max(0.0, std::min(std::ceil(text.width), bounds.width() - x));
    const double height = std::ceil(text.height);
    if (!verticallyCenterTitle())
        return tk::Rect{x, 0, width, height};
    return centeredOnY(tk::Rect{x, 0, width, height}, bounds);
}

void StyledCheckBoxCell::drawImage(const tk::Image&, const tk::Rect& frame, tk::View&,
                                   tk::GraphicsContext& context) {
    const auto box = checkBoxStyle()->buttonImage(controlState());
    if (!box)
        return;
    drawTintedImage(context, *box, imageRect(frame), isEnabled() ? 1.0 : 0.5);
}

void StyledCheckBoxCell::drawInterior(const tk::Rect& frame, tk::View& controlView,
                                      tk::GraphicsContext& context) {
    drawImage(tk::Image(), frame, controlView, context);
    if (!title().empty())
        drawTitle(attributedTitle(), titleRect(frame), controlView, context);
}

tk::Size StyledCheckBoxCell::cellSize() const {
    const tk::Size text = attributedTitle(title(), std::nullopt).size();
    const tk::Size box = buttonImageSize();
    const double width = box.width + (title().empty() ? 0 : std::ceil(text.width));
    return tk::Size{width, std::max(box.height, std::ceil(text.height))};
}

std::unique_ptr<tk::Cell> StyledCheckBox::makeCell() const {
    return std::make_unique<StyledCheckBoxCell>();
}

void StyledCheckBox::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::Button::draw(context, dirtyRect);
    auto* c = checkBoxCell();
    if (!c || !showsFocusRing())
        return;
    drawFocusRing(context, c->focusRingMaskBounds(bounds(), *this),
                  c->dynamicStyle()->focusRingColor(c->controlState()));
}

// --- Favourite -------------------------------------------------------------------------------

std::shared_ptr<FavouriteCheckBoxCellStyle> FavouriteCheckBoxCell::style() {
    static const auto shared = std::make_shared<FavouriteCheckBoxCellStyle>();
    return shared;
}

tk::Size FavouriteCheckBoxCell::buttonImageSize() const {
    const auto star = style()->buttonImage(controlState());
    return star ? star->size() : tk::Size{16, 16};
}

tk::Image FavouriteCheckBoxCell::image() const {
    return style()->buttonImages().image(StyledControlState::defaultState).value_or(tk::Image());
}

tk::Image FavouriteCheckBoxCell::alternateImage() const {
    return style()->buttonImages().image(StyledControlState::on).value_or(tk::Image());
}

std::unique_ptr<tk::Cell> FavouriteCheckBox::makeCell() const {
    return std::make_unique<FavouriteCheckBoxCell>();
}

bool FavouriteCheckBox::mouseDown(const tk::Event& event) {
    setAlpha(0.5);
    if (StyledCheckBox::mouseDown(event))
        return true;
    setAlpha(1);
    return false;
}

bool FavouriteCheckBox::mouseUp(const tk::Event& event) {
    const bool handled = StyledCheckBox::mouseUp(event);
    setAlpha(1);
    return handled;
}

void FavouriteCheckBox::mouseCancelled(const tk::Event& event) {
    StyledCheckBox::mouseCancelled(event);
    setAlpha(1);
}

} // namespace Tessaly
