#pragma once

// TextFieldCell: the look of a text field - its text (the hosting field's), placeholder, colours,
// background, line limit, truncation and tightening - and the rectangles a subclass moves the text
// and the editor by.
//
// Geometry (each member asks the others through their virtual entry points):
//   - drawingRect(bounds): Cell's (inset kBorderInset when bordered or bezeled).
//   - titleRect(bounds): the drawing rect. The text is drawn inside it less kLinePadding on the
//     left and right, a line that does not wrap centred vertically, where the editor shows it.
//   - editWithFrame / selectWithFrame(frame): where the field editor edits the text when editing
//     starts with a click / with the whole text selected: drawingRect(frame) less kLinePadding on
//     the left and right by default. A subclass
//     passes another frame to these (its title rect, say) and flags its drawing meanwhile. The
//     field asks again whenever it lays the editor out, so the editor follows the cell's rect.
//   - setUpFieldEditorAttributes(attributes): the font and colours the editor draws with: the
//     cell's font and text colour by default, the toolkit's selection colour, no background.
//
// Drawing: draw(frame) fills the background colour when drawsBackground, draws the plain bezel
// when bezeled or bordered, then drawInterior(frame). drawInterior draws nothing while
// showsFirstResponder (the field editor shows the text then); otherwise the text, or the
// placeholder in the placeholder colour when the text is empty, into titleRect(frame), cut by the
// line break mode (tightened first when allowed) within maximumNumberOfLines.
//
// All members are [main].

#include "platform/tk/controls/ActionCell.h"
#include "platform/tk/graphics/TextLayout.h"

#include <optional>
#include <string>

namespace tk {

class TextField;

// The look of the field editor while it edits a cell's text.
struct FieldEditorAttributes {
    Font font;
    Color textColor;
    bool drawsBackground = false;
    Color backgroundColor = Color::clear();
    Color insertionPointColor;
    Color selectedBackgroundColor;
    // None: the selected text keeps the text colour.
    std::optional<Color> selectedTextColor;
};

class TextFieldCell : public ActionCell {
public:
    // The toolkit's selection colour.
    static Color defaultSelectionColor();
    // Between the text and the left and right of its rect.
    static constexpr double kLinePadding = 2;

    TextFieldCell();
    explicit TextFieldCell(std::string text);

    // The text: the hosting text field's while there is one, else the cell's title.
    const std::string& stringValue() const;
    void setStringValue(std::string text);
    // The text in the cell's font, text colour, alignment and line break mode.
    virtual AttributedString attributedStringValue() const;

    virtual std::optional<std::string> placeholderString() const { return placeholder_; }
    virtual void setPlaceholderString(std::optional<std::string> placeholder);
    // When set, drawn in place of the plain placeholder.
    const std::optional<AttributedString>& placeholderAttributedString() const {
        return placeholderAttributed_;
    }
    void setPlaceholderAttributedString(std::optional<AttributedString> placeholder);

    Color textColor() const override;
    void setTextColor(std::optional<Color> color);
    std::optional<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::optional<Color> color);
    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool draws);
    // Set by the hosting field while it holds the focus (its editor shows the text).
    bool showsFirstResponder() const { return showsFirstResponder_; }
    void setShowsFirstResponder(bool shows) { showsFirstResponder_ = shows; }
    // 0: no limit.
    int maximumNumberOfLines() const { return maximumNumberOfLines_; }
    void setMaximumNumberOfLines(int lines);
    bool allowsDefaultTighteningForTruncation() const { return tightening_; }
    void setAllowsDefaultTighteningForTruncation(bool allows);

    // --- Editing (see the class comment) ----------------------------------------------------
    virtual Rect editWithFrame(const Rect& frame, View& controlView);
    virtual Rect selectWithFrame(const Rect& frame, View& controlView);
    virtual FieldEditorAttributes setUpFieldEditorAttributes(FieldEditorAttributes attributes) const;
    // The attributes a field editor starts from: the cell's font and colours.
    FieldEditorAttributes defaultFieldEditorAttributes() const;

    void setControlView(View* view) override;
    Size cellSize() const override;
    void draw(const Rect& frame, View& controlView, GraphicsContext& context) override;
    void drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) override;

    // One line of lineFont() centred vertically in `rect`, at `rect`'s x and width; `rect` itself
    // when the line does not fit in it or the font has no line height.
    Rect lineCentredIn(const Rect& rect) const;
    // The font a line is measured in: the cell's; a subclass that draws its text in another font
    // returns that one, so that the line box fits what is drawn.
    virtual Font lineFont() const { return font(); }

    // Draws `text` into `rect` by the cell's line limit, line break mode and tightening.
    void drawText(const AttributedString& text, const Rect& rect, GraphicsContext& context) const;

private:
    // The control view when it is a text field, found once as the view is set: the text is read
    // from it on every draw.
    TextField* field_ = nullptr;
    std::optional<std::string> placeholder_;
    std::optional<AttributedString> placeholderAttributed_;
    std::optional<Color> textColor_;
    std::optional<Color> backgroundColor_;
    int maximumNumberOfLines_ = 0;
    bool drawsBackground_ = false;
    bool showsFirstResponder_ = false;
    bool tightening_ = false;
    // The text last drawn as laid out, with what it was laid out from: while none of that changes
    // it is drawn again as it is.
    struct DrawnText {
        TextLayout layout;
        TextAttributes attributes; // the run's, before the line rules were applied
        double width = 0;          // of the rect, as given
        LineBreakMode lineBreakMode = LineBreakMode::truncatingTail;
        int maximumNumberOfLines = 0;
        bool tightening = false;
    };
    mutable std::optional<DrawnText> drawnText_;
};

} // namespace tk
