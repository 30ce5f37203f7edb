#pragma once
// One step of the SplitMix64 generator, used as the mixing function that fills the corner tables.

#include <cstdint>

namespace engine {

/// [any] SplitMix64 on x: the golden-ratio increment, then the two xor-shift-multiply rounds.
constexpr uint64_t splitMix64(uint64_t x) {
    uint64_t z = x + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

/// [any] The top 24 bits of v as a float in 0..1 (both ends reachable).
constexpr float unitFloat(uint64_t v) {
    return static_cast<float>(v >> 40) / 16777215.0f;
}

} // namespace engine
