#include "Tessaly/Controls/StyledButton.h"

#include "Tessaly/Controls/ButtonCellState.h"
#include "Tessaly/Controls/CellDrawing.h"
#include "platform/tk/graphics/GraphicsContext.h"

namespace Tessaly {

StyledButtonCell::StyledButtonCell() : StyledButtonCell(std::string()) {}

StyledButtonCell::StyledButtonCell(std::string title) : tk::ButtonCell(std::move(title)) {
    setHighlightsBy(tk::CellMask::none);
}

StyledButtonCell::StyledButtonCell(tk::Image image) : tk::ButtonCell(std::move(image)) {
    setHighlightsBy(tk::CellMask::none);
}

std::shared_ptr<ButtonCellStyle> StyledButtonCell::style() {
    static const auto shared = std::make_shared<ButtonCellStyle>();
    return shared;
}

StyledControlState StyledButtonCell::controlState() const {
    return buttonCellState(*this, selected_);
}

tk::AttributedString StyledButtonCell::attributedTitle(const std::string& text,
                                                       std::optional<tk::Color> color) const {
    const auto s = dynamicStyle();
    tk::TextAttributes attributes;
    attributes.font = s->font();
    attributes.color = color.value_or(s->textColor());
    attributes.alignment = tk::TextAlignment::center;
    attributes.truncation = tk::TruncationMode::tail;
    return tk::AttributedString(text, attributes);
}

tk::Rect StyledButtonCell::focusRingMaskBounds(const tk::Rect& frame, const tk::View&) const {
    return isBezeled() || isBordered() ? frame : drawingRect(frame);
}

tk::Rect StyledButtonCell::drawingRect(const tk::Rect& bounds) const {
    return isBezeled() || isBordered() ? insetRect(bounds, dynamicStyle()->edgeInsets()) : bounds;
}

tk::Rect StyledButtonCell::imageRect(const tk::Rect& bounds) const {
    const tk::Rect r0 = insetRect(bounds, dynamicStyle()->imageEdgeInsets());
    if (imagePosition() == tk::ImagePosition::imageOnly)
        return r0;
    return centeredOnY(tk::ButtonCell::imageRect(r0), bounds);
}

tk::Rect StyledButtonCell::titleRect(const tk::Rect& bounds) const {
    const tk::Rect r = tk::ButtonCell::titleRect(insetRect(bounds, dynamicStyle()->titleEdgeInsets()));
    return verticallyCenterTitle_ ? centeredOnY(r, bounds) : r;
}

void StyledButtonCell::draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    if (isBordered() || isBezeled())
        drawBezel(frame, controlView, context);
    drawInterior(frame, controlView, context);
}

void StyledButtonCell::drawBezel(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    drawStateBezel(context, *dynamicStyle(), controlState(), frame, isEnabled());
}

tk::Rect StyledButtonCell::drawTitle(const tk::AttributedString& title, const tk::Rect& frame,
                                     tk::View& controlView, tk::GraphicsContext& context) {
    const tk::Color color = dynamicStyle()->textColor(controlState());
    return tk::ButtonCell::drawTitle(attributedTitle(title.string(), color), frame, controlView, context);
}

void StyledButtonCell::drawImage(const tk::Image& image, const tk::Rect& frame, tk::View&,
                                 tk::GraphicsContext& context) {
    drawCellImage(*this, image, frame, context);
}

// --- Button ------------------------------------------------------------------------------------

std::unique_ptr<tk::Cell> StyledButton::makeCell() const {
    return std::make_unique<StyledButtonCell>();
}

void StyledButton::setup() {
    tk::Button::setup();
    if (auto* c = styledCell())
        c->setHighlightsBy(tk::CellMask::none);
}

void StyledButton::setFixedWidth(std::optional<double> width) {
    fixedWidth_ = width;
    invalidateIntrinsicContentSize();
}

bool StyledButton::isSelected() const {
    const auto* c = styledCell();
    return c && c->isSelected();
}

void StyledButton::setSelected(bool selected) {
    if (auto* c = styledCell())
        c->setSelected(selected);
    setNeedsDisplay();
}

tk::EdgeInsets StyledButton::alignmentRectInsets() const {
    return styledCell() ? StyledButtonCell::style()->alignmentRectInsets() : tk::EdgeInsets{};
}

tk::Size StyledButton::intrinsicContentSize() const {
    tk::Size size = tk::Button::intrinsicContentSize();
    if (fixedWidth_)
        size.width = *fixedWidth_;
    const auto* c = styledCell();
    if (!isBordered() || !c)
        return size;
    const auto image = c->dynamicStyle()->bezelImage(c->controlState());
    if (!image)
        return size;
    return sizedToBezel(size, tk::Size{fixedWidth_.value_or(image->size().width), image->size().height},
                        alignmentRectInsets());
}

void StyledButton::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::Button::draw(context, dirtyRect);
    const auto* c = styledCell();
    if (!c || !showsFocusRing())
        return;
    drawFocusRing(context, bounds(), c->dynamicStyle()->focusRingColor(c->controlState()));
}

} // namespace Tessaly
