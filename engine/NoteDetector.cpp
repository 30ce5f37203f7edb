#include "engine/NoteDetector.h"

#include <algorithm>
#include <limits>

namespace Velmor {

namespace {
// Semitones above C of the letters A to G.
constexpr int32_t kLetterSemitones[7] = {9, 11, 0, 2, 4, 5, 7};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal integer as the standard conversion reads it: leading white space, an optional sign, then
// digits up to the first non-digit. False when there are no digits or the value leaves int32.
bool readInteger(std::string_view text, int32_t& out) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i])) {
        return false;
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) {
            return false;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min()) {
        return false;
    }
    out = static_cast<int32_t>(value);
    return true;
}
} // namespace

int32_t NoteDetector::midiNoteStringToNoteNumber(std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    char letter = text[0];
    if (letter >= 'a' && letter <= 'z') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    if (letter < 'A' || letter > 'G') {
        return -1;
    }
    int32_t semitone = kLetterSemitones[letter - 'A'];
    std::size_t numberStart = 1;
    if (text.size() > 1) {
        const char accidental = text[1];
        if (accidental == '#' || accidental == 's') {
            semitone += 1;
            numberStart = 2;
        } else if (accidental == 'b' || accidental == 'f') {
            semitone -= 1;
            numberStart = 2;
        }
    }
    int32_t octave = 0;
    if (!readInteger(text.substr(numberStart), octave)) {
        return -1;
    }
    // 64-bit: a very large octave number must not overflow before the clamp.
    const int64_t note = int64_t{semitone} + 12 * int64_t{octave} + 12;
    return static_cast<int32_t>(std::clamp<int64_t>(note, 0, 127));
}

} // namespace Velmor
