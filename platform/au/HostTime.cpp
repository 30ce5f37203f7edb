#include "platform/au/HostTime.h"

#include <chrono>

namespace au {

uint64_t currentHostTime() {
    auto sinceOrigin = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(sinceOrigin).count());
}

} // namespace au
