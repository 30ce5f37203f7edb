#pragma once
// Data only: the engine's fixed tables.

#include <array>
#include <cstdint>

namespace engine {

inline constexpr int kSteps = 64;  ///< steps in a corner table
inline constexpr int kCorners = 4; ///< corner tables
inline constexpr int kRows = 4;    ///< rows of a corner table: note, slide, rest, accent
inline constexpr int kPitchClasses = 12;
inline constexpr int kSections = 4; ///< sections A to D of a sequence
inline constexpr int kPlaybackPatterns = 6;
inline constexpr int kMinSequenceLength = 1;
inline constexpr int kMaxSequenceLength = 64;

/// Sections played by each playback pattern: "ABCD", "ABCA", "ABBC", "AAAB", "AABA", "AABC".
inline constexpr std::array<std::array<int32_t, kSections>, kPlaybackPatterns> kPlaybackPatternSections{{
    {0, 1, 2, 3},
    {0, 1, 2, 0},
    {0, 1, 1, 2},
    {0, 0, 0, 1},
    {0, 0, 1, 0},
    {0, 0, 1, 2},
}};

/// Step length in beats of division d mod 4 (1/32, 1/16, 1/8, 1/4), before the dotted/triplet factor.
inline constexpr std::array<double, 4> kStepLengthBaseBeats{0.125, 0.25, 0.5, 1.0};
inline constexpr double kDottedFactor = 1.5;                 ///< divisions 4 to 7
inline constexpr double kTripletFactor = 0.6666666666666666; ///< divisions 8 to 11

/// Pitch classes C to B allowed by default: C, C#, D#, F, G, G#, A#.
inline constexpr std::array<uint8_t, kPitchClasses> kDefaultAllowedPitchClasses{1, 1, 0, 1, 0, 1,
                                                                                0, 1, 1, 0, 1, 0};

/// MIDI bytes the engine sends: channel 1, cable 0.
inline constexpr uint8_t kNoteOnStatus = 0x90;
inline constexpr uint8_t kNoteOffStatus = 0x80;
inline constexpr float kPlainVelocity = 80.0f / 127.0f;
inline constexpr float kAccentVelocity = 120.0f / 127.0f;

} // namespace engine
