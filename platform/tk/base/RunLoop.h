#pragma once

#include "platform/tk/base/Clock.h"
#include "platform/tk/base/Timer.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

// The main thread's run loop: a queue of tasks that any thread may add to, the timers, and the
// door through which a window-system backend feeds its events. A loop made with the constructor
// instead of main() belongs to whichever thread drains or runs it (a worker, see WorkerQueue.h); its
// [main] members are then that thread's, and its sync() always posts and waits.
//
//   - post(task)   [any]  queue a task; it runs on the main thread, in order, in every mode.
//   - sync(task)   [any]  run a task on the main thread and wait for it; on the main thread it runs
//                         inline (so it never deadlocks there).
//   - scheduleTimer(...)  a one-shot or repeating timer; the returned Timer token cancels it when
//                         destroyed. Timers in TimerModes::common (the default) also fire while the
//                         loop runs in RunLoopMode::eventTracking, i.e. while the pointer tracks a drag.
//   - scheduleFrameTimer(...)  a repeating timer that only draws an animation's next frame, which
//                         the one after replaces: a run in simulated time may leave out the beats
//                         whose frame nothing sees (skipSupersededFrames).
//   - drain()      [main] tests: run queued tasks and due timers until none is left, never waiting.
//   - runOnce() / run() / stop()  programs and tracking loops: run, waiting for work in between.
//
// A test drives it like this:
//
//     tk::TestMainLoop loop;                    // adopts this thread, installs a ManualClock
//     auto timer = tk::RunLoop::main().scheduleTimer(tk::seconds(1.0 / 60.0), true, [&] { ++ticks; });
//     loop.advance(tk::seconds(0.05));          // moves the clock and drains: 3 ticks
//
// Backends: a window system hands the loop an EventSource. While the loop has nothing to do it calls
// the source's waitAndDispatch(timeout) instead of sleeping, and post() from another thread calls
// the source's wake() so that the wait ends at once.

namespace tk {

enum class RunLoopMode {
    defaultMode,   // ordinary running
    eventTracking, // a control tracks the pointer (mouse-down loop); only common-mode timers fire
};

// The backend's side of the loop (SDL events, for example).
class EventSource {
public:
    virtual ~EventSource() = default;
    // [main] Dispatches pending window-system events; when there are none, waits for one at most
    // `timeout` (forever when absent) or until wake(). Returns whether it dispatched anything.
    virtual bool waitAndDispatch(std::optional<Clock::Duration> timeout) = 0;
    // [any] Makes a running or the next waitAndDispatch return promptly.
    virtual void wake() = 0;
};

class RunLoop {
public:
    using Task = std::function<void()>;

    RunLoop();
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // [any] The main thread's run loop (made on first use, lives until the process ends).
    static RunLoop& main();

    // [any] Queues a task for the main thread. Tasks run in the order they were posted.
    void post(Task task);
    // [any] Runs the task on the main thread and returns when it has run. Inline when already on
    // the main thread; otherwise posts it and blocks the caller. An exception the task throws is
    // rethrown to the caller.
    void sync(Task task);

    // [any] Schedules `action` to run on the main thread after `interval` (and every `interval` after
    // that when `repeats`). A repeating timer that fell behind fires once and then keeps its rhythm
    // (missed beats are skipped). Intervals below 0.1 ms are raised to 0.1 ms. The timer lives until
    // the returned token is destroyed or invalidated, or, for a one-shot timer, until it fired.
    [[nodiscard]] Timer scheduleTimer(Clock::Duration interval, bool repeats, std::function<void()> action,
                                      TimerModes modes = TimerModes::common);
    // [any] A repeating timer whose action draws a frame and does nothing else that lasts: the next
    // beat's frame replaces it. It fires as a repeating timer of scheduleTimer does.
    [[nodiscard]] Timer scheduleFrameTimer(Clock::Duration interval, std::function<void()> draw,
                                           TimerModes modes = TimerModes::common);

    // [main] Runs queued tasks and due timers (for `mode`) until none is left, without waiting and
    // without reading window-system events. Returns how many tasks and timer actions ran.
    std::size_t drain(RunLoopMode mode = RunLoopMode::defaultMode);
    // [main] One turn of the loop: runs what is ready; when nothing was, waits for work (a post, the
    // next timer, a window-system event) but not past `deadline`, then runs what became ready.
    // Returns whether anything ran.
    bool runOnce(RunLoopMode mode = RunLoopMode::defaultMode,
                 std::optional<Clock::TimePoint> deadline = std::nullopt);
    // [main] Runs in the default mode until stop() is called. Runs nest; stop() ends the innermost.
    void run();
    // [any] Ends the innermost run() after the task or event in progress.
    void stop();

    // [main] The clock timers are measured with (the steady clock unless replaced). Replace it only
    // while no timer is scheduled, or their fire dates keep the old clock's numbers.
    void setClock(std::shared_ptr<const Clock> clock);
    // [any]
    Clock::TimePoint now() const;
    // [main] The backend that feeds window-system events; none by default (the loop then sleeps on a
    // condition variable that post() signals).
    void setEventSource(std::shared_ptr<EventSource> source);

    // [any] When the earliest timer that fires in `mode` is due; nothing when no timer is scheduled.
    std::optional<Clock::TimePoint> nextTimerFireDate(RunLoopMode mode = RunLoopMode::defaultMode) const;
    // [any] The same for the timers that are not frame timers.
    std::optional<Clock::TimePoint>
    nextOrdinaryTimerFireDate(RunLoopMode mode = RunLoopMode::defaultMode) const;
    // [main] For a run that moves a manual clock itself: each frame timer due at or before `until`
    // moves on to its last beat at or before `until`, as if the beats before had fired. Call it only
    // with no ordinary timer due before `until` and no task queued: then nothing runs between those
    // beats and the last, and only its frame can be seen.
    void skipSupersededFrames(Clock::TimePoint until);
    // [main] Drops every queued task and every timer, unrun (a test's clean slate).
    void discardAll();

    struct Impl; // shared with the Timer tokens, which may outlive the loop

private:
    Timer schedule(Clock::Duration interval, bool repeats, bool frame, std::function<void()> action,
                   TimerModes modes);

    std::shared_ptr<Impl> impl_; // shared with the Timer tokens, which may outlive the loop
};

} // namespace tk
