#pragma once

#include "Korvane/Controls/LabelFormatter.h"

#include <optional>
#include <string>

namespace extension {

// The label formatter of the "Lowest" dial: shows the lowest note as a note name (NoteName) and reads
// a typed note name back through the engine's note-name parser. Text that is not a note name stands
// for no value, so the dial keeps its value.
class NoteFormatter final : public Korvane::LabelFormatter {
public:
    NoteFormatter() = default;

    // [any] The name of the note the value truncates to ("C2" for 36 and 36.9); "None" outside
    // 0...127 and for values that are not finite.
    std::string format(float value) const override;
    // [any] The MIDI note of a note name ("C4" gives 60), or none when the text is not one.
    std::optional<float> value(const std::string& text) const override;
};

} // namespace extension
