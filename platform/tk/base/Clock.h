#pragma once

#include <atomic>
#include <chrono>
#include <memory>

// Time as the run loop sees it. Timers and anything else that waits read the time from a Clock so
// that tests can replace it with a ManualClock and step time by hand.

namespace tk {

class Clock {
public:
    using Duration = std::chrono::nanoseconds;
    using TimePoint = std::chrono::time_point<std::chrono::steady_clock, Duration>;

    virtual ~Clock() = default;
    // [any] The current time; never goes backwards.
    virtual TimePoint now() const = 0;
};

// The monotonic system clock.
class SteadyClock final : public Clock {
public:
    TimePoint now() const override;
    // [any] The one shared instance.
    static std::shared_ptr<SteadyClock> shared();
};

// A clock that moves only when told to. Starts at the given time (the epoch by default).
class ManualClock final : public Clock {
public:
    explicit ManualClock(TimePoint start = TimePoint{});
    TimePoint now() const override;
    // [any] Moves the time forward; a negative step is ignored (clocks do not go backwards).
    void advance(Duration by);

private:
    std::atomic<Duration::rep> ticks_;
};

// A duration given in seconds, as timers are usually specified (1.0 / 60.0).
constexpr Clock::Duration seconds(double value) {
    return std::chrono::duration_cast<Clock::Duration>(std::chrono::duration<double>(value));
}

} // namespace tk
