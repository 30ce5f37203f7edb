#pragma once

// TextField: a single-line text field (caret, selection, typing, clipboard).
//
// While it has the focus the field edits through its window's one field editor (FieldEditor.h):
// the editor holds the text, caret and selection then, and the colours of the selection and the
// caret, which the field sets up as it becomes first responder (setUpFieldEditor). The field keeps
// its own copy of the text, up to date at every change; it takes the editor's state back when it
// resigns, so its text survives losing and regaining the focus. Outside a window it edits its own
// copy.
//
// Editing session: it begins when the field becomes first responder (all text selected; a click
// then places the caret) or, after an earlier session ended with Return or Escape while the field
// kept the focus, with the next edit. It ends with
//   - Return: onEndEditing(returnKey), then onSubmit and the control's action;
//   - Escape: the text goes back to what it was when the session began, onEndEditing(escape),
//     then onCancel;
//   - focus loss (another responder, a click elsewhere, the field leaving the window or the window
//     closing): onEndEditing(focusLost); the typed text stays.
// The key handler sees every key-down first and can take it (return true), e.g. to give Escape its
// own meaning. Typed text arrives as text input events (Window, EventType::textInput).
//
// Keys: Left/Right (Shift extends, Alt or Ctrl by word), Home/Up and End/Down, Backspace and
// Delete (Alt or Ctrl by word), Ctrl/Command + A, C, X, V. Double click selects all. The actions
// "selectAll:", "copy:", "cut:" and "paste:" (from a menu, say) do the same.

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/view/Control.h"
#include "platform/tk/view/FieldEditor.h"
#include "platform/tk/view/TextEditor.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tk {

class Clipboard;
class FieldEditor;

enum class TextEditingEndReason { returnKey, escape, focusLost };

class TextField;

// Told of a field's editing after the field's own callbacks: a session began, the text changed
// (typing, deleting, cutting, pasting, Escape), a session ended (for any reason).
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual void controlTextDidBeginEditing(TextField&) {}
    virtual void controlTextDidChange(TextField&) {}
    virtual void controlTextDidEndEditing(TextField&) {}
};

class TextField : public Control {
public:
    enum class BezelStyle { none, roundedBorder };

    using Callback = std::function<void(TextField&)>;
    using ChangeCallback = std::function<void(TextField&, const std::string& text)>;
    using EndCallback = std::function<void(TextField&, TextEditingEndReason)>;
    using KeyHandler = std::function<bool(TextField&, const Event& keyDown)>;

    TextField() = default;
    explicit TextField(Rect frame) : Control(frame) {}

    // --- Content and look ------------------------------------------------------------------
    const std::string& text() const { return live().text(); }
    // Replaces the text (caret to the end); does not call onChange.
    void setText(std::string text);
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(std::string placeholder);
    const Font& font() const { return font_; }
    void setFont(Font font);
    Color textColor() const { return textColor_; }
    void setTextColor(Color color);
    // Placeholder colour; the text colour at 40 % when unset.
    void setPlaceholderColor(std::optional<Color> color);
    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment);
    // Extra space between characters (kerning), points.
    double letterSpacing() const { return letterSpacing_; }
    void setLetterSpacing(double spacing);
    BezelStyle bezelStyle() const { return bezelStyle_; }
    void setBezelStyle(BezelStyle style);
    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    // A field that is neither editable nor selectable takes no focus (a label, a message).
    bool isSelectable() const { return selectable_; }
    void setSelectable(bool selectable) { selectable_ = selectable; }
    // The editor's colours: the selection's background (a light blue by default), the selected
    // text's colour (the text colour when unset) and the caret's (the text colour when unset).
    // While the field edits through its window's field editor these are the editor's.
    Color selectionColor() const;
    void setSelectionColor(Color color);
    std::optional<Color> selectedTextColor() const;
    void setSelectedTextColor(std::optional<Color> color);
    std::optional<Color> caretColor() const;
    void setCaretColor(std::optional<Color> color);

    // --- Editing state ---------------------------------------------------------------------
    bool isEditing() const { return editing_; }
    // The editing state: the window's field editor's while it edits this field, else the field's.
    const TextEditor& editor() const { return live(); }
    std::size_t caret() const { return live().caret(); }
    std::pair<std::size_t, std::size_t> selection() const { return live().selection(); }
    // The window's field editor while it edits this field; none otherwise.
    FieldEditor* attachedFieldEditor() const;
    // Takes the field editor's state back and lets the editor go (nothing when it edits another
    // field). The window's focus does not move.
    void releaseFieldEditor();
    void setSelection(std::size_t anchor, std::size_t caret);
    void selectAll();

    // --- Callbacks -------------------------------------------------------------------------
    Callback onBeginEditing;
    ChangeCallback onChange;
    EndCallback onEndEditing;
    Callback onSubmit;
    Callback onCancel;
    KeyHandler keyHandler;
    // Held weakly: the delegate's owner keeps it.
    TextFieldDelegate* delegate() const { return delegate_.lock().get(); }
    void setDelegate(std::weak_ptr<TextFieldDelegate> delegate) { delegate_ = std::move(delegate); }

    // Ends the running session as if the focus went away (focusLost); nothing when not editing.
    void endEditing();

    // --- Geometry used by drawing and clicks -----------------------------------------------
    // Where the text starts (x) in the field's coordinates, and the x of a byte position.
    double textOriginX() const;
    double xForPosition(std::size_t position) const;
    // The code point boundary nearest to `x`.
    std::size_t positionForX(double x) const;
    Size intrinsicContentSize() const override;

    // --- Responder -------------------------------------------------------------------------
    bool acceptsFirstResponder() const override { return isEnabled() && (editable_ || selectable_); }
    bool takesFocusOnClick() const override { return true; }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool keyDown(const Event& event) override;
    bool insertText(const std::string& text) override;
    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    void mouseCancelled(const Event& event) override;
    // drawBackground, then drawEditor.
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

    // --- Hooks of fields that draw themselves another way ------------------------------------
    // Where the text is laid out, edited and clicked (bounds less the bezel inset by default).
    virtual Rect textRect() const;
    // The font and colour the text is measured and drawn with (the field's by default).
    virtual TextAttributes textAttributes() const;
    // The bezel (the rounded border of roundedBorder).
    virtual void drawBackground(GraphicsContext& context);
    // The text (or placeholder), the selection and the caret, in textRect(), one line centred
    // vertically in it.
    void drawEditor(GraphicsContext& context);

protected:
    void setup() override;
    // Runs after the text changed by typing, deleting, cutting, pasting or Escape, after onChange.
    virtual void textDidChange() {}
    // Sets up the window's field editor as the field becomes first responder: the field's
    // selection, selected text and caret colours by default.
    virtual void setUpFieldEditor(FieldEditor& fieldEditor) const;
    // Run when an editing session begins and ends, before onBeginEditing and onEndEditing.
    virtual void editingDidBegin() {}
    virtual void editingDidEnd(TextEditingEndReason) {}

private:
    TextEditor& live();
    const TextEditor& live() const;
    void beginEditingIfNeeded();
    void finishEditing(TextEditingEndReason reason);
    void textChanged();
    Clipboard& clipboard() const;
    bool copy();
    bool cut();
    bool paste();

    TextEditor editor_; // the field's own copy (see the class comment)
    std::weak_ptr<TextFieldDelegate> delegate_;
    std::string textBeforeEditing_;
    std::string placeholder_;
    Font font_ = Font::system(13);
    Color textColor_ = Color::black();
    std::optional<Color> placeholderColor_;
    TextAlignment alignment_ = TextAlignment::left;
    double letterSpacing_ = 0;
    BezelStyle bezelStyle_ = BezelStyle::none;
    Color selectionColor_ = FieldEditor::kDefaultSelectionColor;
    std::optional<Color> selectedTextColor_;
    std::optional<Color> caretColor_;
    double scrollX_ = 0; // how far the text is moved left to keep the caret in view
    bool editable_ = true;
    bool selectable_ = true;
    bool editing_ = false;
    bool selectingWithMouse_ = false;
};

} // namespace tk
