#include "extension/Notes/NoteFormatter.h"

#include "engine/NoteDetector.h"
#include "engine/Truncate.h"
#include "extension/Notes/NoteName.h"

#include <cmath>

namespace extension {

std::string NoteFormatter::format(float value) const {
    if (!std::isfinite(value))
        return "None";
    // Saturating, so a huge value is simply no note instead of an undefined conversion.
    return NoteName(engine::truncateSaturating<int64_t>(value)).toString();
}

std::optional<float> NoteFormatter::value(const std::string& text) const {
    const int32_t note = Velmor::NoteDetector::midiNoteStringToNoteNumber(text);
    if (note < 0)
        return std::nullopt;
    return static_cast<float>(note);
}

} // namespace extension
