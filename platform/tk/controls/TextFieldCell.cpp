#include "platform/tk/controls/TextFieldCell.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/TextField.h"

#include <cmath>

namespace tk {

namespace {

TruncationMode truncationFor(LineBreakMode mode) {
    switch (mode) {
    case LineBreakMode::truncatingHead:
        return TruncationMode::head;
    case LineBreakMode::truncatingMiddle:
        return TruncationMode::middle;
    case LineBreakMode::truncatingTail:
        return TruncationMode::tail;
    default:
        return TruncationMode::none;
    }
}

bool wraps(LineBreakMode mode) {
    return mode == LineBreakMode::wordWrapping || mode == LineBreakMode::charWrapping;
}

// How much tighter than normal a line may be set before it is truncated (points per character).
constexpr double kTightening = -0.5;

} // namespace

Color TextFieldCell::defaultSelectionColor() {
    return Color{0.3, 0.5, 0.9, 0.45};
}

TextFieldCell::TextFieldCell() : TextFieldCell(std::string{}) {}

TextFieldCell::TextFieldCell(std::string text) : ActionCell(std::move(text)) {}

void TextFieldCell::setControlView(View* view) {
    ActionCell::setControlView(view);
    field_ = dynamic_cast<TextField*>(view);
}

const std::string& TextFieldCell::stringValue() const {
    return field_ ? field_->text() : title();
}

void TextFieldCell::setStringValue(std::string text) {
    if (field_)
        field_->setText(std::move(text));
    else
        setTitle(std::move(text));
}

AttributedString TextFieldCell::attributedStringValue() const {
    TextAttributes a = titleAttributes();
    a.lineLimit = maximumNumberOfLines_;
    a.truncation = truncationFor(lineBreakMode());
    return AttributedString(stringValue(), a);
}

void TextFieldCell::setPlaceholderString(std::optional<std::string> placeholder) {
    placeholder_ = std::move(placeholder);
    updateControlView(true);
}

void TextFieldCell::setPlaceholderAttributedString(std::optional<AttributedString> placeholder) {
    placeholderAttributed_ = std::move(placeholder);
    updateControlView(true);
}

Color TextFieldCell::textColor() const {
    if (textColor_)
        return *textColor_;
    return Cell::textColor();
}

void TextFieldCell::setTextColor(std::optional<Color> color) {
    textColor_ = color;
    updateControlView();
}

void TextFieldCell::setBackgroundColor(std::optional<Color> color) {
    backgroundColor_ = color;
    updateControlView();
}

void TextFieldCell::setDrawsBackground(bool draws) {
    drawsBackground_ = draws;
    updateControlView();
}

void TextFieldCell::setMaximumNumberOfLines(int lines) {
    maximumNumberOfLines_ = std::max(0, lines);
    updateControlView(true);
}

void TextFieldCell::setAllowsDefaultTighteningForTruncation(bool allows) {
    tightening_ = allows;
    updateControlView();
}

Rect TextFieldCell::editWithFrame(const Rect& frame, View&) {
    return drawingRect(frame).insetBy(kLinePadding, 0);
}

Rect TextFieldCell::selectWithFrame(const Rect& frame, View&) {
    return drawingRect(frame).insetBy(kLinePadding, 0);
}

FieldEditorAttributes TextFieldCell::defaultFieldEditorAttributes() const {
    FieldEditorAttributes a;
    a.font = font();
    a.textColor = textColor();
    a.insertionPointColor = textColor();
    a.selectedBackgroundColor = defaultSelectionColor();
    return a;
}

FieldEditorAttributes TextFieldCell::setUpFieldEditorAttributes(FieldEditorAttributes attributes) const {
    return attributes;
}

Size TextFieldCell::cellSize() const {
    const std::string text = stringValue();
    Size content;
    if (!text.empty())
        content = attributedStringValue().size();
    else if (placeholderAttributed_)
        content = placeholderAttributed_->size();
    else if (placeholder_)
        content = AttributedString(*placeholder_, titleAttributes()).size();
    const FontMetrics metrics = font().metrics();
    content.height = std::max(content.height, metrics.lineHeight); // an empty field is one line tall
    const Size pad = drawingInsetSize();
    return Size{std::ceil(content.width + 2 * kLinePadding + pad.width),
                std::ceil(content.height + pad.height)};
}

void TextFieldCell::draw(const Rect& frame, View& controlView, GraphicsContext& context) {
    if (drawsBackground_ && backgroundColor_)
        context.fillRect(frame, *backgroundColor_);
    if (isBezeled()) {
        context.fillRect(frame, controlBackgroundColor());
        context.strokeRect(frame.insetBy(0.5, 0.5), separatorColor());
    } else if (isBordered()) {
        context.strokeRect(frame.insetBy(0.5, 0.5), controlTextColor().withAlpha(0.4));
    }
    drawInterior(frame, controlView, context);
}

void TextFieldCell::drawInterior(const Rect& frame, View&, GraphicsContext& context) {
    if (showsFirstResponder_)
        return;
    // Where the editor would show it: inside the line padding, one line centred vertically.
    Rect rect = titleRect(frame).insetBy(kLinePadding, 0);
    if (!wraps(lineBreakMode()) || maximumNumberOfLines_ == 1)
        rect = lineCentredIn(rect);
    if (!stringValue().empty()) {
        drawText(attributedStringValue(), rect, context);
    } else if (placeholderAttributed_) {
        drawText(*placeholderAttributed_, rect, context);
    } else if (placeholder_ && !placeholder_->empty()) {
        TextAttributes a = titleAttributes();
        a.color = a.color.withAlpha(a.color.a * 0.4);
        drawText(AttributedString(*placeholder_, a), rect, context);
    }
}

Rect TextFieldCell::lineCentredIn(const Rect& rect) const {
    const double line = lineFont().metrics().lineHeight;
    if (line <= 0 || line >= rect.height())
        return rect;
    return Rect{rect.x(), rect.y() + (rect.height() - line) / 2, rect.width(), line};
}

void TextFieldCell::drawText(const AttributedString& text, const Rect& rect, GraphicsContext& context) const {
    if (text.empty())
        return;
    if (text.runs().size() > 1) {
        text.draw(context, rect);
        return;
    }
    const TextRun& run = text.runs().front();
    // Compared before anything is copied: a cell draws the same text at every frame.
    const DrawnText* drawn = drawnText_ ? &*drawnText_ : nullptr;
    if (!drawn || drawn->width != rect.width() || drawn->lineBreakMode != lineBreakMode() ||
        drawn->maximumNumberOfLines != maximumNumberOfLines_ || drawn->tightening != tightening_ ||
        drawn->layout.text() != run.text || !(drawn->attributes == run.attributes)) {
        TextAttributes a = run.attributes;
        a.lineLimit = wraps(lineBreakMode()) ? maximumNumberOfLines_ : 1;
        a.truncation = truncationFor(lineBreakMode());
        if (tightening_ && a.lineLimit == 1 && a.truncation != TruncationMode::none &&
            measureText(run.text, a).width > rect.width()) {
            TextAttributes tight = a;
            tight.letterSpacing += kTightening;
            if (measureText(run.text, tight).width <= rect.width())
                a = tight;
        }
        drawnText_.emplace(
            DrawnText{.layout = TextLayout(run.text, std::move(a), rect.standardized().width()),
                      .attributes = run.attributes,
                      .width = rect.width(),
                      .lineBreakMode = lineBreakMode(),
                      .maximumNumberOfLines = maximumNumberOfLines_,
                      .tightening = tightening_});
    }
    context.drawText(drawnText_->layout, rect);
}

} // namespace tk
