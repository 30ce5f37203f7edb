#include "Tessaly/Declarative/WendleStyledTextField.h"

#include "Tessaly/Declarative/FieldSizing.h"
#include "Tessaly/Declarative/LineBreakMode.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Representable.h"

namespace Tessaly {

namespace {

tk::TextAlignment fieldAlignment(tk::TextAlignment alignment) {
    return alignment == tk::TextAlignment::leading ? tk::TextAlignment::left : alignment;
}

} // namespace

WendleStyledTextField::WendleStyledTextField(std::optional<std::string> placeholder,
                                             tk::ui::Binding<std::string> text,
                                             std::shared_ptr<TextFieldCellStyle> style,
                                             EditingChanged onEditingChanged)
    : placeholder_(std::move(placeholder)), text_(std::move(text)),
      style_(style ? std::move(style) : std::make_shared<TextFieldCellStyle>()),
      onEditingChanged_(std::move(onEditingChanged)) {}

std::shared_ptr<WendleStyledTextField::Coordinator> WendleStyledTextField::makeCoordinator() const {
    return std::make_shared<Coordinator>(*this);
}

std::shared_ptr<StyledTextField>
WendleStyledTextField::makeView(const std::shared_ptr<Coordinator>& coordinator) const {
    TK_CHECK_MAIN_THREAD();
    auto field = tk::View::make<StyledTextField>(tk::Rect{});
    field->setPlaceholderString(placeholder_);
    field->setTranslatesAutoresizingMaskIntoConstraints(false);
    field->setAllowsExpansionToolTips(true);
    field->setDelegate(coordinator);
    field->setAllowsDefaultTighteningForTruncation(tk::ui::environment<tk::ui::AllowsTighteningKey>());
    field->setMaximumNumberOfLines(tk::ui::environment<tk::ui::LineLimitKey>().value_or(0));
    field->setAlignment(fieldAlignment(tk::ui::environment<tk::ui::MultilineTextAlignmentKey>()));
    field->setLineBreakMode(lineBreakMode(tk::ui::environment<tk::ui::TruncationModeKey>()));
    field->setEnabled(tk::ui::environment<tk::ui::IsEnabledKey>());
    return field;
}

void WendleStyledTextField::updateView(StyledTextField& field, Coordinator& coordinator) const {
    TK_CHECK_MAIN_THREAD();
    coordinator.parent = *this;
    if (std::string value = text_.get(); value != field.text())
        field.setText(std::move(value));
    field.setPlaceholderString(placeholder_);
    field.setAlignment(fieldAlignment(tk::ui::environment<tk::ui::MultilineTextAlignmentKey>()));
    field.setLineBreakMode(lineBreakMode(tk::ui::environment<tk::ui::TruncationModeKey>()));
    field.setAllowsDefaultTighteningForTruncation(tk::ui::environment<tk::ui::AllowsTighteningKey>());
    field.setMaximumNumberOfLines(tk::ui::environment<tk::ui::LineLimitKey>().value_or(0));
    field.setEnabled(tk::ui::environment<tk::ui::IsEnabledKey>());
}

tk::ui::Node WendleStyledTextField::node() const {
    const WendleStyledTextField value = *this;
    return tk::ui::RepresentableWithCoordinator<StyledTextField, std::shared_ptr<Coordinator>>({
        .makeCoordinator = [value] { return value.makeCoordinator(); },
        .make = [value](std::shared_ptr<Coordinator>& coordinator) { return value.makeView(coordinator); },
        .update =
            [value](StyledTextField& field, std::shared_ptr<Coordinator>& coordinator) {
                value.updateView(field, *coordinator);
            },
        .sizeThatFits = fieldSize<StyledTextField>,
    });
}

void WendleStyledTextField::Coordinator::controlTextDidChange(tk::TextField& field) {
    // Copies: writing the binding may rebuild the view, which replaces `parent`.
    const tk::ui::Binding<std::string> text = parent.text();
    const EditingChanged changed = parent.onEditingChanged();
    text.set(field.text());
    if (changed)
        changed(true);
}

void WendleStyledTextField::Coordinator::controlTextDidEndEditing(tk::TextField&) {
    if (const EditingChanged changed = parent.onEditingChanged())
        changed(false);
}

} // namespace Tessaly
