#pragma once

// WendleStyledTextField: a StyledTextField inside declarative views, with its text bound two-way.
//
//     WendleStyledTextField(std::string("Name"), name.binding(), nullptr,
//                           [](bool changing) { ... }).node()
//         .lineLimit(1).truncationMode(tk::TruncationMode::middle)
//
// The coordinator is the field's delegate: each change of the text writes the field's text into
// the binding and then calls onEditingChanged(true); the end of an editing session calls
// onEditingChanged(false) and leaves the binding alone.
//
// Every update first hands the coordinator the current view value (so typing writes to the
// binding and calls the callback of the latest build, never of the first), then sets the text -
// only when it differs from the field's, so the caret stays where the user is typing - and the
// placeholder (none clears it), then reads the environment:
//   multilineTextAlignment -> alignment (leading: left), truncationMode -> line break mode (head,
//   tail and middle truncate there; any other stops the program with "Unknown truncation mode"),
//   allowsTightening -> tightening, lineLimit -> maximum number of lines (none: 0, no limit),
//   isEnabled -> enabled.
// The field draws with StyledTextField's own cell style; `style` travels with the value. It takes
// the width it is offered and its own height.
//
// All of it is [main].

#include "Tessaly/Controls/StyledTextField.h"
#include "Tessaly/Styles/TextFieldCellStyles.h"

#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"
#include "platform/tk/view/TextField.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class WendleStyledTextField {
public:
    using EditingChanged = std::function<void(bool isEditing)>;
    class Coordinator;

    // A missing style is a new TextFieldCellStyle with its defaults.
    WendleStyledTextField(std::optional<std::string> placeholder, tk::ui::Binding<std::string> text,
                          std::shared_ptr<TextFieldCellStyle> style = nullptr,
                          EditingChanged onEditingChanged = {});

    const std::optional<std::string>& placeholder() const { return placeholder_; }
    const tk::ui::Binding<std::string>& text() const { return text_; }
    const std::shared_ptr<TextFieldCellStyle>& style() const { return style_; }
    const EditingChanged& onEditingChanged() const { return onEditingChanged_; }

    std::shared_ptr<Coordinator> makeCoordinator() const;
    // A zero-frame field with the placeholder, expansion tool tips, the coordinator as its delegate
    // and the environment; its text comes with the first update.
    std::shared_ptr<StyledTextField> makeView(const std::shared_ptr<Coordinator>& coordinator) const;
    void updateView(StyledTextField& field, Coordinator& coordinator) const;

    tk::ui::Node node() const;

private:
    std::optional<std::string> placeholder_;
    tk::ui::Binding<std::string> text_;
    std::shared_ptr<TextFieldCellStyle> style_;
    EditingChanged onEditingChanged_;
};

class WendleStyledTextField::Coordinator : public tk::TextFieldDelegate {
public:
    explicit Coordinator(WendleStyledTextField value) : parent(std::move(value)) {}

    void controlTextDidChange(tk::TextField& field) override;
    void controlTextDidEndEditing(tk::TextField& field) override;

    WendleStyledTextField parent;
};

} // namespace Tessaly
