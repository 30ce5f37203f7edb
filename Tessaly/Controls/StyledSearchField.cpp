#include "Tessaly/Controls/StyledSearchField.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Controls/StyledTextField.h"
#include "Tessaly/Geometry/PixelAlignment.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/ControlStateDerivation.h"

#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>

namespace Tessaly {

// --- StyledSearchFieldCell -------------------------------------------------------------------------

StyledSearchFieldCell::StyledSearchFieldCell() {
    setFocusRingType(tk::FocusRingType::none);
    applyStyle();
}

std::shared_ptr<SearchFieldCellStyle> StyledSearchFieldCell::style() {
    static const auto shared = std::make_shared<SearchFieldCellStyle>();
    return shared;
}

StyledControlState StyledSearchFieldCell::controlState() const {
    StyledControlState state = deriveControlState({.cellState = static_cast<int>(this->state()),
                                                   .enabled = isEnabled(),
                                                   .highlighted = isHighlighted()});
    // The derivation leaves focus to the control; the field shows its focused bezel while it has the
    // keyboard focus of the key window.
    if (const tk::View* view = controlView(); view && hasVisibleFocus(*view))
        state.insert(StyledControlState::focused);
    return state;
}

void StyledSearchFieldCell::setShowsSearchIcon(bool shows) {
    showsSearchIcon_ = shows;
    updateControlView();
}

void StyledSearchFieldCell::setVerticallyCenter(bool center) {
    verticallyCenter_ = center;
    updateControlView();
}

void StyledSearchFieldCell::setBackgroundStyle(BackgroundStyle style) {
    backgroundStyle_ = style;
    setTextColor(StyledSearchFieldCell::style()->textColor(controlState()));
}

std::optional<tk::Image> StyledSearchFieldCell::currentBezelImage() const {
    if (showsSearchIcon_)
        return style()->bezelImage(controlState());
    return TextFieldCellStyle().bezelImage(controlState()); // the plain text field's bezel
}

void StyledSearchFieldCell::applyStyle() {
    setFont(style()->font());
    setTextColor(style()->textColor(controlState()));
    backgroundStyle_ = style()->backgroundStyle();
    if (tk::ButtonCell* search = searchButtonCell())
        search->setImagePosition(tk::ImagePosition::imageOnly);
}

void StyledSearchFieldCell::setEnabled(bool enabled) {
    tk::SearchFieldCell::setEnabled(enabled);
    setTextColor(style()->textColor(controlState())); // the dimmed text follows the flag
}

tk::AttributedString StyledSearchFieldCell::attributedString(const std::string& text,
                                                             std::optional<tk::Color> color) const {
    tk::TextAttributes a;
    a.font = style()->font();
    a.color = color ? *color : style()->textColor(controlState());
    a.alignment = alignment();
    a.lineLimit = 1;
    return tk::AttributedString(text, a);
}

void StyledSearchFieldCell::setPlaceholderString(std::optional<std::string> placeholder) {
    internalPlaceholder_ = placeholder;
    if (placeholder)
        setPlaceholderAttributedString(attributedString(*placeholder, color(ColorResources::grey50)));
    updateControlView(true);
}

tk::Rect StyledSearchFieldCell::drawingRect(const tk::Rect& bounds) const {
    if (beingEdited_ || beingSelected_)
        return bounds;
    if (isBezeled() || isBordered())
        return inset(bounds, style()->padding(), true);
    return bounds;
}

tk::Rect StyledSearchFieldCell::searchTextRect(const tk::Rect& bounds) const {
    const tk::Rect s = tk::SearchFieldCell::searchTextRect(bounds);
    const tk::Rect cancel = cancelButtonRect(bounds);
    const double x = showsSearchIcon_ ? searchButtonRect(bounds).maxX() - 10 : 4;
    tk::Rect rect = cancel.isEmpty() ? tk::Rect{x, s.y(), s.width(), s.height()}
                                     : tk::Rect{x, s.y(), cancel.minX() + 2 - x, s.height()};
    if (verticallyCenter_) {
        // One line of what is drawn: the value, else the placeholder, else one line of the font.
        const std::string value = stringValue();
        double h = 0;
        if (!value.empty())
            h = attributedStringValue().size().height;
        else if (internalPlaceholder_ && !internalPlaceholder_->empty())
            h = attributedString(*internalPlaceholder_, std::nullopt).size().height;
        else
            h = style()->font().metrics().lineHeight;
        rect.origin.y = rect.midY() - h * 0.5;
    }
    return rect.integral();
}

tk::Rect StyledSearchFieldCell::editorFrame(const tk::Rect& frame) const {
    // Where drawInterior draws the text; the editor adds its line padding on the left.
    tk::Rect r = searchTextRect(frame);
    if (isBezeled() || isBordered())
        r = r.offsetBy(2, 1);
    return {r.x() - kLinePadding, r.y(), r.width(), attributedString("X", std::nullopt).size().height};
}

tk::Rect StyledSearchFieldCell::editWithFrame(const tk::Rect& frame, tk::View& controlView) {
    const tk::Rect r = editorFrame(frame);
    beingEdited_ = true;
    const tk::Rect placed = tk::SearchFieldCell::editWithFrame(r, controlView);
    beingEdited_ = false;
    return placed;
}

tk::Rect StyledSearchFieldCell::selectWithFrame(const tk::Rect& frame, tk::View& controlView) {
    const tk::Rect r = editorFrame(frame);
    beingSelected_ = true;
    const tk::Rect placed = tk::SearchFieldCell::selectWithFrame(r, controlView);
    beingSelected_ = false;
    return placed;
}

tk::FieldEditorAttributes
StyledSearchFieldCell::setUpFieldEditorAttributes(tk::FieldEditorAttributes a) const {
    a = tk::SearchFieldCell::setUpFieldEditorAttributes(a);
    const auto s = style();
    a.font = s->font(); // the text keeps its size when the field gains the focus
    a.drawsBackground = false;
    a.backgroundColor = tk::Color::clear();
    a.textColor = s->textColor();
    a.insertionPointColor = s->textColor();
    a.selectedTextColor = s->selectedTextColor();
    a.selectedBackgroundColor = s->selectedBackgroundColor();
    return a;
}

void StyledSearchFieldCell::draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    if (isBezeled() || isBordered())
        if (const auto bezel = currentBezelImage(); bezel && *bezel)
            drawTintedImage(context, *bezel, frame);
    drawInterior(frame, controlView, context);
}

void StyledSearchFieldCell::drawInterior(const tk::Rect& frame, tk::View& controlView,
                                         tk::GraphicsContext& context) {
    const std::string value = stringValue();
    if (!(showsFirstResponder() || beingEdited_ || beingSelected_)) {
        tk::AttributedString text;
        if (!value.empty())
            text = attributedString(value, std::nullopt);
        else if (internalPlaceholder_)
            text = attributedString(*internalPlaceholder_, color(ColorResources::grey50));
        if (!text.empty()) {
            tk::Rect r = searchTextRect(frame);
            if (isBezeled() || isBordered())
                r = r.offsetBy(2, 1);
            drawText(text, r, context); // cut by the cell's line break mode
        }
    }
    if (tk::ButtonCell* cancel = cancelButtonCell(); cancel && !value.empty())
        cancel->draw(tk::centeredRect({kGlyphSize, kGlyphSize}, cancelButtonRect(frame)), controlView,
                     context);
}

// --- StyledSearchField -----------------------------------------------------------------------------

std::unique_ptr<tk::TextFieldCell> StyledSearchField::makeCell() const {
    return std::make_unique<StyledSearchFieldCell>();
}

void StyledSearchField::setup() {
    tk::SearchField::setup();
    setBezeled(true);
}

StyledSearchFieldCell* StyledSearchField::styledCell() const {
    return dynamic_cast<StyledSearchFieldCell*>(cell());
}

void StyledSearchField::setVerticallyCenter(bool center) {
    verticallyCenter_ = center;
    if (auto* c = styledCell())
        c->setVerticallyCenter(center);
    setNeedsDisplay();
}

tk::EdgeInsets StyledSearchField::alignmentRectInsets() const {
    if (styledCell())
        return StyledSearchFieldCell::style()->alignmentRectInsets();
    return tk::SearchField::alignmentRectInsets();
}

tk::Size StyledSearchField::intrinsicContentSize() const {
    const tk::Size s = tk::SearchField::intrinsicContentSize();
    const auto* c = styledCell();
    if (!c || !isBezeled())
        return s;
    const auto image = c->currentBezelImage();
    if (!image || !*image)
        return s;
    const tk::EdgeInsets i = alignmentRectInsets();
    return {std::max(s.width, image->size().width) - (i.left + i.right),
            std::max(s.height, image->size().height) - (i.top + i.bottom)};
}

void StyledSearchField::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::SearchField::draw(context, dirtyRect);
    const auto* c = styledCell();
    if (!c || !hasVisibleFocus(*this))
        return;
    drawFocusRing(context, focusRingMaskBounds(),
                  StyledSearchFieldCell::style()->focusRingColor(c->controlState()));
}

} // namespace Tessaly
