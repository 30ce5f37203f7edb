#include "platform/tk/view/FieldEditor.h"

#include "platform/tk/view/TextField.h"

namespace tk {

void FieldEditor::attach(TextField& field, const TextEditor& state) {
    field_ = &field;
    client_ = field.weak_from_this();
    editor_ = state;
}

void FieldEditor::detach(const TextField& field) {
    if (client() != &field)
        return;
    field_ = nullptr;
    client_.reset();
    editor_ = TextEditor();
}

} // namespace tk
