#pragma once

#include <cstdint>
#include <functional>

// Random draws of the settings' actions, from an injectable source of uniform 64-bit words (the
// system's random source unless a test gives another). Integer draws below a bound are unbiased:
// words in the uneven remainder are rejected and drawn again.

namespace extension {

using RandomSource = std::function<uint64_t()>;

// [any] Words from the system's random source (std::random_device). Call it on one thread at a time.
RandomSource systemRandomSource();

// [any] Uniform in 0 ... bound - 1; `bound` must not be 0.
uint64_t uniformBelow(const RandomSource& random, uint64_t bound);
// [any] A seed, uniform below 2^64 - 1.
uint64_t randomSeed(const RandomSource& random);
// [any] k / 2^24 for k uniform in 0 ... 2^24 - 1: a 32-bit float in [0, 1).
float uniformUnit(const RandomSource& random);
// [any] upper * k / 2^24 for k uniform in 0 ... 2^24 inclusive: in the closed interval 0 ... upper.
float uniformClosed(const RandomSource& random, float upper);

} // namespace extension
