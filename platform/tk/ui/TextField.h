#pragma once

// A text field node over the classic tk::TextField (caret, selection, typing, clipboard).
//
//     TextField("", valueString.binding())
//         .focused(editingFocussed.binding())
//         .onKeyPress([this](const tk::Event& e) { return e.keyCode == tk::KeyCode::escape && finish(); })
//         .onSubmit([this] { apply(); })
//         .textFieldStyle(TextFieldStyle::roundedBorder)
//         .font(...).foregroundColor(...).multilineTextAlignment(TextAlignment::center)
//         .frame(50, 40)
//
//   - text: every edit writes the binding; a rebuild that brings another text puts it into the
//     field (an equal text leaves caret and selection alone).
//   - focus: while the binding reads true the field is made first responder of its window (after
//     the build that set it); false takes the focus away. The field writes the binding when it
//     gains or loses the focus itself (a click into it, a click elsewhere, Tab).
//   - onKeyPress sees every key-down (repeats too) before the field; returning true takes the key.
//   - onSubmit runs on Return.
// Font, text colour, kerning, alignment and the enabled state come from the environment.

#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"
#include "platform/tk/view/Event.h"

#include <functional>
#include <string>

namespace tk::ui {

enum class TextFieldStyle { plain, roundedBorder };

class TextFieldNode : public Node {
public:
    using Node::Node;
    TextFieldNode focused(Binding<bool> isFocused) const;
    TextFieldNode onSubmit(std::function<void()> action) const;
    // Return true when the key was handled (it then does not reach the field).
    TextFieldNode onKeyPress(std::function<bool(const Event& keyDown)> handler) const;
    TextFieldNode textFieldStyle(TextFieldStyle style) const;
};

TextFieldNode TextField(std::string placeholder, Binding<std::string> text);

} // namespace tk::ui
