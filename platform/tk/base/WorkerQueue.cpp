#include "platform/tk/base/WorkerQueue.h"

#include <utility>

namespace tk {

WorkerQueue::WorkerQueue() {
    thread_ = std::thread([this] { loop_.run(); });
}

WorkerQueue::WorkerQueue(Manual, std::shared_ptr<const Clock> clock) {
    loop_.setClock(std::move(clock));
}

WorkerQueue::~WorkerQueue() {
    if (thread_.joinable()) {
        loop_.stop();
        thread_.join();
    }
    loop_.discardAll();
}

WorkerQueue& WorkerQueue::shared() {
    static WorkerQueue* const queue = new WorkerQueue;
    return *queue;
}

void WorkerQueue::async(std::function<void()> task) {
    loop_.post(std::move(task));
}

Timer WorkerQueue::scheduleTimer(Clock::Duration interval, bool repeats, std::function<void()> action) {
    return loop_.scheduleTimer(interval, repeats, std::move(action));
}

Clock::TimePoint WorkerQueue::now() const {
    return loop_.now();
}

std::size_t WorkerQueue::drain() {
    return loop_.drain();
}

} // namespace tk
