#pragma once

#include <memory>

// A timer scheduled on a run loop, held by a move-only token: destroying the token (or calling
// invalidate()) cancels the timer, so a timer never outlives the object that scheduled it.

namespace tk {

// In which run-loop modes a timer fires.
enum class TimerModes {
    defaultOnly, // only while the loop runs in the default mode
    common,      // in every mode, also while the pointer tracks a drag
};

namespace detail {
struct TimerState;
}

class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(Timer&& other) noexcept;
    Timer& operator=(Timer&& other) noexcept;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // [any] Cancels the timer: its action does not run again (an action already running finishes)
    // and is released.
    void invalidate();
    // [any] Whether the timer will still fire: false once invalidated, and for a one-shot timer once
    // it has fired.
    bool isValid() const;

private:
    friend class RunLoop;
    explicit Timer(std::shared_ptr<detail::TimerState> state);
    std::shared_ptr<detail::TimerState> state_;
};

} // namespace tk
