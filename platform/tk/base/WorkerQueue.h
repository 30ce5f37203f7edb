#pragma once

#include "platform/tk/base/Clock.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/Timer.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <thread>

// A serial queue of background work: tasks and timers that run one at a time, in order, away from
// the main thread.
//
//   - WorkerQueue()            its own thread runs the work as it becomes due, until the queue is
//                              destroyed (what is still queued then is dropped, unrun).
//   - WorkerQueue(manual, clock)  no thread: nothing runs until drain(), on the thread that calls it,
//                              with time read from the given clock. Tests use this.
//
//     auto clock = std::make_shared<tk::ManualClock>();
//     tk::WorkerQueue queue(tk::WorkerQueue::manual, clock);
//     auto timer = queue.scheduleTimer(tk::seconds(0.5), false, [&] { ++fired; });
//     clock->advance(tk::seconds(0.5));
//     queue.drain(); // fired == 1, on this thread

namespace tk {

class WorkerQueue {
public:
    struct Manual {};
    static constexpr Manual manual{};

    WorkerQueue();
    WorkerQueue(Manual, std::shared_ptr<const Clock> clock);
    ~WorkerQueue();
    WorkerQueue(const WorkerQueue&) = delete;
    WorkerQueue& operator=(const WorkerQueue&) = delete;

    // [any] The process's shared background queue (made on first use, never destroyed).
    static WorkerQueue& shared();

    // [any] Queues a task.
    void async(std::function<void()> task);
    // [any] Runs `action` on the queue after `interval`, and every `interval` after that when
    // `repeats`; the timer lives until the token is destroyed or invalidated (a one-shot timer also
    // ends once it fired). An action already running when the token is invalidated finishes.
    [[nodiscard]] Timer scheduleTimer(Clock::Duration interval, bool repeats, std::function<void()> action);
    // [any]
    Clock::TimePoint now() const;

    // A manual queue: runs the queued tasks and due timers on the calling thread until none is left;
    // returns how many ran. (Never call it on a queue with its own thread.)
    std::size_t drain();

private:
    RunLoop loop_;
    std::thread thread_;
};

} // namespace tk
