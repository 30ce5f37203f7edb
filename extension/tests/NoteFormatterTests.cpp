// Note names, and the "Lowest" dial's formatter reading them back.

#include "extension/Notes/NoteFormatter.h"
#include "extension/Notes/NoteName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(NoteName, WritesPitchClassAndOctave) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "C-1"}, {11, "B-1"}, {12, "C0"},  {36, "C2"},   {42, "F#2"},   {59, "B3"},
        {60, "C4"}, {61, "C#4"}, {127, "G9"}, {-1, "None"}, {128, "None"}, {-1000000, "None"},
    };
    for (auto [note, text] : cases)
        EXPECT_EQ(extension::NoteName(note).toString(), text) << note;
    EXPECT_EQ(extension::NoteName(128).pitchClass, extension::NoteName::kNoNote);
    EXPECT_EQ(extension::NoteName(128).octave, 0);
    EXPECT_EQ(extension::NoteName(70).pitchClass, 10u);
    EXPECT_EQ(extension::NoteName(70).octave, 4);
}

TEST(NoteFormatter, FormatsTruncatedValues) {
    extension::NoteFormatter formatter;
    const std::pair<float, const char*> cases[] = {
        {36.0f, "C2"},           {36.9f, "C2"},
        {59.0f, "B3"},           {60.0f, "C4"},
        {127.0f, "G9"},          {128.0f, "None"},
        {-1.0f, "None"},         {-0.5f, "C-1"}, // truncation toward zero
        {1e30f, "None"},         {std::numeric_limits<float>::infinity(), "None"},
        {std::nanf(""), "None"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(formatter.format(value), text) << value;
}

TEST(NoteFormatter, ReadsNoteNamesAndRejectsEverythingElse) {
    extension::NoteFormatter formatter;
    EXPECT_EQ(formatter.value("C4"), 60.0f);
    EXPECT_EQ(formatter.value("c#2"), 37.0f);
    EXPECT_EQ(formatter.value("C-1"), 0.0f);
    EXPECT_EQ(formatter.value("G9"), 127.0f);
    // Text that is not a note name leaves the dial where it is, instead of sending it to C-1.
    for (const char* text : {"", "hello", "H4", "4", " C4"})
        EXPECT_EQ(formatter.value(text), std::nullopt) << text;
    // Every note name the formatter writes reads back as its note.
    for (int note = 0; note <= 127; ++note)
        EXPECT_EQ(formatter.value(formatter.format(static_cast<float>(note))), static_cast<float>(note))
            << note;
}

} // namespace
