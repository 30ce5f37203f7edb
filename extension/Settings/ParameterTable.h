#pragma once

// Data only: the plug-in's 24 parameters, at addresses 0 to 23 in this order. The engine, its dirty
// mask (bit n for address n), the host and the settings object all use this numbering
// (engine/ParameterAddress.h names the addresses). Every parameter travels linearly and has no
// dependents; only "playback" and "division" have value strings.

#include "platform/au/ParameterTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace extension {

inline constexpr std::size_t kParameterTableSize = 24;

// Value strings of "playback": the playback patterns, letters naming the sections in playing order.
inline constexpr std::array<const char*, 6> kPlaybackValueStrings{"ABCD", "ABCA", "ABBC",
                                                                  "AAAB", "AABA", "AABC"};

// Value strings of "division": the step length, straight, dotted (".") or triplet ("T").
inline constexpr std::array<const char*, 12> kDivisionValueStrings{
    "1/32", "1/16", "1/8", "1/4", "1/32.", "1/16.", "1/8.", "1/4.", "1/32T", "1/16T", "1/8T", "1/4T"};

struct ParameterRow {
    uint64_t address;
    const char* identifier;
    const char* name;
    au::ParameterUnit unit;
    float minimum;
    float maximum;
    float defaultValue;
    std::span<const char* const> valueStrings; // empty: none
};

inline constexpr std::array<ParameterRow, kParameterTableSize> kParameterTable{{
    {0, "lowNote", "Lowest", au::ParameterUnit::midiNoteNumber, 0, 127, 36, {}},
    {1, "range", "Range", au::ParameterUnit::midiNoteNumber, 0, 127, 24, {}},
    {2, "playback", "Playback", au::ParameterUnit::indexed, 0, 5, 0, kPlaybackValueStrings},
    {3, "restAmount", "Rest", au::ParameterUnit::generic, 0, 1, 0.2f, {}},
    {4, "slideAmount", "Slide", au::ParameterUnit::generic, 0, 1, 0.2f, {}},
    {5, "accentAmount", "Accent", au::ParameterUnit::generic, 0, 1, 0.2f, {}},
    {6, "gate", "Gate", au::ParameterUnit::percent, 10, 90, 50, {}},
    {7, "morphX", "Morph X", au::ParameterUnit::generic, 0, 1, 0.5f, {}},
    {8, "morphY", "Morph Y", au::ParameterUnit::generic, 0, 1, 0.5f, {}},
    {9, "sequenceLength", "Length", au::ParameterUnit::indexed, 1, 64, 16, {}},
    {10, "allowC", "C", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {11, "allowC#", "C#", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {12, "allowD", "D", au::ParameterUnit::boolean, 0, 1, 0, {}},
    {13, "allowD#", "D#", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {14, "allowE", "E", au::ParameterUnit::boolean, 0, 1, 0, {}},
    {15, "allowF", "F", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {16, "allowF#", "F#", au::ParameterUnit::boolean, 0, 1, 0, {}},
    {17, "allowG", "G", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {18, "allowG#", "G#", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {19, "allowA", "A", au::ParameterUnit::boolean, 0, 1, 0, {}},
    {20, "allowA#", "A#", au::ParameterUnit::boolean, 0, 1, 1, {}},
    {21, "allowB", "B", au::ParameterUnit::boolean, 0, 1, 0, {}},
    {22, "division", "Division", au::ParameterUnit::indexed, 0, 11, 1, kDivisionValueStrings},
    {23, "offset", "Offset", au::ParameterUnit::indexed, -63, 63, 0, {}},
}};

} // namespace extension
