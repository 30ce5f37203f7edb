// The settings' actions and display functions: randomising, offset stepping, the playhead index and
// the display's note mapping.

#include "SettingsFixture.h"

#include "engine/ParameterAddress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;
using settingstest::Fixture;

void set(Fixture& f, const extension::Settings::Parameter& parameter, float value) {
    parameter->setValue(value, ParameterEditor::ui, ParameterEditorState::change);
    f.loop.drain();
}

TEST(SettingsActions, RandomizeKeepsEveryValueInItsRangeAndLeavesTheRest) {
    Fixture f;
    set(f, f.settings->offset(), 5.0f);
    set(f, f.settings->semitone2(), 1.0f);
    set(f, f.settings->lowNote(), 40.0f);
    set(f, f.settings->morphX(), 0.25f);
    f.automation.clear();
    std::set<float> ranges, divisions, lengths;
    for (int round = 0; round < 200; ++round) {
        const uint64_t seedBefore = f.settings->seed().peek();
        f.settings->randomize();
        f.loop.drain();
        const auto& s = *f.settings;
        EXPECT_NE(s.seed().peek(), seedBefore);
        EXPECT_EQ(f.unit->seed(), s.seed().peek());
        EXPECT_EQ(s.playback()->value.peek(), 0.0f);
        EXPECT_EQ(s.gate()->value.peek(), 50.0f);
        ranges.insert(s.range()->value.peek());
        divisions.insert(s.division()->value.peek());
        lengths.insert(s.sequenceLength()->value.peek());
        EXPECT_GE(s.restAmount()->value.peek(), 0.0f);
        EXPECT_LE(s.restAmount()->value.peek(), 0.2f);
        EXPECT_GE(s.slideAmount()->value.peek(), 0.0f);
        EXPECT_LE(s.slideAmount()->value.peek(), 0.3f);
        EXPECT_GE(s.accentAmount()->value.peek(), 0.0f);
        EXPECT_LE(s.accentAmount()->value.peek(), 0.1f);
        EXPECT_EQ(s.offset()->value.peek(), 5.0f);
        EXPECT_EQ(s.semitone2()->value.peek(), 1.0f);
        EXPECT_EQ(s.semitone4()->value.peek(), 0.0f);
        EXPECT_EQ(s.lowNote()->value.peek(), 40.0f);
        EXPECT_EQ(s.morphX()->value.peek(), 0.25f);
        // What the interface shows is what the engine plays.
        EXPECT_EQ(f.engine().sequenceLength.load(), static_cast<int32_t>(s.sequenceLength()->value.peek()));
    }
    EXPECT_EQ(ranges, (std::set<float>{12.0f, 24.0f}));
    EXPECT_EQ(divisions, (std::set<float>{1.0f, 2.0f}));
    EXPECT_EQ(lengths, (std::set<float>{8.0f, 12.0f, 16.0f}));
    // Every change went to the host as a plain value, never as a touch or release.
    ASSERT_FALSE(f.automation.empty());
    for (const auto& event : f.automation)
        EXPECT_EQ(event.eventType, au::ParameterAutomationEventType::value);
}

TEST(SettingsActions, OffsetStepsAreCompleteEditsWithinTheRange) {
    Fixture f;
    set(f, f.settings->offset(), 62.0f);
    f.automation.clear();
    f.settings->incrementOffset();
    f.loop.drain();
    ASSERT_EQ(f.automation.size(), 3u);
    EXPECT_EQ(f.automation[0].eventType, au::ParameterAutomationEventType::touch);
    EXPECT_EQ(f.automation[0].value, 62.0f);
    EXPECT_EQ(f.automation[1].eventType, au::ParameterAutomationEventType::value);
    EXPECT_EQ(f.automation[1].value, 63.0f);
    EXPECT_EQ(f.automation[2].eventType, au::ParameterAutomationEventType::release);
    EXPECT_EQ(f.automation[2].value, 63.0f);
    EXPECT_EQ(f.automation[2].address, engine::kOffset);
    EXPECT_EQ(f.engine().offset.load(), 63);

    f.automation.clear();
    f.settings->incrementOffset(); // at the top: nothing
    f.loop.drain();
    EXPECT_TRUE(f.automation.empty());

    set(f, f.settings->offset(), -63.0f);
    f.automation.clear();
    f.settings->decrementOffset(); // at the bottom: nothing
    f.loop.drain();
    EXPECT_TRUE(f.automation.empty());
    f.settings->incrementOffset();
    f.loop.drain();
    EXPECT_EQ(f.settings->offset()->value.peek(), -62.0f);
    f.settings->decrementOffset();
    f.loop.drain();
    EXPECT_EQ(f.settings->offset()->value.peek(), -63.0f);
}

TEST(SettingsActions, PlayheadIndexFollowsLengthAndPattern) {
    Fixture f;
    struct Case {
        int32_t tick;
        float length;
        float playback;
        int32_t index;
    };
    const Case cases[] = {
        {13, 16, 0, 13}, // ABCD
        {5, 16, 3, 1},   // AAAB: the second A
        {13, 16, 3, 5},  // AAAB: B
        {16, 16, 0, 0},  // the pattern repeats
        {-1, 16, 0, 15}, // before the first step
        {7, 5, 0, 2},
    };
    for (const Case& c : cases) {
        f.engine().currentStep.store(c.tick);
        set(f, f.settings->sequenceLength(), c.length);
        set(f, f.settings->playback(), c.playback);
        f.poll();
        EXPECT_EQ(f.settings->playheadIndex(), c.index) << c.tick << " " << c.length << " " << c.playback;
    }
}

TEST(SettingsActions, MidiNoteUsesTheEnginesMapping) {
    Fixture f;
    struct Case {
        const char* what;
        float low;
        float range;
        std::array<float, 12> switches; // C ... B
        float value;
        int32_t note;
    };
    constexpr std::array<float, 12> kDefault{1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0};
    constexpr std::array<float, 12> kAll{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    constexpr std::array<float, 12> kNone{};
    constexpr std::array<float, 12> kDAndE{0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    constexpr std::array<float, 12> kASharpAndD{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    constexpr std::array<float, 12> kHalfDAndE{0, 0, 0.5f, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {"target C allowed", 36, 24, kDefault, 0.5f, 48},
        {"target C# allowed", 36, 24, kDefault, 0.55f, 49},
        {"nearer D", 36, 24, kDAndE, 0.5f, 50},
        {"equal distance: lower wins", 36, 24, kASharpAndD, 0.5f, 46},
        {"none allowed: the target", 36, 24, kNone, 0.5f, 48},
        {"range 0", 36, 0, kAll, 0.9f, 36},
        {"half rounds up", 36, 1, kAll, 0.5f, 37},
        {"12.48 rounds down", 36, 24, kAll, 0.52f, 48},
        {"12.72 rounds up", 36, 24, kAll, 0.53f, 49},
        {"top of the keyboard", 120, 24, kDefault, 1.0f, 127},
        {"below 0 clamps", 36, 24, kAll, -3.0f, 36},
        {"above 1 clamps", 36, 24, kAll, 7.0f, 60},
        // A switch at exactly 0.5 is off, as the engine plays it: E, not D.
        {"a switch at 0.5 is off", 36, 24, kHalfDAndE, 0.5f, 52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        set(f, f.settings->lowNote(), c.low);
        set(f, f.settings->range(), c.range);
        for (int p = 0; p < 12; ++p)
            set(f, f.settings->semitone(p), c.switches[static_cast<std::size_t>(p)]);
        EXPECT_EQ(f.settings->midiNote(c.value), c.note);
        EXPECT_EQ(f.engine().mapNote(static_cast<int32_t>(c.low), static_cast<int32_t>(c.range), c.value),
                  c.note);
    }
    EXPECT_EQ(f.settings->midiNote(std::nanf("")), f.settings->midiNote(0.0f)); // NaN counts as 0
}

TEST(SettingsActions, MidiNoteWithoutAUnitGivesTheTarget) {
    Fixture f(settingstest::quietEnvironment(), false);
    EXPECT_EQ(f.settings->midiNote(0.5f), 48);
    EXPECT_EQ(f.settings->midiNote(2.0f), 60);
    EXPECT_EQ(f.settings->midiNote(-1.0f), 36);
}

} // namespace
