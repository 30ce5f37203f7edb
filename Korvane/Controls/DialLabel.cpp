#include "Korvane/Controls/DialLabel.h"

#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/KnobDrag.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"

#include "platform/tk/base/Clamped.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/TextField.h"

#include <cmath>

namespace Korvane {

namespace {

constexpr double kRowHeight = 40;
constexpr double kRowOverlap = -10;
constexpr double kSuffixSpacing = 4;

} // namespace

DialLabel::DialLabel(std::shared_ptr<AudioParameter> labelParam, tk::Color nameColor,
                     LabelDisplayOptions options, KorvFont labelFont,
                     std::shared_ptr<const LabelFormatter> valueFormatter, std::function<void()> editingEnded)
    : param(std::move(labelParam)), displayOptions(options), formatter(std::move(valueFormatter)),
      onEditingEnded(std::move(editingEnded)), color(nameColor), font(labelFont) {
    // A label always has a formatter; without one it shows numbers as a dial does by default.
    if (!formatter) {
        formatter = std::make_shared<const DefaultLabelFormatter>(*param, 1);
    }
}

tk::ui::Node DialValue::body() {
    TK_CHECK_MAIN_THREAD();
    const float value = param->value.get();
    return (editingField.isEmpty() ? valueRow(value) : editingField)
        .onChange<float>(
            value,
            [text = valueString, shown = formatter](const float&, const float& now) {
                text.set(shown->format(now));
            },
            true);
}

tk::ui::Node DialValue::valueRow(float value) const {
    using namespace tk::ui;
    std::vector<Node> texts{korvFont(Text(formatter->format(value)), font, displayOptions.valueFontSize)};
    const std::string suffix = param->displayableSuffix();
    if (displayOptions.showSuffix && !suffix.empty()) {
        texts.push_back(korvFont(Text(suffix), font, displayOptions.valueFontSize));
    }
    return HStack({.alignment = VerticalAlignment::center, .spacing = kSuffixSpacing}, std::move(texts))
        .foregroundColor(displayOptions.valueColor)
        .frame(std::nullopt, kRowHeight);
}

tk::ui::Node DialLabel::editingField() {
    using namespace tk::ui;
    Node field = TextField("", valueString.binding())
                     .focused(editingFieldFocussed.binding())
                     .onKeyPress([this](const tk::Event& key) {
                         if (key.keyCode != tk::KeyCode::escape) {
                             return false;
                         }
                         finishEditing();
                         return true;
                     })
                     .onSubmit([this] { submit(); })
                     .textFieldStyle(TextFieldStyle::roundedBorder);
    return korvFont(field, font, displayOptions.editingFontSize)
        .foregroundColor(displayOptions.valueColor)
        .multilineTextAlignment(tk::TextAlignment::center)
        .frame(displayOptions.labelWidth, kRowHeight);
}

tk::ui::Node DialLabel::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    std::vector<Node> rows;
    if (displayOptions.showName) {
        rows.push_back(
            korvFont(Text(param->name()).textCase(TextCase::uppercase), font, displayOptions.labelFontSize)
                .foregroundColor(color));
    }
    rows.push_back(Node(DialValue{param, formatter, displayOptions, font, valueString.binding(),
                                  isEditing.get() ? editingField() : tk::ui::Node()}));
    Node label = VStack({.alignment = HorizontalAlignment::center, .spacing = kRowOverlap}, std::move(rows))
                     .onTapGesture([this] { beginEditing(); });
    if (turnsKnob) {
        const KnobDragSettings knob = *turnsKnob;
        label = label.gesture(DragGesture{
            .minimumDistance = knob.minimumDistance,
            .onChanged =
                [this, knob](const DragValue& drag) {
                    knobDrag_->changed(*param, drag.location.y, knob.scaleFactor);
                },
            .onEnded = [this](const DragValue&) { knobDrag_->ended(*param); },
        });
    }
    return label.onChange<bool>(editingFieldFocussed.get(), [this](const bool&, const bool& focussed) {
        if (!focussed && isEditing.peek()) {
            isEditing.set(false);
        }
    });
}

void DialLabel::beginEditing() {
    TK_CHECK_MAIN_THREAD();
    if (!isEditing.peek()) {
        isEditing.set(true);
        editingFieldFocussed.set(true);
    }
}

void DialLabel::submit() {
    TK_CHECK_MAIN_THREAD();
    // Text that stands for no number, or for a non-finite one, changes nothing.
    if (const auto typed = formatter->value(valueString.peek()); typed && std::isfinite(*typed)) {
        float v = tk::clamped(*typed * param->displayScaleFactor(), param->valueRange());
        if (param->isIndexed()) {
            v = std::round(v);
        }
        param->setValue(v, ParameterEditor::ui, ParameterEditorState::change);
    }
    finishEditing();
}

void DialLabel::finishEditing() {
    TK_CHECK_MAIN_THREAD();
    if (onEditingEnded) {
        onEditingEnded();
    }
    valueString.set(formatter->format(param->value.peek()));
    isEditing.set(false);
}

} // namespace Korvane
