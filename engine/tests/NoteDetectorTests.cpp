#include "engine/NoteDetector.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>

namespace Velmor {
namespace {

TEST(NoteDetector, ParsesNoteNames) {
    const std::pair<const char*, int32_t> cases[] = {
        {"c4", 60},
        {"C4", 60},
        {"Db4", 61},
        {"C#4", 61},
        {"Cs4", 61},
        {"Cf4", 59},
        {"B#3", 60},
        {"Cb-1", 0},
        {"C-1", 0},
        {"A4", 69},
        {"G9", 127},
        {"C10", 127},
        {"C-5", 0},
        {"C 4", 60},
        {"C4x", 60},
        {"C+4", 60},
        {"C\t4", 60},
        {"e2", 40},
        {"", -1},
        {"H4", -1},
        {"4", -1},
        {"C", -1},
        {"C#", -1},
        {"CB4", -1},
        {" C4", -1},
        {"C#b4", -1},
        {"Cx4", -1},
        {"C-", -1},
        {"C2147483647", 127},
        {"C-2147483648", 0},
        {"C2147483648", -1},
        {"C99999999999999999999", -1},
    };
    for (auto [text, expected] : cases) {
        EXPECT_EQ(NoteDetector::midiNoteStringToNoteNumber(text), expected) << '"' << text << '"';
    }
}

// The same rules written with the C library's conversion, as an independent oracle.
int32_t oracle(const std::string& s) {
    if (s.empty()) {
        return -1;
    }
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    const int letters[7] = {9, 11, 0, 2, 4, 5, 7};
    if (c < 'A' || c > 'G') {
        return -1;
    }
    int semitone = letters[c - 'A'];
    size_t start = 1;
    if (s.size() > 1 && (s[1] == '#' || s[1] == 's')) {
        ++semitone, start = 2;
    } else if (s.size() > 1 && (s[1] == 'b' || s[1] == 'f')) {
        --semitone, start = 2;
    }
    const std::string rest = s.substr(start);
    char* end = nullptr;
    errno = 0;
    const long long octave = std::strtoll(rest.c_str(), &end, 10);
    if (end == rest.c_str() || errno == ERANGE || octave > INT32_MAX || octave < INT32_MIN) {
        return -1;
    }
    return static_cast<int32_t>(std::clamp<long long>(semitone + 12 * octave + 12, 0, 127));
}

TEST(NoteDetector, FuzzAgainstTheOracle) {
    std::mt19937 rng(17);
    const std::string alphabet = "ABCDEFGHabcdefgh#sf -+0123456789\t\n xX.";
    for (int n = 0; n < 200000; ++n) {
        std::string s(rng() % 9, ' ');
        for (char& ch : s) {
            ch = rng() % 8 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
        }
        if (s.find('\0') != std::string::npos) {
            // strtoll stops at a NUL; the parser reads the whole view, which gives the same number.
            s.erase(s.find('\0'));
        }
        const int32_t result = NoteDetector::midiNoteStringToNoteNumber(s);
        ASSERT_EQ(result, oracle(s)) << '"' << s << '"';
        ASSERT_TRUE(result >= -1 && result <= 127);
    }
}

TEST(NoteDetector, ChordAndScaleTables) {
    ASSERT_EQ(NoteDetector::_chordTypes.size(), 18u);
    ASSERT_EQ(NoteDetector::_scaleDefinitions.size(), 27u);
    const auto& first = NoteDetector::_chordTypes.front();
    EXPECT_EQ(first.type, 1);
    EXPECT_EQ(first.score, 100);
    EXPECT_EQ(std::vector<int32_t>(first.pitchClasses.values().begin(), first.pitchClasses.values().end()),
              (std::vector<int32_t>{0, 2, 4, 7, 9, 10}));
    EXPECT_EQ(NoteDetector::_chordTypes.back().pitchClasses.values().size(), 2u);
    for (size_t i = 0; i < NoteDetector::_chordTypes.size(); ++i) {
        EXPECT_EQ(NoteDetector::_chordTypes[i].type, static_cast<int32_t>(i + 1));
    }
    const auto& dorian = NoteDetector::_scaleDefinitions[1];
    EXPECT_EQ(dorian.name, "Dorian");
    EXPECT_EQ(dorian.flag, 1);
    EXPECT_EQ(dorian.order, 2);
    const auto& chromatic = NoteDetector::_scaleDefinitions.back();
    EXPECT_EQ(chromatic.name, "Chromatic");
    EXPECT_EQ(chromatic.pitchClasses.values().size(), 12u);
    EXPECT_EQ(chromatic.order, 999);
    for (const auto& scale : NoteDetector::_scaleDefinitions) {
        EXPECT_EQ(scale.pitchClasses.values().front(), 0) << scale.name;
    }
}

} // namespace
} // namespace Velmor
