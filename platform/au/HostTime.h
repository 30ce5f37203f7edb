#pragma once

#include <cstdint>

namespace au {

// Host time: a monotonic tick count, one tick per nanosecond, with an arbitrary origin. [any]
uint64_t currentHostTime();

inline constexpr uint64_t kHostTicksPerSecond = 1'000'000'000;

} // namespace au
