#pragma once
// Record types of the chord and scale tables (the data is in NoteDetectorTables.cpp).

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace Velmor {

inline constexpr std::size_t kChordTypeCount = 18;
inline constexpr std::size_t kScaleDefinitionCount = 27;

/// Up to twelve pitch classes, in semitones above a root.
struct PitchClassList {
    std::array<int32_t, 12> classes{};
    std::size_t count = 0;

    constexpr PitchClassList() = default;
    constexpr PitchClassList(std::initializer_list<int32_t> values) {
        for (int32_t v : values) {
            classes[count++] = v;
        }
    }
    constexpr std::span<const int32_t> values() const { return {classes.data(), count}; }
};

struct ChordType {
    int32_t type = 0;
    PitchClassList pitchClasses;
    int32_t score = 0;
};

struct ScaleDefinition {
    std::string_view name;
    PitchClassList pitchClasses;
    int32_t flag = 0;
    int32_t order = 0;
};

} // namespace Velmor
