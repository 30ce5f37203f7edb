#include "platform/tk/controls/CellTextField.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/Window.h"

namespace tk {

void CellTextField::setup() {
    TextField::setup();
    setCell(makeCell());
}

std::unique_ptr<TextFieldCell> CellTextField::makeCell() const {
    return std::make_unique<TextFieldCell>();
}

void CellTextField::setCell(std::unique_ptr<TextFieldCell> cell) {
    cell_.replace(std::move(cell), *this);
}

void CellTextField::setFont(Font font) {
    cell_->setFont(font);
    TextField::setFont(std::move(font));
}

void CellTextField::setAlignment(TextAlignment alignment) {
    cell_->setAlignment(alignment);
    TextField::setAlignment(alignment);
}

void CellTextField::setPlaceholder(std::string placeholder) {
    setPlaceholderString(std::move(placeholder));
}

void CellTextField::setPlaceholderString(std::optional<std::string> placeholder) {
    TextField::setPlaceholder(placeholder.value_or(std::string{}));
    cell_->setPlaceholderString(std::move(placeholder));
}

void CellTextField::setTextColor(Color color) {
    cell_->setTextColor(color);
    TextField::setTextColor(color);
}

std::string CellTextField::shownToolTip() const {
    if (!toolTip().empty() || !expansionToolTips_ || isFirstResponder() || text().empty())
        return toolTip();
    const double room = cell_->titleRect(bounds()).width() - 2 * TextFieldCell::kLinePadding;
    return measureText(text(), textAttributes()).width > room ? text() : toolTip();
}

bool CellTextField::isEnabled() const {
    return cell_->isEnabled();
}

void CellTextField::setEnabled(bool enabled) {
    cell_->setEnabled(enabled);
    TextField::setEnabled(enabled);
    if (!enabled && isFirstResponder())
        if (Window* w = window())
            w->makeFirstResponder(nullptr);
}

FieldEditorAttributes CellTextField::fieldEditorAttributes() const {
    return cell_->setUpFieldEditorAttributes(cell_->defaultFieldEditorAttributes());
}

void CellTextField::setUpFieldEditor(FieldEditor& fieldEditor) const {
    const FieldEditorAttributes e = fieldEditorAttributes();
    fieldEditor.setSelectionColor(e.selectedBackgroundColor);
    fieldEditor.setSelectedTextColor(e.selectedTextColor);
    fieldEditor.setInsertionPointColor(e.insertionPointColor);
}

bool CellTextField::showsFocusRing() const {
    return showsCellFocusRing(*this, *cell_);
}

Rect CellTextField::textRect() const {
    auto& self = const_cast<CellTextField&>(*this); // the cell's hooks take the view to edit in
    if (!isFirstResponder())
        return cell_->titleRect(bounds());
    const auto [start, end] = selection();
    const bool allSelected = start == 0 && end == text().size() && end > 0;
    return allSelected ? cell_->selectWithFrame(bounds(), self) : cell_->editWithFrame(bounds(), self);
}

TextAttributes CellTextField::textAttributes() const {
    TextAttributes a = TextField::textAttributes();
    if (isFirstResponder()) {
        const FieldEditorAttributes e = fieldEditorAttributes();
        a.font = e.font;
        a.color = e.textColor;
    } else {
        a.font = cell_->font();
        a.color = cell_->textColor();
    }
    return a;
}

Size CellTextField::intrinsicContentSize() const {
    return cell_->cellSize();
}

void CellTextField::draw(GraphicsContext& context, const Rect&) {
    const bool focused = isFirstResponder();
    cell_->setShowsFirstResponder(focused);
    cell_->draw(bounds(), *this, context);
    if (focused) {
        const FieldEditorAttributes e = fieldEditorAttributes();
        if (e.drawsBackground)
            context.fillRect(textRect(), e.backgroundColor);
        setSelectionColor(e.selectedBackgroundColor);
        setSelectedTextColor(e.selectedTextColor);
        setCaretColor(e.insertionPointColor);
        drawEditor(context);
    }
    if (showsFocusRing())
        drawFocusRingMask(context);
}

Rect CellTextField::focusRingMaskBounds() const {
    return cell_->focusRingMaskBounds(bounds(), const_cast<CellTextField&>(*this));
}

void CellTextField::drawFocusRingMask(GraphicsContext& context) {
    cell_->drawFocusRingMask(bounds(), *this, context);
}

bool CellTextField::becomeFirstResponder() {
    if (!TextField::becomeFirstResponder())
        return false;
    cell_->setShowsFirstResponder(true);
    return true;
}

bool CellTextField::resignFirstResponder() {
    const bool resigned = TextField::resignFirstResponder();
    cell_->setShowsFirstResponder(false);
    return resigned;
}

void CellTextField::viewDidMoveToWindow() {
    TextField::viewDidMoveToWindow();
    keyState_ = redrawOnKeyStateChanges(*this);
}

} // namespace tk
