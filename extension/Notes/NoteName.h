#pragma once

#include <cstdint>
#include <string>

namespace extension {

// A MIDI note number as a pitch class and an octave, written as musicians read it: "C" to "B" with
// sharps (no flats) followed by the octave, with octave = note / 12 - 1, so 60 is "C4" and 0 is
// "C-1". Numbers outside 0...127 are no note and read "None".
struct NoteName {
    static constexpr uint32_t kNoNote = 0xFFFFFFFFu; // all bits set: no note

    uint32_t pitchClass = kNoNote; // 0 (C) to 11 (B), or kNoNote
    int32_t octave = 0;

    // [any] The name of MIDI note `note`.
    explicit NoteName(int64_t note);

    // [any] "C#4", or "None" for no note.
    std::string toString() const;
};

} // namespace extension
