#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/WorkerQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using tk::seconds;
using tk::WorkerQueue;

TEST(WorkerQueueTest, ManualQueueRunsDueTimersOnlyWhenDrained) {
    auto clock = std::make_shared<tk::ManualClock>();
    WorkerQueue queue(WorkerQueue::manual, clock);
    int once = 0, repeating = 0;
    auto oneShot = queue.scheduleTimer(seconds(0.5), false, [&] { ++once; });
    auto every = queue.scheduleTimer(seconds(0.2), true, [&] { ++repeating; });
    clock->advance(seconds(0.2));
    queue.drain();
    clock->advance(seconds(0.2));
    queue.drain();
    EXPECT_EQ(once, 0);
    EXPECT_EQ(repeating, 2);
    clock->advance(seconds(0.1));
    queue.drain();
    EXPECT_EQ(once, 1);
    EXPECT_FALSE(oneShot.isValid());
    every.invalidate();
    clock->advance(seconds(10));
    queue.drain();
    EXPECT_EQ(once, 1);
    EXPECT_EQ(repeating, 2);
}

TEST(WorkerQueueTest, ThreadedQueueRunsTasksAndTimersInOrderOffTheMainThread) {
    tk::MainThread::adopt();
    WorkerQueue queue;
    std::promise<bool> timerRan;
    std::atomic<int> step{0};
    queue.async([&] { step.store(1); });
    auto timer = queue.scheduleTimer(seconds(0.001), false,
                                     [&] { timerRan.set_value(step.load() == 1 && !tk::isMainThread()); });
    EXPECT_TRUE(timerRan.get_future().get());
}

TEST(WorkerQueueTest, DestroyingTheQueueStopsItsThreadWithoutRunningPendingTimers) {
    std::atomic<int> ran{0};
    tk::Timer timer;
    {
        WorkerQueue queue;
        timer = queue.scheduleTimer(seconds(3600), false, [&] { ++ran; });
    } // joins at once: the waiting loop is woken
    EXPECT_EQ(ran.load(), 0);
    timer.invalidate(); // a token may outlive its queue
}

} // namespace
