#include "platform/tk/base/Clock.h"

namespace tk {

Clock::TimePoint SteadyClock::now() const {
    return std::chrono::time_point_cast<Duration>(std::chrono::steady_clock::now());
}

std::shared_ptr<SteadyClock> SteadyClock::shared() {
    static const auto clock = std::make_shared<SteadyClock>();
    return clock;
}

ManualClock::ManualClock(TimePoint start) : ticks_(start.time_since_epoch().count()) {}

Clock::TimePoint ManualClock::now() const {
    return TimePoint{Duration{ticks_.load(std::memory_order_acquire)}};
}

void ManualClock::advance(Duration by) {
    if (by.count() > 0)
        ticks_.fetch_add(by.count(), std::memory_order_acq_rel);
}

} // namespace tk
