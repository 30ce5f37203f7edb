#pragma once

#include "platform/tk/base/Timer.h"
#include "platform/tk/base/WorkerQueue.h"

#include <functional>

namespace Tessaly {

// Runs an action once a burst of events has settled: each throttle() call replaces the pending
// action and restarts the wait, so the action runs once, `interval` seconds after the last call, on
// a background queue (the shared worker queue unless another is given).
//
// throttle() and cancel() are to be called from one thread; the throttler takes no lock. Destroying
// it cancels the pending action (one already running finishes).
class UIEventThrottler {
public:
    explicit UIEventThrottler(double interval, tk::WorkerQueue& queue = tk::WorkerQueue::shared());

    double interval() const { return interval_; }
    // Forgets the pending action, if any.
    void cancel();
    // Schedules `action` for `interval` seconds from now, replacing any pending one.
    void throttle(std::function<void()> action);

private:
    double interval_;
    tk::WorkerQueue* queue_;
    tk::Timer timer_; // empty until the first throttle()
};

} // namespace Tessaly
