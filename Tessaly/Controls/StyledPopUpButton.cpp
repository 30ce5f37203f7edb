#include "Tessaly/Controls/StyledPopUpButton.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

StyledPopUpButtonCell::StyledPopUpButtonCell(std::string title, bool pullsDown)
    : LabelledPopUpButtonCell(std::move(title), pullsDown) {
    setHighlightsBy(tk::CellMask::none);
}

std::shared_ptr<PopUpButtonCellStyle> StyledPopUpButtonCell::style() {
    static const auto shared = std::make_shared<PopUpButtonCellStyle>();
    return shared;
}

StyledControlState StyledPopUpButtonCell::controlState() const {
    ControlStateInputs inputs;
    inputs.cellState = showsStateBy() == tk::CellMask::none ? 0 : int(state());
    inputs.enabled = isEnabled();
    inputs.highlighted = isHighlighted();
    return deriveControlState(inputs);
}

tk::Rect StyledPopUpButtonCell::titleRect(const tk::Rect& bounds) const {
    if (imagePosition() == tk::ImagePosition::imageOnly || title().empty())
        return {};
    return tk::Rect{10, std::round(bounds.midY() - 7), std::max(0.0, bounds.width() - 24), 14}.integral();
}

tk::Rect StyledPopUpButtonCell::drawTitle(const tk::AttributedString& title, const tk::Rect& frame, tk::View&,
                                          tk::GraphicsContext& context) {
    const std::string text = title.string();
    if (imagePosition() == tk::ImagePosition::imageOnly || text.empty())
        return {};
    drawnTitle(text).draw(context, frame);
    return frame;
}

// --- Button ------------------------------------------------------------------------------------

StyledPopUpButton::StyledPopUpButton(tk::Rect frame, bool pullsDown, std::optional<double> fixedWidth)
    : tk::PopUpButton(frame, pullsDown), fixedWidth_(fixedWidth) {}

std::unique_ptr<tk::Cell> StyledPopUpButton::makeCell() const {
    return std::make_unique<StyledPopUpButtonCell>(std::string(), pullsDownAtStart());
}

void StyledPopUpButton::setup() {
    tk::PopUpButton::setup();
    setFont(tk::Font::system(11)); // the menu font
}

void StyledPopUpButton::setFixedWidth(std::optional<double> width) {
    fixedWidth_ = width;
    invalidateIntrinsicContentSize();
}

void StyledPopUpButton::setLabel(std::optional<std::string> label) {
    label_ = label;
    if (auto* c = styledCell())
        c->setLabel(std::move(label));
}

tk::EdgeInsets StyledPopUpButton::alignmentRectInsets() const {
    return styledCell() ? StyledPopUpButtonCell::style()->alignmentRectInsets() : tk::EdgeInsets{};
}

tk::Size StyledPopUpButton::sizedToBezel(tk::Size size, const ButtonCellStyle& style) const {
    const auto* c = styledCell();
    if (!isBordered() || !c)
        return size;
    const auto image = style.bezelImage(c->controlState());
    return image ? Tessaly::sizedToBezel(size, image->size(), alignmentRectInsets()) : size;
}

tk::Size StyledPopUpButton::intrinsicContentSize() const {
    tk::Size size = tk::PopUpButton::intrinsicContentSize();
    if (fixedWidth_)
        size.width = *fixedWidth_;
    const auto* c = styledCell();
    return c ? sizedToBezel(size, *c->dynamicStyle()) : size;
}

void StyledPopUpButton::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::PopUpButton::draw(context, dirtyRect);
    const auto* c = styledCell();
    if (!c || !showsFocusRing())
        return;
    drawFocusRing(context, bounds(), c->dynamicStyle()->focusRingColor(c->controlState()));
}

// --- Tool --------------------------------------------------------------------------------------

std::shared_ptr<ToolPopUpButtonCellStyle> ToolPopUpButtonCell::style() {
    static const auto shared = std::make_shared<ToolPopUpButtonCellStyle>();
    return shared;
}

std::unique_ptr<tk::Cell> ToolPopUpButton::makeCell() const {
    return std::make_unique<ToolPopUpButtonCell>(std::string(), pullsDownAtStart());
}

tk::EdgeInsets ToolPopUpButton::alignmentRectInsets() const {
    return dynamic_cast<ToolPopUpButtonCell*>(cell()) ? ToolPopUpButtonCell::style()->alignmentRectInsets()
                                                      : StyledPopUpButton::alignmentRectInsets();
}

tk::Size ToolPopUpButton::intrinsicContentSize() const {
    const tk::Size size = StyledPopUpButton::intrinsicContentSize();
    return dynamic_cast<ToolPopUpButtonCell*>(cell()) ? sizedToBezel(size, *ToolPopUpButtonCell::style())
                                                      : size;
}

} // namespace Tessaly
