#pragma once

// DialLabel: under a dial, the parameter's name (optional) and its value with the unit's suffix.
// A tap anywhere on the label (a press and release without movement) turns the value into a text
// field holding the value's text; a drag that starts on the label turns the dial's knob, as the knob
// itself would, when `turnsKnob` says how:
//   - Return applies what was typed, when the formatter reads it as a finite number: scaled for
//     display (absolute cents are typed as hundreds), clamped to the range and, for an indexed
//     parameter, rounded as the knob rounds (halves away from zero); one change, no begin or end.
//     Then the edit finishes.
//   - Escape finishes without applying.
//   - Finishing calls onEditingEnded, resets the text to the current value and closes the field.
//   - Losing the focus closes the field without applying and without finishing; what was typed
//     stays for the next opening, until the value changes.

#include "Korvane/Controls/KnobDrag.h"
#include "Korvane/Controls/LabelDisplayOptions.h"
#include "Korvane/Controls/LabelFormatter.h"
#include "Korvane/Controls/ViewLocal.h"
#include "Korvane/Resources/KorvFont.h"

#include "platform/tk/base/Color.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Korvane {

class AudioParameter;

// The part of a DialLabel that reads the parameter's value: the value row (or, while editing, the
// field given), and the reset of the field's text to each new value. A change of the value thus
// rebuilds and measures only this part, and lays out again only what its size changes.
struct DialValue {
    std::shared_ptr<AudioParameter> param{};
    std::shared_ptr<const LabelFormatter> formatter{};
    LabelDisplayOptions displayOptions{};
    KorvFont font = KorvFont::dosisMedium;
    tk::ui::Binding<std::string> valueString{};
    // Shown in place of the value row while the label is being edited; empty: the value row.
    tk::ui::Node editingField{};

    // [main]
    tk::ui::Node body();

private:
    tk::ui::Node valueRow(float value) const;
};

struct DialLabel {
    DialLabel(std::shared_ptr<AudioParameter> param, tk::Color color, LabelDisplayOptions displayOptions,
              KorvFont font, std::shared_ptr<const LabelFormatter> formatter,
              std::function<void()> onEditingEnded);

    std::shared_ptr<AudioParameter> param;
    LabelDisplayOptions displayOptions;
    std::shared_ptr<const LabelFormatter> formatter;
    std::function<void()> onEditingEnded;
    tk::Color color;
    KorvFont font;
    tk::ui::State<bool> isEditing{false};
    tk::ui::State<std::string> valueString{std::string()};
    tk::ui::State<bool> editingFieldFocussed{false};
    // The knob of the dial that the label lies over; none: drags on the label do nothing.
    std::optional<KnobDragSettings> turnsKnob;

    // [main]
    tk::ui::Node body();

    // [main] A tap on the label: the field opens with the focus (a tap while editing does nothing).
    void beginEditing();
    // [main] Return in the field: apply the typed text, then finish.
    void submit();
    // [main] Escape, or after Return.
    void finishEditing();

private:
    tk::ui::Node editingField();

    ViewLocal<KnobDrag> knobDrag_;
};

} // namespace Korvane
