#include "platform/tk/view/TextField.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/Clipboard.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
constexpr double kBezelInset = 4;

bool primaryModifier(ModifierFlags m) {
    return contains(m, ModifierFlags::command) || contains(m, ModifierFlags::control);
}
bool wordModifier(ModifierFlags m) {
    return contains(m, ModifierFlags::option) || contains(m, ModifierFlags::control);
}
} // namespace

void TextField::setup() {
    Control::setup();
    setCursor(Cursor::iBeam);
    setActionHandler("selectAll:", [this](const ActionSender&) { selectAll(); });
    setActionHandler("copy:", [this](const ActionSender&) { copy(); });
    setActionHandler("cut:", [this](const ActionSender&) { cut(); });
    setActionHandler("paste:", [this](const ActionSender&) { paste(); });
}

// --- Content and look ------------------------------------------------------------------------

void TextField::setText(std::string text) {
    if (text == live().text())
        return;
    if (FieldEditor* fieldEditor = attachedFieldEditor())
        fieldEditor->editor().setText(text);
    editor_.setText(std::move(text));
    setNeedsDisplay();
    invalidateIntrinsicContentSize();
}

void TextField::setPlaceholder(std::string placeholder) {
    placeholder_ = std::move(placeholder);
    setNeedsDisplay();
}

void TextField::setFont(Font font) {
    font_ = std::move(font);
    setNeedsDisplay();
    invalidateIntrinsicContentSize();
}

void TextField::setTextColor(Color color) {
    textColor_ = color;
    setNeedsDisplay();
}

void TextField::setPlaceholderColor(std::optional<Color> color) {
    placeholderColor_ = color;
    setNeedsDisplay();
}

void TextField::setAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void TextField::setLetterSpacing(double spacing) {
    letterSpacing_ = spacing;
    setNeedsDisplay();
    invalidateIntrinsicContentSize();
}

void TextField::setBezelStyle(BezelStyle style) {
    bezelStyle_ = style;
    setNeedsDisplay();
    invalidateIntrinsicContentSize();
}

Color TextField::selectionColor() const {
    const FieldEditor* fieldEditor = attachedFieldEditor();
    return fieldEditor ? fieldEditor->selectionColor() : selectionColor_;
}

std::optional<Color> TextField::selectedTextColor() const {
    const FieldEditor* fieldEditor = attachedFieldEditor();
    return fieldEditor ? fieldEditor->selectedTextColor() : selectedTextColor_;
}

std::optional<Color> TextField::caretColor() const {
    const FieldEditor* fieldEditor = attachedFieldEditor();
    return fieldEditor ? fieldEditor->insertionPointColor() : caretColor_;
}

void TextField::setSelectionColor(Color color) {
    if (color == selectionColor())
        return;
    selectionColor_ = color;
    if (FieldEditor* fieldEditor = attachedFieldEditor())
        fieldEditor->setSelectionColor(color);
    setNeedsDisplay();
}

void TextField::setSelectedTextColor(std::optional<Color> color) {
    if (color == selectedTextColor())
        return;
    selectedTextColor_ = color;
    if (FieldEditor* fieldEditor = attachedFieldEditor())
        fieldEditor->setSelectedTextColor(color);
    setNeedsDisplay();
}

void TextField::setCaretColor(std::optional<Color> color) {
    if (color == caretColor())
        return;
    caretColor_ = color;
    if (FieldEditor* fieldEditor = attachedFieldEditor())
        fieldEditor->setInsertionPointColor(color);
    setNeedsDisplay();
}

// --- The window's field editor ---------------------------------------------------------------

FieldEditor* TextField::attachedFieldEditor() const {
    const Window* w = window();
    FieldEditor* fieldEditor = w ? w->existingFieldEditor() : nullptr;
    return fieldEditor && fieldEditor->client() == this ? fieldEditor : nullptr;
}

TextEditor& TextField::live() {
    FieldEditor* fieldEditor = attachedFieldEditor();
    return fieldEditor ? fieldEditor->editor() : editor_;
}

const TextEditor& TextField::live() const {
    const FieldEditor* fieldEditor = attachedFieldEditor();
    return fieldEditor ? fieldEditor->editor() : editor_;
}

void TextField::setUpFieldEditor(FieldEditor& fieldEditor) const {
    fieldEditor.setSelectionColor(selectionColor_);
    fieldEditor.setSelectedTextColor(selectedTextColor_);
    fieldEditor.setInsertionPointColor(caretColor_);
}

void TextField::releaseFieldEditor() {
    FieldEditor* fieldEditor = attachedFieldEditor();
    if (!fieldEditor)
        return;
    editor_ = fieldEditor->editor();
    fieldEditor->detach(*this);
    setNeedsDisplay();
}

void TextField::setSelection(std::size_t anchor, std::size_t caret) {
    live().setSelection(anchor, caret);
    setNeedsDisplay();
}

void TextField::selectAll() {
    live().selectAll();
    setNeedsDisplay();
}

// --- Editing session -------------------------------------------------------------------------

void TextField::beginEditingIfNeeded() {
    if (editing_)
        return;
    editing_ = true;
    textBeforeEditing_ = live().text();
    editingDidBegin();
    if (onBeginEditing)
        onBeginEditing(*this);
    if (auto d = delegate_.lock())
        d->controlTextDidBeginEditing(*this);
}

void TextField::finishEditing(TextEditingEndReason reason) {
    if (!editing_)
        return;
    editing_ = false;
    selectingWithMouse_ = false;
    setNeedsDisplay();
    editingDidEnd(reason);
    if (onEndEditing)
        onEndEditing(*this, reason);
    if (auto d = delegate_.lock())
        d->controlTextDidEndEditing(*this);
}

void TextField::endEditing() {
    finishEditing(TextEditingEndReason::focusLost);
}

void TextField::textChanged() {
    if (const FieldEditor* fieldEditor = attachedFieldEditor())
        editor_.setText(fieldEditor->editor().text()); // the field's copy stays current
    setNeedsDisplay();
    invalidateIntrinsicContentSize();
    auto keep = weak_from_this().lock(); // onChange may take the field out of its window
    if (onChange)
        onChange(*this, live().text());
    textDidChange();
    if (auto d = delegate_.lock())
        d->controlTextDidChange(*this);
}

bool TextField::becomeFirstResponder() {
    if (!isEnabled())
        return false;
    if (Window* w = window()) {
        FieldEditor& fieldEditor = w->fieldEditor();
        if (TextField* other = fieldEditor.client(); other && other != this)
            other->releaseFieldEditor();
        fieldEditor.attach(*this, editor_);
        setUpFieldEditor(fieldEditor);
    }
    live().selectAll();
    beginEditingIfNeeded();
    setNeedsDisplay();
    return true;
}

bool TextField::resignFirstResponder() {
    finishEditing(TextEditingEndReason::focusLost);
    releaseFieldEditor();
    editor_.setCaret(editor_.caret()); // no selection shown while unfocused
    scrollX_ = 0;
    setNeedsDisplay();
    return true;
}

// --- Keys and text -----------------------------------------------------------------------------

bool TextField::keyDown(const Event& event) {
    auto keep = weak_from_this().lock(); // handlers may take the field out of its window
    if (keyHandler && keyHandler(*this, event))
        return true;
    if (!isEnabled())
        return false;
    const ModifierFlags m = event.modifierFlags;
    const bool shift = contains(m, ModifierFlags::shift);
    switch (event.keyCode) {
    case KeyCode::leftArrow:
        live().moveLeft(shift, wordModifier(m));
        setNeedsDisplay();
        return true;
    case KeyCode::rightArrow:
        live().moveRight(shift, wordModifier(m));
        setNeedsDisplay();
        return true;
    case KeyCode::home:
    case KeyCode::upArrow:
        live().moveToStart(shift);
        setNeedsDisplay();
        return true;
    case KeyCode::end:
    case KeyCode::downArrow:
        live().moveToEnd(shift);
        setNeedsDisplay();
        return true;
    case KeyCode::deleteBackward:
        if (!editable_)
            return true;
        beginEditingIfNeeded();
        if (live().deleteBackward(wordModifier(m)))
            textChanged();
        return true;
    case KeyCode::deleteForward:
        if (!editable_)
            return true;
        beginEditingIfNeeded();
        if (live().deleteForward(wordModifier(m)))
            textChanged();
        return true;
    case KeyCode::returnKey:
    case KeyCode::keypadEnter:
        finishEditing(TextEditingEndReason::returnKey);
        if (onSubmit)
            onSubmit(*this);
        sendAction();
        return true;
    case KeyCode::escape: {
        if (!editing_)
            return false;
        if (live().text() != textBeforeEditing_) {
            live().setText(textBeforeEditing_);
            textChanged();
        }
        finishEditing(TextEditingEndReason::escape);
        if (onCancel)
            onCancel(*this);
        return true;
    }
    case KeyCode::tab:
        return false; // the window moves the focus
    default:
        break;
    }
    if (primaryModifier(m)) {
        const std::string& key = event.charactersIgnoringModifiers;
        if (key == "a") {
            selectAll();
            return true;
        }
        if (key == "c")
            return copy();
        if (key == "x")
            return cut();
        if (key == "v")
            return paste();
        return false;
    }
    // Printable keys belong to the field: their text arrives as text input.
    return !event.characters.empty() && static_cast<unsigned char>(event.characters[0]) >= 0x20 &&
           event.characters[0] != 0x7F;
}

bool TextField::insertText(const std::string& text) {
    if (!isEnabled() || !editable_)
        return false;
    beginEditingIfNeeded();
    if (live().insert(text))
        textChanged();
    return true;
}

Clipboard& TextField::clipboard() const {
    return window() ? window()->backend().clipboard() : currentBackend().clipboard();
}

bool TextField::copy() {
    if (!live().hasSelection())
        return true;
    clipboard().setText(live().selectedText());
    return true;
}

bool TextField::cut() {
    if (!live().hasSelection())
        return true;
    clipboard().setText(live().selectedText());
    if (!editable_)
        return true;
    beginEditingIfNeeded();
    if (live().deleteBackward())
        textChanged();
    return true;
}

bool TextField::paste() {
    auto text = clipboard().text();
    if (!text || !editable_)
        return true;
    beginEditingIfNeeded();
    if (live().insert(*text))
        textChanged();
    return true;
}

// --- Pointer -----------------------------------------------------------------------------------

bool TextField::mouseDown(const Event& event) {
    if (!isEnabled())
        return false;
    const Point p = locationOf(event);
    if (event.clickCount >= 2) {
        selectAll();
        selectingWithMouse_ = false;
        return true;
    }
    live().setCaret(positionForX(p.x), contains(event.modifierFlags, ModifierFlags::shift));
    selectingWithMouse_ = true;
    setNeedsDisplay();
    return true;
}

bool TextField::mouseDragged(const Event& event) {
    if (selectingWithMouse_) {
        live().setCaret(positionForX(locationOf(event).x), true);
        setNeedsDisplay();
    }
    return true;
}

bool TextField::mouseUp(const Event&) {
    selectingWithMouse_ = false;
    return true;
}

void TextField::mouseCancelled(const Event&) {
    selectingWithMouse_ = false;
}

// --- Geometry and drawing ------------------------------------------------------------------------

TextAttributes TextField::textAttributes() const {
    TextAttributes a;
    a.font = font_;
    a.color = textColor_;
    a.alignment = TextAlignment::left;
    a.lineLimit = 1;
    a.letterSpacing = letterSpacing_;
    return a;
}

Rect TextField::textRect() const {
    const double inset = bezelStyle_ == BezelStyle::roundedBorder ? kBezelInset : 1;
    return bounds().insetBy(inset, 0);
}

double TextField::textOriginX() const {
    const Rect r = textRect();
    const double width = measureText(live().text(), textAttributes()).width;
    if (width > r.width())
        return r.x() - scrollX_;
    switch (alignment_) {
    case TextAlignment::center:
        return r.x() + (r.width() - width) / 2;
    case TextAlignment::right:
        return r.maxX() - width;
    default:
        return r.x();
    }
}

double TextField::xForPosition(std::size_t position) const {
    position = std::min(position, live().text().size());
    const double prefix =
        position == 0 ? 0 : measureText(live().text().substr(0, position), textAttributes()).width;
    return textOriginX() + prefix;
}

std::size_t TextField::positionForX(double x) const {
    std::size_t best = 0;
    double bestDistance = std::abs(x - xForPosition(0));
    for (std::size_t p = live().nextBoundary(0); p > 0;) {
        const double d = std::abs(x - xForPosition(p));
        if (d < bestDistance) {
            bestDistance = d;
            best = p;
        }
        if (p >= live().text().size())
            break;
        p = live().nextBoundary(p);
    }
    return best;
}

Size TextField::intrinsicContentSize() const {
    const FontMetrics metrics = font_.metrics();
    const double inset = bezelStyle_ == BezelStyle::roundedBorder ? kBezelInset : 1;
    const double width =
        measureText(live().text().empty() ? placeholder_ : live().text(), textAttributes()).width;
    return {std::ceil(width + 2 * inset + 2), std::ceil(metrics.lineHeight + (inset > 1 ? 6 : 2))};
}

void TextField::draw(GraphicsContext& context, const Rect&) {
    drawBackground(context);
    drawEditor(context);
}

void TextField::drawBackground(GraphicsContext& context) {
    if (bezelStyle_ != BezelStyle::roundedBorder)
        return;
    const Rect box = bounds().insetBy(0.5, 0.5);
    context.fillPath(Path::roundedRect(box, 4), Color{0, 0, 0, 0.25});
    context.strokePath(Path::roundedRect(box, 4),
                       isFirstResponder() ? Color{0.35, 0.6, 1.0, 0.9} : Color{1, 1, 1, 0.35});
}

void TextField::drawEditor(GraphicsContext& context) {
    const bool focused = isFirstResponder();
    const Rect r = textRect();
    GraphicsStateGuard guard(context);
    context.clipToRect(r);

    // Keep the caret inside the visible width when the text is wider than the field; unfocused,
    // the field shows the text's start.
    TextAttributes a = textAttributes();
    const double fullWidth = measureText(live().text(), a).width;
    if (fullWidth <= r.width() || !focused) {
        scrollX_ = 0;
    } else {
        const double caretX = xForPosition(live().caret());
        if (caretX > r.maxX())
            scrollX_ += caretX - r.maxX() + 2;
        else if (caretX < r.x())
            scrollX_ -= r.x() - caretX;
        scrollX_ = std::clamp(scrollX_, 0.0, fullWidth - r.width() + 2);
    }
    const FontMetrics metrics = a.font.metrics();
    const double lineHeight = metrics.lineHeight > 0 ? metrics.lineHeight : a.font.size() * 1.2;
    const double y = r.y() + (r.height() - lineHeight) / 2;

    std::optional<Rect> selected;
    if (focused && live().hasSelection()) {
        const auto [start, end] = live().selection();
        const double x0 = xForPosition(start);
        const double x1 = xForPosition(end);
        selected = Rect{x0, y, x1 - x0, lineHeight};
        context.fillRect(*selected, selectionColor());
    }
    if (live().text().empty()) {
        if (!placeholder_.empty()) {
            TextAttributes pa = a;
            pa.color = placeholderColor_ ? *placeholderColor_ : a.color.withAlpha(a.color.a * 0.4);
            pa.alignment = alignment_;
            context.drawText(placeholder_, Rect{r.x(), y, r.width(), lineHeight}, pa);
        }
    } else {
        context.drawText(live().text(), Point{textOriginX(), y}, a);
        if (const auto selectedText = selectedTextColor(); selected && selectedText) {
            // The selected part again, in its own colour.
            GraphicsStateGuard inner(context);
            context.clipToRect(*selected);
            TextAttributes sa = a;
            sa.color = *selectedText;
            context.drawText(live().text(), Point{textOriginX(), y}, sa);
        }
    }
    if (focused && !live().hasSelection() && isEnabled() && editable_) {
        const double x = std::round(xForPosition(live().caret()) * 2) / 2;
        context.fillRect(Rect{x, y, 1, lineHeight}, caretColor().value_or(a.color));
    }
}

} // namespace tk
