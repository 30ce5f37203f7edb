#pragma once

// FieldEditor: the one editor a window lends to the text field that has its focus.
//
// It holds the editing state of that field's text - a TextEditor: the text, the caret and the
// selection - and the look of the editing: the selection's background, the selected text's colour
// and the caret's. The field it edits (its client) sets these up as the editing begins (a field
// whose look lives in a cell, from the cell) and may change them while it edits.
//
// A field attaches the editor when it becomes first responder (the field that had it hands its
// state back first) and detaches it when it resigns; the field keeps its own copy of the text,
// brought up to date at every change, so the text stays with the field when the editor moves on
// to another field or the window goes. Keys and typed text still go to the focused field, which
// edits through the editor. [main]

#include "platform/tk/base/Color.h"
#include "platform/tk/view/TextEditor.h"

#include <memory>
#include <optional>

namespace tk {

class TextField;
class Responder;

class FieldEditor {
public:
    // The toolkit's selection colour: a light blue.
    static constexpr Color kDefaultSelectionColor{0.3, 0.5, 0.9, 0.45};

    // The field being edited; none while the editor is idle (or its field is gone).
    TextField* client() const { return client_.expired() ? nullptr : field_; }
    // Starts editing `field`'s text from `state` (its text, caret and selection).
    void attach(TextField& field, const TextEditor& state);
    // Stops editing `field` (nothing when another field has the editor); the editor is idle.
    void detach(const TextField& field);

    TextEditor& editor() { return editor_; }
    const TextEditor& editor() const { return editor_; }

    Color selectionColor() const { return selectionColor_; }
    void setSelectionColor(Color color) { selectionColor_ = color; }
    // None: the selected text keeps the text colour.
    std::optional<Color> selectedTextColor() const { return selectedTextColor_; }
    void setSelectedTextColor(std::optional<Color> color) { selectedTextColor_ = color; }
    // None: the caret takes the text colour.
    std::optional<Color> insertionPointColor() const { return insertionPointColor_; }
    void setInsertionPointColor(std::optional<Color> color) { insertionPointColor_ = color; }

private:
    TextEditor editor_;
    TextField* field_ = nullptr;
    std::weak_ptr<Responder> client_;
    Color selectionColor_ = kDefaultSelectionColor;
    std::optional<Color> selectedTextColor_;
    std::optional<Color> insertionPointColor_;
};

} // namespace tk
