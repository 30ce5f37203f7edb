#include "extension/Notes/NoteName.h"

#include <array>

namespace extension {

namespace {
constexpr std::array<const char*, 12> kPitchClassNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                       "F#", "G",  "G#", "A",  "A#", "B"};
} // namespace

NoteName::NoteName(int64_t note) {
    if (note >= 0 && note <= 127) {
        pitchClass = static_cast<uint32_t>(note % 12);
        octave = static_cast<int32_t>(note / 12 - 1);
    }
}

std::string NoteName::toString() const {
    if (pitchClass >= kPitchClassNames.size())
        return "None";
    return kPitchClassNames[pitchClass] + std::to_string(octave);
}

} // namespace extension
