#include "Tessaly/Publishers/UIEventThrottler.h"

#include "platform/tk/base/MainThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace Tessaly {
namespace {

using tk::seconds;

TEST(UIEventThrottlerTest, ABurstRunsTheLastActionOnceAnIntervalAfterTheLastCall) {
    auto clock = std::make_shared<tk::ManualClock>();
    tk::WorkerQueue queue(tk::WorkerQueue::manual, clock);
    UIEventThrottler throttler(0.5, queue);
    int first = 0, last = 0;
    throttler.throttle([&] { ++first; });
    clock->advance(seconds(0.3));
    queue.drain();
    throttler.throttle([&] { ++first; });
    clock->advance(seconds(0.3));
    queue.drain();
    throttler.throttle([&] { ++last; });
    clock->advance(seconds(0.49));
    queue.drain();
    EXPECT_EQ(last, 0);
    clock->advance(seconds(0.01));
    queue.drain();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 1);
    clock->advance(seconds(5));
    queue.drain();
    EXPECT_EQ(last, 1) << "once, not every interval";

    throttler.throttle([&] { ++last; });
    throttler.cancel();
    {
        UIEventThrottler released(0.5, queue);
        released.throttle([&] { ++last; });
    }
    clock->advance(seconds(5));
    queue.drain();
    EXPECT_EQ(last, 1);
}

TEST(UIEventThrottlerTest, RunsOnTheWorkerQueueByDefault) {
    tk::MainThread::adopt();
    UIEventThrottler throttler(0.001);
    std::promise<bool> ranOffMain;
    throttler.throttle([&] { ranOffMain.set_value(!tk::isMainThread()); });
    EXPECT_TRUE(ranOffMain.get_future().get());
}

} // namespace
} // namespace Tessaly
