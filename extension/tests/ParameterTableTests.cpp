// The published parameter table, as the host sees it through the tree.

#include "SettingsFixture.h"

#include "extension/Settings/ParameterTable.h"

#include <gtest/gtest.h>

namespace {

using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;

struct Row {
    const char* identifier;
    const char* name;
    au::ParameterUnit unit;
    float minimum, maximum, defaultValue;
};

// The table as the interface and the host know it, written out independently of ParameterTable.h.
const Row kExpected[24] = {
    {"lowNote", "Lowest", au::ParameterUnit::midiNoteNumber, 0, 127, 36},
    {"range", "Range", au::ParameterUnit::midiNoteNumber, 0, 127, 24},
    {"playback", "Playback", au::ParameterUnit::indexed, 0, 5, 0},
    {"restAmount", "Rest", au::ParameterUnit::generic, 0, 1, 0.2f},
    {"slideAmount", "Slide", au::ParameterUnit::generic, 0, 1, 0.2f},
    {"accentAmount", "Accent", au::ParameterUnit::generic, 0, 1, 0.2f},
    {"gate", "Gate", au::ParameterUnit::percent, 10, 90, 50},
    {"morphX", "Morph X", au::ParameterUnit::generic, 0, 1, 0.5f},
    {"morphY", "Morph Y", au::ParameterUnit::generic, 0, 1, 0.5f},
    {"sequenceLength", "Length", au::ParameterUnit::indexed, 1, 64, 16},
    {"allowC", "C", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowC#", "C#", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowD", "D", au::ParameterUnit::boolean, 0, 1, 0},
    {"allowD#", "D#", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowE", "E", au::ParameterUnit::boolean, 0, 1, 0},
    {"allowF", "F", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowF#", "F#", au::ParameterUnit::boolean, 0, 1, 0},
    {"allowG", "G", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowG#", "G#", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowA", "A", au::ParameterUnit::boolean, 0, 1, 0},
    {"allowA#", "A#", au::ParameterUnit::boolean, 0, 1, 1},
    {"allowB", "B", au::ParameterUnit::boolean, 0, 1, 0},
    {"division", "Division", au::ParameterUnit::indexed, 0, 11, 1},
    {"offset", "Offset", au::ParameterUnit::indexed, -63, 63, 0},
};

TEST(ParameterTable, TheTreeHoldsTheTwentyFourParametersInAddressOrder) {
    settingstest::Fixture f;
    const auto& children = f.unit->parameterTree()->allParameters();
    ASSERT_EQ(children.size(), 24u);
    for (std::size_t address = 0; address < children.size(); ++address) {
        SCOPED_TRACE(address);
        const au::Parameter& p = *children[address];
        const Row& row = kExpected[address];
        EXPECT_EQ(p.address(), address);
        EXPECT_EQ(p.identifier(), row.identifier);
        EXPECT_EQ(p.name(), row.name);
        EXPECT_EQ(p.unit(), row.unit);
        EXPECT_EQ(p.minValue(), row.minimum);
        EXPECT_EQ(p.maxValue(), row.maximum);
        EXPECT_EQ(p.unitName(),
                  std::optional<std::string>(row.unit == au::ParameterUnit::percent ? "%" : ""));
        const bool hasStrings = address == 2 || address == 22;
        EXPECT_EQ(p.valueStrings().has_value(), hasStrings);
        const au::ParameterOptions expectedFlags = au::kParameterFlagIsReadable |
                                                   au::kParameterFlagIsWritable |
                                                   (hasStrings ? au::kParameterFlagValuesHaveStrings : 0u);
        EXPECT_EQ(p.flags(), expectedFlags);
        EXPECT_FALSE(p.dependentParameters().has_value());

        // A fresh instance reports the defaults, and the settings property is the same parameter.
        EXPECT_EQ(p.value(), row.defaultValue);
        const auto& model = *f.settings->parameter(address);
        EXPECT_EQ(model.auParameter().get(), &p);
        EXPECT_EQ(model.value.peek(), row.defaultValue);
        EXPECT_TRUE(model.valueIncrement().isLinear());
    }
    EXPECT_EQ(f.settings->lowNote()->identifier(), "lowNote");
    EXPECT_EQ(f.settings->semitone3()->identifier(), "allowD#");
    EXPECT_EQ(f.settings->semitone11()->identifier(), "allowB");
    EXPECT_EQ(f.settings->division()->identifier(), "division");
    EXPECT_EQ(f.settings->offset()->identifier(), "offset");
}

TEST(ParameterTable, HostDisplayStrings) {
    settingstest::Fixture f;
    const auto& tree = *f.unit->parameterTree();
    struct Case {
        const char* identifier;
        float value;
        const char* text;
    };
    const Case cases[] = {
        {"playback", 0, "ABCD"}, {"playback", 3, "AAAB"},  {"playback", 5, "AABC"},  {"division", 1, "1/16"},
        {"division", 7, "1/4."}, {"division", 8, "1/32T"}, {"division", 11, "1/4T"}, {"gate", 50, "50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        EXPECT_EQ(tree.parameterWithIdentifier(c.identifier)->stringFromValue(&c.value), c.text);
    }
    const auto& playbackStrings = *tree.parameterWithIdentifier("playback")->valueStrings();
    EXPECT_EQ(playbackStrings, (std::vector<std::string>{"ABCD", "ABCA", "ABBC", "AAAB", "AABA", "AABC"}));
    EXPECT_EQ(tree.parameterWithIdentifier("division")->valueStrings()->size(), 12u);
}

TEST(ParameterTable, OffsetKeepsToItsRange) {
    settingstest::Fixture f;
    const auto& offset = f.settings->offset();
    for (auto [input, stored] :
         {std::pair{-63.0f, -63.0f}, {63.0f, 63.0f}, {-64.0f, -63.0f}, {100.0f, 63.0f}}) {
        offset->setValue(input, ParameterEditor::ui, ParameterEditorState::change);
        f.loop.drain();
        EXPECT_EQ(offset->value.peek(), stored) << input;
        EXPECT_EQ(f.engine().offset.load(), static_cast<int32_t>(stored)) << input;
    }
}

} // namespace
