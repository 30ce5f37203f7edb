#include "extension/Settings/RandomDraws.h"

#include <limits>
#include <memory>
#include <random>

namespace extension {

namespace {
constexpr uint64_t kUnitSteps = uint64_t{1} << 24;
}

RandomSource systemRandomSource() {
    auto device = std::make_shared<std::random_device>();
    return [device] {
        static_assert(sizeof(std::random_device::result_type) >= 4);
        const uint64_t high = (*device)() & 0xFFFFFFFFu;
        const uint64_t low = (*device)() & 0xFFFFFFFFu;
        return (high << 32) | low;
    };
}

uint64_t uniformBelow(const RandomSource& random, uint64_t bound) {
    // Words at or above the largest multiple of `bound` would favour small results.
    const uint64_t limit =
        std::numeric_limits<uint64_t>::max() - std::numeric_limits<uint64_t>::max() % bound;
    for (;;) {
        const uint64_t word = random();
        if (word < limit)
            return word % bound;
    }
}

uint64_t randomSeed(const RandomSource& random) {
    return uniformBelow(random, std::numeric_limits<uint64_t>::max());
}

float uniformUnit(const RandomSource& random) {
    return static_cast<float>(uniformBelow(random, kUnitSteps)) / static_cast<float>(kUnitSteps);
}

float uniformClosed(const RandomSource& random, float upper) {
    const auto k = static_cast<float>(uniformBelow(random, kUnitSteps + 1));
    return upper * k / static_cast<float>(kUnitSteps);
}

} // namespace extension
