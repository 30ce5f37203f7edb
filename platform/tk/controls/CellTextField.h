#pragma once

// CellTextField: a text field whose look lives in a TextFieldCell (its cell class, made by
// makeCell() when the field is made). The field keeps the text and the editing (TextField); the
// cell draws it and places it:
//   - unfocused, the cell draws everything (draw(bounds));
//   - focused, the cell draws its background and bezel (its interior is off: showsFirstResponder)
//     and the field draws the window's field editor - text, selection and caret - in the rect the
//     cell's selectWithFrame / editWithFrame answers (select while the whole text is selected, as
//     when the focus arrives), in the font and colours of setUpFieldEditorAttributes;
//   - the focus ring: drawFocusRingMask() (the cell's by default), while the window is key and the
//     field has the keyboard focus (and the cell's focus ring type is not none);
//   - intrinsicContentSize is the cell's cellSize().
// Enabled, font, alignment, placeholder, colours, line limit, truncation and tightening are the
// cell's; the field's own setters forward to it.

#include "platform/tk/base/Subscription.h"
#include "platform/tk/controls/OwnedCell.h"
#include "platform/tk/controls/TextFieldCell.h"
#include "platform/tk/view/TextField.h"

#include <memory>

namespace tk {

class CellTextField : public TextField {
public:
    CellTextField() = default;
    explicit CellTextField(Rect frame) : TextField(frame) {}

    TextFieldCell* cell() const { return cell_.get(); }
    // The field becomes the new cell's control view; a null cell is refused.
    void setCell(std::unique_ptr<TextFieldCell> cell);

    // --- Forwarded to the cell (they hide TextField's setters of the same names) ------------
    void setFont(Font font);
    void setAlignment(TextAlignment alignment);
    void setPlaceholder(std::string placeholder);
    void setTextColor(Color color);
    std::optional<std::string> placeholderString() const { return cell_->placeholderString(); }
    void setPlaceholderString(std::optional<std::string> placeholder);
    LineBreakMode lineBreakMode() const { return cell_->lineBreakMode(); }
    void setLineBreakMode(LineBreakMode mode) { cell_->setLineBreakMode(mode); }
    int maximumNumberOfLines() const { return cell_->maximumNumberOfLines(); }
    void setMaximumNumberOfLines(int lines) { cell_->setMaximumNumberOfLines(lines); }
    bool allowsDefaultTighteningForTruncation() const {
        return cell_->allowsDefaultTighteningForTruncation();
    }
    void setAllowsDefaultTighteningForTruncation(bool allows) {
        cell_->setAllowsDefaultTighteningForTruncation(allows);
    }
    bool isBezeled() const { return cell_->isBezeled(); }
    void setBezeled(bool bezeled) { cell_->setBezeled(bezeled); }
    bool isBordered() const { return cell_->isBordered(); }
    void setBordered(bool bordered) { cell_->setBordered(bordered); }
    bool drawsBackground() const { return cell_->drawsBackground(); }
    void setDrawsBackground(bool draws) { cell_->setDrawsBackground(draws); }
    std::optional<Color> backgroundColor() const { return cell_->backgroundColor(); }
    void setBackgroundColor(std::optional<Color> color) { cell_->setBackgroundColor(color); }

    // With expansion tool tips, an unfocused field whose text does not fit shows the whole text as
    // its tool tip (when it has no tool tip of its own).
    bool allowsExpansionToolTips() const { return expansionToolTips_; }
    void setAllowsExpansionToolTips(bool allows) { expansionToolTips_ = allows; }
    std::string shownToolTip() const override;

    bool isEnabled() const override;
    void setEnabled(bool enabled) override;

    // The editor's font and colours now (the cell's setUpFieldEditorAttributes).
    FieldEditorAttributes fieldEditorAttributes() const;
    // Whether the focus ring shows now (see the class comment).
    bool showsFocusRing() const;
    // The focus ring's area and its drawing, the cell's by default. A field that paints a ring of
    // its own overrides drawFocusRingMask with nothing.
    virtual Rect focusRingMaskBounds() const;
    virtual void drawFocusRingMask(GraphicsContext& context);

    Rect textRect() const override;
    TextAttributes textAttributes() const override;
    Size intrinsicContentSize() const override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    void viewDidMoveToWindow() override;

protected:
    // The field's cell class: the cell a new field gets.
    virtual std::unique_ptr<TextFieldCell> makeCell() const;
    // The window's field editor takes the colours of the cell's setUpFieldEditorAttributes.
    void setUpFieldEditor(FieldEditor& fieldEditor) const override;
    void setup() override;

private:
    OwnedCell<TextFieldCell> cell_;
    bool expansionToolTips_ = false;
    Subscription keyState_; // redraws the focus ring when the window gains or loses key state
};

} // namespace tk
