#include "platform/tk/base/RunLoop.h"

#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <future>
#include <mutex>
#include <vector>

namespace tk {

namespace {
constexpr Clock::Duration kMinimumInterval = std::chrono::microseconds(100);
} // namespace

struct RunLoop::Impl {
    mutable std::mutex mutex;
    std::condition_variable wakeup;
    std::deque<Task> tasks;
    std::vector<std::shared_ptr<detail::TimerState>> timers;
    std::shared_ptr<const Clock> clock = SteadyClock::shared();
    std::shared_ptr<EventSource> eventSource;
    std::uint64_t nextTimerOrder = 0;
    bool woken = false; // something arrived since the last wait
    std::atomic<bool> stopRequested{false};
    bool isMain = false; // the main thread's loop; other loops belong to the thread that runs them

    std::optional<Clock::TimePoint> earliestFireDate(RunLoopMode mode, bool withFrames) const;

    void wake(std::unique_lock<std::mutex>& lock) {
        woken = true;
        auto source = eventSource;
        lock.unlock();
        wakeup.notify_all();
        if (source)
            source->wake();
    }
};

namespace detail {

struct TimerState {
    std::weak_ptr<RunLoop::Impl> loop;
    Clock::Duration interval{};
    bool repeats = false;
    TimerModes modes = TimerModes::common;
    bool frame = false; // scheduleFrameTimer
    std::atomic<bool> valid{true};
    // Guarded by the loop's mutex:
    std::shared_ptr<std::function<void()>> action;
    Clock::TimePoint fireDate{};
    std::uint64_t order = 0;

    void invalidate() {
        valid.store(false, std::memory_order_release);
        std::shared_ptr<std::function<void()>> released; // destroyed outside the lock
        if (auto core = loop.lock()) {
            std::lock_guard lock(core->mutex);
            released = std::move(action);
            std::erase_if(core->timers, [this](const auto& timer) { return timer.get() == this; });
        }
    }
};

} // namespace detail

// --- Timer -------------------------------------------------------------------------------------

Timer::Timer(std::shared_ptr<detail::TimerState> state) : state_(std::move(state)) {}

Timer::~Timer() {
    invalidate();
}

Timer::Timer(Timer&& other) noexcept : state_(std::move(other.state_)) {}

Timer& Timer::operator=(Timer&& other) noexcept {
    if (this != &other) {
        invalidate();
        state_ = std::move(other.state_);
    }
    return *this;
}

void Timer::invalidate() {
    if (state_)
        state_->invalidate();
}

bool Timer::isValid() const {
    return state_ && state_->valid.load(std::memory_order_acquire);
}

// --- RunLoop -----------------------------------------------------------------------------------

RunLoop::RunLoop() : impl_(std::make_shared<Impl>()) {}

RunLoop::~RunLoop() = default;

RunLoop& RunLoop::main() {
    // Never destroyed: objects torn down at exit may still post or cancel timers.
    static RunLoop* const loop = [] {
        auto* made = new RunLoop;
        made->impl_->isMain = true;
        return made;
    }();
    return *loop;
}

void RunLoop::post(Task task) {
    if (!task)
        return;
    std::unique_lock lock(impl_->mutex);
    impl_->tasks.push_back(std::move(task));
    impl_->wake(lock);
}

void RunLoop::sync(Task task) {
    if (!task)
        return;
    if (impl_->isMain && isMainThread()) {
        task();
        return;
    }
    // The promise is owned by the queued task: if the task is discarded unrun, the caller gets a
    // broken-promise error instead of waiting forever.
    auto promise = std::make_shared<std::promise<void>>();
    auto done = promise->get_future();
    post([promise = std::move(promise), task = std::move(task)] {
        try {
            task();
            promise->set_value();
        } catch (...) {
            promise->set_exception(std::current_exception());
        }
    });
    done.get();
}

Timer RunLoop::scheduleTimer(Clock::Duration interval, bool repeats, std::function<void()> action,
                             TimerModes modes) {
    return schedule(interval, repeats, false, std::move(action), modes);
}

Timer RunLoop::scheduleFrameTimer(Clock::Duration interval, std::function<void()> draw, TimerModes modes) {
    return schedule(interval, true, true, std::move(draw), modes);
}

Timer RunLoop::schedule(Clock::Duration interval, bool repeats, bool frame, std::function<void()> action,
                        TimerModes modes) {
    auto state = std::make_shared<detail::TimerState>();
    state->loop = impl_;
    state->interval = std::max(interval, kMinimumInterval);
    state->repeats = repeats;
    state->frame = frame;
    state->modes = modes;
    state->action = std::make_shared<std::function<void()>>(std::move(action));
    std::unique_lock lock(impl_->mutex);
    state->fireDate = impl_->clock->now() + state->interval;
    state->order = impl_->nextTimerOrder++;
    impl_->timers.push_back(state);
    impl_->wake(lock); // a waiting loop must recompute its timeout
    return Timer(std::move(state));
}

namespace {

bool firesIn(const detail::TimerState& timer, RunLoopMode mode) {
    return timer.modes == TimerModes::common || mode == RunLoopMode::defaultMode;
}

} // namespace

std::optional<Clock::TimePoint> RunLoop::Impl::earliestFireDate(RunLoopMode mode, bool withFrames) const {
    std::lock_guard lock(mutex);
    std::optional<Clock::TimePoint> earliest;
    for (const auto& timer : timers)
        if (timer->valid.load(std::memory_order_acquire) && firesIn(*timer, mode) &&
            (withFrames || !timer->frame) && (!earliest || timer->fireDate < *earliest))
            earliest = timer->fireDate;
    return earliest;
}

std::size_t RunLoop::drain(RunLoopMode mode) {
    if (impl_->isMain)
        checkMainThread("tk::RunLoop::drain");
    std::size_t count = 0;
    for (;;) {
        std::deque<Task> batch;
        {
            std::lock_guard lock(impl_->mutex);
            batch.swap(impl_->tasks);
        }
        bool ranSomething = !batch.empty();
        while (!batch.empty()) {
            Task task = std::move(batch.front());
            batch.pop_front();
            try {
                task();
            } catch (...) {
                // Keep the tasks not yet run, ahead of any posted meanwhile.
                std::lock_guard lock(impl_->mutex);
                impl_->tasks.insert(impl_->tasks.begin(), std::make_move_iterator(batch.begin()),
                                    std::make_move_iterator(batch.end()));
                throw;
            }
            ++count;
        }

        // Collect the due timers, move their fire dates on, then run their actions unlocked.
        struct Due {
            std::shared_ptr<detail::TimerState> timer;
            std::shared_ptr<std::function<void()>> action;
        };
        std::vector<Due> due;
        {
            std::lock_guard lock(impl_->mutex);
            const auto now = impl_->clock->now();
            std::vector<std::shared_ptr<detail::TimerState>> ready;
            for (const auto& timer : impl_->timers)
                if (timer->valid.load(std::memory_order_acquire) && firesIn(*timer, mode) &&
                    timer->fireDate <= now)
                    ready.push_back(timer);
            std::sort(ready.begin(), ready.end(), [](const auto& a, const auto& b) {
                return a->fireDate != b->fireDate ? a->fireDate < b->fireDate : a->order < b->order;
            });
            for (auto& timer : ready) {
                due.push_back({timer, timer->action});
                if (timer->repeats) {
                    timer->fireDate += timer->interval;
                    if (timer->fireDate <= now) // fell behind: skip the missed beats
                        timer->fireDate += timer->interval * ((now - timer->fireDate) / timer->interval + 1);
                } else {
                    std::erase(impl_->timers, timer);
                }
            }
        }
        for (auto& [timer, action] : due) {
            if (!timer->valid.load(std::memory_order_acquire) || !action)
                continue;
            ranSomething = true;
            ++count;
            if (timer->repeats) {
                (*action)();
            } else {
                try {
                    (*action)();
                } catch (...) {
                    timer->invalidate();
                    throw;
                }
                timer->invalidate();
            }
        }
        if (!ranSomething)
            return count;
    }
}

bool RunLoop::runOnce(RunLoopMode mode, std::optional<Clock::TimePoint> deadline) {
    if (impl_->isMain)
        checkMainThread("tk::RunLoop::runOnce");
    std::shared_ptr<EventSource> source;
    {
        std::lock_guard lock(impl_->mutex);
        source = impl_->eventSource;
    }
    if (drain(mode) > 0) {
        if (source)
            source->waitAndDispatch(Clock::Duration::zero());
        return true;
    }

    const auto current = now();
    auto wakeAt = nextTimerFireDate(mode);
    if (deadline && (!wakeAt || *deadline < *wakeAt))
        wakeAt = deadline;
    std::optional<Clock::Duration> timeout;
    if (wakeAt)
        timeout = std::max(Clock::Duration::zero(), *wakeAt - current);

    bool ran = false;
    if (source) {
        ran = source->waitAndDispatch(timeout);
    } else {
        std::unique_lock lock(impl_->mutex);
        auto ready = [this] { return impl_->woken || !impl_->tasks.empty(); };
        if (timeout)
            impl_->wakeup.wait_for(lock, *timeout, ready);
        else
            impl_->wakeup.wait(lock, ready);
        impl_->woken = false;
    }
    if (drain(mode) > 0)
        ran = true;
    return ran;
}

void RunLoop::run() {
    if (impl_->isMain)
        checkMainThread("tk::RunLoop::run");
    while (!impl_->stopRequested.exchange(false, std::memory_order_acq_rel))
        runOnce(RunLoopMode::defaultMode);
}

void RunLoop::stop() {
    impl_->stopRequested.store(true, std::memory_order_release);
    std::unique_lock lock(impl_->mutex);
    impl_->wake(lock);
}

void RunLoop::setClock(std::shared_ptr<const Clock> clock) {
    std::lock_guard lock(impl_->mutex);
    impl_->clock = clock ? std::move(clock) : SteadyClock::shared();
}

Clock::TimePoint RunLoop::now() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->clock->now();
}

void RunLoop::setEventSource(std::shared_ptr<EventSource> source) {
    std::lock_guard lock(impl_->mutex);
    impl_->eventSource = std::move(source);
}

std::optional<Clock::TimePoint> RunLoop::nextTimerFireDate(RunLoopMode mode) const {
    return impl_->earliestFireDate(mode, true);
}

std::optional<Clock::TimePoint> RunLoop::nextOrdinaryTimerFireDate(RunLoopMode mode) const {
    return impl_->earliestFireDate(mode, false);
}

void RunLoop::skipSupersededFrames(Clock::TimePoint until) {
    if (impl_->isMain)
        checkMainThread("tk::RunLoop::skipSupersededFrames");
    std::lock_guard lock(impl_->mutex);
    for (const auto& timer : impl_->timers)
        if (timer->frame && timer->fireDate <= until)
            // In whole beats, so the last one falls where firing every beat would have put it.
            timer->fireDate += timer->interval * ((until - timer->fireDate) / timer->interval);
}

void RunLoop::discardAll() {
    std::deque<Task> tasks;
    std::vector<std::shared_ptr<detail::TimerState>> timers;
    std::vector<std::shared_ptr<std::function<void()>>> actions;
    {
        std::lock_guard lock(impl_->mutex);
        tasks.swap(impl_->tasks);
        timers.swap(impl_->timers);
        for (auto& timer : timers) {
            timer->valid.store(false, std::memory_order_release);
            actions.push_back(std::move(timer->action));
        }
        impl_->woken = false;
    }
    // Captured objects are destroyed here, unlocked: their destructors may post or cancel.
}

} // namespace tk
