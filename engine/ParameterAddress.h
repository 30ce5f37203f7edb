#pragma once
// Parameter addresses shared by the engine, the interface and the host (bit n of the dirty mask is
// address n).

#include <cstdint>

namespace engine {

inline constexpr int kParameterCount = 24;

enum ParameterAddress : uint64_t {
    kLowNote = 0,
    kRange = 1,
    kPlayback = 2,
    kRestAmount = 3,
    kSlideAmount = 4,
    kAccentAmount = 5,
    kGate = 6,
    kMorphX = 7,
    kMorphY = 8,
    kSequenceLength = 9,
    kFirstPitchClass = 10, ///< 10 + p switches pitch class p (0 = C ... 11 = B)
    kLastPitchClass = 21,
    kDivision = 22,
    kOffset = 23,
};

} // namespace engine
