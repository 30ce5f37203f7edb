#include "Tessaly/Controls/StyledTextField.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Geometry/PixelAlignment.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/ControlStateDerivation.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <utility>

namespace Tessaly {

// --- StyledTextFieldCell ---------------------------------------------------------------------------

StyledTextFieldCell::StyledTextFieldCell() : StyledTextFieldCell(std::string{}) {}

StyledTextFieldCell::StyledTextFieldCell(std::string text) : tk::TextFieldCell(std::move(text)) {
    setFocusRingType(tk::FocusRingType::none);
    applyStyle();
}

std::shared_ptr<TextFieldCellStyle> StyledTextFieldCell::style() {
    static const auto shared = std::make_shared<TextFieldCellStyle>();
    return shared;
}

StyledControlState StyledTextFieldCell::controlState() const {
    StyledControlState state = deriveControlState({.cellState = static_cast<int>(this->state()),
                                                   .enabled = isEnabled(),
                                                   .highlighted = isHighlighted(),
                                                   .isSelected = selected_,
                                                   .isValid = validity()});
    // The derivation leaves focus to the control; a field shows its focused bezel while it has the
    // keyboard focus of the key window (in another window the focus is not the user's).
    if (const tk::View* view = controlView(); view && hasVisibleFocus(*view))
        state.insert(StyledControlState::focused);
    return state;
}

void StyledTextFieldCell::setSelected(bool selected) {
    selected_ = selected;
}

void StyledTextFieldCell::setVerticallyCenter(bool center) {
    verticallyCenter_ = center;
    updateControlView();
}

void StyledTextFieldCell::setBackgroundStyle(BackgroundStyle style) {
    backgroundStyle_ = style;
    setTextColor(dynamicStyle()->textColor(controlState()));
}

void StyledTextFieldCell::applyStyle() {
    const auto s = dynamicStyle();
    const StyledControlState state = controlState();
    setFont(s->font());
    setTextColor(s->textColor(state));
    setBackgroundColor(s->backgroundColor(state));
    backgroundStyle_ = s->backgroundStyle();
}

void StyledTextFieldCell::setEnabled(bool enabled) {
    tk::TextFieldCell::setEnabled(enabled);
    // The dimmed text of a disabled field follows the flag.
    setTextColor(dynamicStyle()->textColor(controlState()));
}

tk::AttributedString StyledTextFieldCell::attributedString(const std::string& text,
                                                           std::optional<tk::Color> color) const {
    // Built in place: a default font made first and replaced would cost an allocation per draw.
    tk::TextAttributes a{.font = font().size() > 0 ? font() : dynamicStyle()->font(),
                         .color = color ? *color : dynamicStyle()->textColor(controlState()),
                         .alignment = alignment(),
                         .lineLimit = 1};
    return tk::AttributedString(text, std::move(a));
}

double StyledTextFieldCell::shownTextHeight() const {
    // The height of one line depends on its text and font alone: it is measured again only when
    // either changed (a field is asked on every draw and every layout).
    const auto measuredHeight = [this](const std::string& text, const tk::Font& font, auto measure) {
        if (!measured_ || measured_->text != text || measured_->font != font)
            measured_ = MeasuredLine{text, font, measure()};
        return measured_->height;
    };
    if (const std::string& value = stringValue(); !value.empty())
        return measuredHeight(value, font(), [&] { return attributedStringValue().size().height; });
    if (const auto placeholder = placeholderString(); placeholder && !placeholder->empty()) {
        const tk::Font& shownFont = font().size() > 0 ? font() : dynamicStyle()->font();
        return measuredHeight(*placeholder, shownFont,
                              [&] { return attributedString(*placeholder, std::nullopt).size().height; });
    }
    const tk::FontMetrics metrics = font().metrics();
    return metrics.lineHeight;
}

tk::Rect StyledTextFieldCell::drawingRect(const tk::Rect& bounds) const {
    if (beingEdited_ || beingSelected_)
        return bounds;
    if (isBezeled() || isBordered())
        return inset(bounds, dynamicStyle()->padding(), true);
    return bounds;
}

tk::Rect StyledTextFieldCell::titleRect(const tk::Rect& bounds) const {
    tk::Rect t = tk::TextFieldCell::titleRect(bounds);
    if (verticallyCenter_) {
        const double h = shownTextHeight();
        t.origin.y += (t.height() - h) * 0.5;
        t.size.height = h;
    }
    return t;
}

namespace {
// Where the text of a cell is drawn: the title rect moved right by 2 on a bezel, left by one device
// pixel without one (the editor edits the text in the same place, so it does not jump).
tk::Rect interiorTextRect(const StyledTextFieldCell& cell, const tk::Rect& frame) {
    const tk::Rect t = cell.titleRect(frame);
    if (cell.isBezeled() || cell.isBordered())
        return t.offsetBy(2, 0);
    const tk::View* view = cell.controlView();
    const tk::Window* window = view ? view->window() : nullptr;
    return t.offsetBy(-1 / (window ? window->backingScaleFactor() : 1.0), 0);
}
// What the editor is placed by: the editor adds its line padding on the left, so the text starts
// where the cell draws it.
tk::Rect editorFrame(const StyledTextFieldCell& cell, const tk::Rect& frame) {
    const tk::Rect text = interiorTextRect(cell, frame);
    return {text.x() - tk::TextFieldCell::kLinePadding, text.y(),
            text.width() + tk::TextFieldCell::kLinePadding, text.height()};
}
} // namespace

tk::Rect StyledTextFieldCell::editWithFrame(const tk::Rect& frame, tk::View& controlView) {
    const tk::Rect title = editorFrame(*this, frame);
    beingEdited_ = true;
    const tk::Rect placed = tk::TextFieldCell::editWithFrame(title, controlView);
    beingEdited_ = false;
    return placed;
}

tk::Rect StyledTextFieldCell::selectWithFrame(const tk::Rect& frame, tk::View& controlView) {
    const tk::Rect title = editorFrame(*this, frame);
    beingSelected_ = true;
    const tk::Rect placed = tk::TextFieldCell::selectWithFrame(title, controlView);
    beingSelected_ = false;
    return placed;
}

tk::FieldEditorAttributes StyledTextFieldCell::setUpFieldEditorAttributes(tk::FieldEditorAttributes a) const {
    a = tk::TextFieldCell::setUpFieldEditorAttributes(a);
    const auto s = dynamicStyle();
    a.font = s->font();
    a.drawsBackground = false;
    a.backgroundColor = s->textBackgroundColor();
    a.textColor = s->textColor();
    a.insertionPointColor = s->textColor();
    a.selectedBackgroundColor = s->selectedBackgroundColor();
    a.selectedTextColor = s->selectedTextColor();
    return a;
}

void StyledTextFieldCell::draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    if (drawsBackground()) {
        const auto bezel =
            (isBezeled() || isBordered()) ? dynamicStyle()->bezelImage(controlState()) : std::nullopt;
        if (bezel && *bezel)
            drawTintedImage(context, *bezel, frame);
        else if (const auto color = backgroundColor())
            context.fillRect(frame, *color);
    }
    drawStyledFocusRing(frame, controlView, context);
    drawInterior(frame, controlView, context);
}

void StyledTextFieldCell::drawStyledFocusRing(const tk::Rect& frame, tk::View& controlView,
                                              tk::GraphicsContext& context) const {
    // Only while the window is key and the field has the keyboard focus.
    if (!hasVisibleFocus(controlView))
        return;
    drawFocusRing(context, focusRingMaskBounds(frame, controlView),
                  dynamicStyle()->focusRingColor(controlState()), 2);
}

void StyledTextFieldCell::drawInterior(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    if (showsFirstResponder() || beingEdited_ || beingSelected_)
        return; // the field editor shows the text
    const std::string& value = stringValue();
    tk::AttributedString text;
    if (!value.empty())
        text = attributedString(value, std::nullopt);
    else if (const auto placeholder = placeholderString(); placeholder && !placeholder->empty())
        text = attributedString(*placeholder, color(ColorResources::grey50));
    if (text.empty())
        return;
    drawText(text, interiorTextRect(*this, frame), context);
}

// --- StyledTextField -------------------------------------------------------------------------------

StyledTextField::StyledTextField(tk::Rect frame, double verticalInset) : StyledTextField(frame) {
    verticalInset_ = verticalInset;
}

void StyledTextField::setup() {
    FirstResponderAwareTextField::setup();
    // A text field's own defaults: bezeled, drawing its background.
    setBezeled(true);
    setDrawsBackground(true);
}

std::unique_ptr<tk::TextFieldCell> StyledTextField::makeCell() const {
    return std::make_unique<StyledTextFieldCell>();
}

StyledTextFieldCell* StyledTextField::styledCell() const {
    return dynamic_cast<StyledTextFieldCell*>(cell());
}

void StyledTextField::setVerticalInset(double inset) {
    verticalInset_ = inset;
    invalidateIntrinsicContentSize();
}

void StyledTextField::setVerticallyCenter(bool center) {
    verticallyCenter_ = center;
    if (auto* c = styledCell())
        c->setVerticallyCenter(center);
    setNeedsDisplay();
}

bool StyledTextField::isSelected() const {
    const auto* c = styledCell();
    return c && c->isSelected();
}

void StyledTextField::setSelected(bool selected) {
    if (auto* c = styledCell())
        c->setSelected(selected);
}

tk::EdgeInsets StyledTextField::alignmentRectInsets() const {
    if (isBezeled() || isBordered())
        return {verticalInset_, 2, verticalInset_, 2};
    return {};
}

double StyledTextField::firstBaselineOffsetFromTop() const {
    const auto* c = styledCell();
    if (!c)
        return 0;
    const tk::Rect b = bounds();
    return b.minY() + c->titleRect(b).maxY() - alignmentRectInsets().top;
}

double StyledTextField::lastBaselineOffsetFromBottom() const {
    const auto* c = styledCell();
    if (!c)
        return 0;
    const tk::Rect b = bounds();
    return b.maxY() - c->titleRect(b).maxY() + alignmentRectInsets().bottom;
}

tk::Size StyledTextField::intrinsicContentSize() const {
    tk::Size s = FirstResponderAwareTextField::intrinsicContentSize();
    const auto* c = styledCell();
    if (!c || !(isBezeled() || isBordered()))
        return s;
    if (const auto image = c->dynamicStyle()->bezelImage(c->controlState()); image && *image) {
        s.width = std::max(s.width, image->size().width);
        s.height = std::max(s.height, image->size().height);
    }
    return s;
}

} // namespace Tessaly
