#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using tk::RunLoop;
using tk::seconds;

TEST(RunLoopTest, PostedTasksRunInOrderOnlyWhenDrained) {
    tk::TestMainLoop loop;
    std::vector<int> ran;
    RunLoop::main().post([&] { ran.push_back(1); });
    RunLoop::main().post([&] {
        ran.push_back(2);
        RunLoop::main().post([&] { ran.push_back(4); }); // posted while draining: runs in the same drain
    });
    RunLoop::main().post([&] { ran.push_back(3); });
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(loop.drain(), 4u);
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(loop.drain(), 0u);
}

TEST(RunLoopTest, PostFromOtherThreadsIsDeliveredOnTheMainThread) {
    tk::TestMainLoop loop;
    std::atomic<int> onMain{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 100; ++i)
                RunLoop::main().post([&] { onMain += tk::isMainThread() ? 1 : 0; });
        });
    for (auto& thread : threads)
        thread.join();
    loop.drain();
    EXPECT_EQ(onMain.load(), 400);
}

TEST(RunLoopTest, SyncRunsInlineOnTheMainThread) {
    tk::TestMainLoop loop;
    bool ran = false;
    RunLoop::main().sync([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(loop.drain(), 0u);
}

TEST(RunLoopTest, SyncFromAnotherThreadWaitsForTheMainLoopAndRethrows) {
    tk::TestMainLoop loop;
    std::atomic<bool> done{false};
    bool ranOnMain = false;
    std::string error;
    std::thread worker([&] {
        RunLoop::main().sync([&] { ranOnMain = tk::isMainThread(); });
        try {
            RunLoop::main().sync([] { throw std::runtime_error("boom"); });
        } catch (const std::runtime_error& e) {
            error = e.what();
        }
        done = true;
        RunLoop::main().post([] {}); // wake the loop below
    });
    while (!done)
        RunLoop::main().runOnce();
    worker.join();
    EXPECT_TRUE(ranOnMain);
    EXPECT_EQ(error, "boom");
}

TEST(RunLoopTest, SyncOfADiscardedTaskFailsInsteadOfHanging) {
    tk::TestMainLoop loop;
    std::atomic<bool> failed{false};
    std::thread worker([&] {
        try {
            RunLoop::main().sync([] {});
        } catch (const std::future_error&) {
            failed = true;
        }
    });
    while (!failed) {
        RunLoop::main().discardAll();
        std::this_thread::yield();
    }
    worker.join();
    EXPECT_TRUE(failed.load());
}

TEST(RunLoopTest, TimersFireAtTheirIntervalOnTheInjectedClock) {
    tk::TestMainLoop loop;
    int repeating = 0;
    int once = 0;
    auto tick = RunLoop::main().scheduleTimer(seconds(1.0 / 60.0), true, [&] { ++repeating; });
    auto shot = RunLoop::main().scheduleTimer(seconds(0.5), false, [&] { ++once; });
    EXPECT_EQ(loop.drain(), 0u);
    loop.advance(seconds(0.05));
    EXPECT_EQ(repeating, 3);
    loop.advance(seconds(1.0));
    EXPECT_EQ(repeating, 63);
    EXPECT_EQ(once, 1);
    EXPECT_FALSE(shot.isValid());
    EXPECT_TRUE(tick.isValid());
}

TEST(RunLoopTest, RepeatingTimerThatFellBehindFiresOnceAndKeepsItsRhythm) {
    tk::TestMainLoop loop;
    int ticks = 0;
    auto timer = RunLoop::main().scheduleTimer(seconds(0.1), true, [&] { ++ticks; });
    loop.clock().advance(seconds(0.35)); // a stall: three beats missed
    loop.drain();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(*RunLoop::main().nextTimerFireDate(), tk::Clock::TimePoint{} + seconds(0.4));
}

TEST(RunLoopTest, DestroyingOrInvalidatingTheTokenCancelsTheTimer) {
    tk::TestMainLoop loop;
    int ticks = 0;
    auto shared = std::make_shared<int>(0);
    {
        auto timer = RunLoop::main().scheduleTimer(seconds(0.1), true, [&ticks, shared] { ++ticks; });
        loop.advance(seconds(0.1));
        EXPECT_EQ(ticks, 1);
    }
    EXPECT_EQ(shared.use_count(), 1) << "the action is released with its timer";
    loop.advance(seconds(1.0));
    EXPECT_EQ(ticks, 1);

    tk::Timer selfCancelling;
    selfCancelling = RunLoop::main().scheduleTimer(seconds(0.1), true, [&] {
        ++ticks;
        selfCancelling.invalidate();
    });
    loop.advance(seconds(1.0));
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(selfCancelling.isValid());
    EXPECT_FALSE(RunLoop::main().nextTimerFireDate().has_value());
}

TEST(RunLoopTest, OnlyCommonModeTimersFireWhileTracking) {
    tk::TestMainLoop loop;
    int common = 0;
    int defaultOnly = 0;
    auto a = RunLoop::main().scheduleTimer(seconds(0.1), true, [&] { ++common; });
    auto b = RunLoop::main().scheduleTimer(
        seconds(0.1), true, [&] { ++defaultOnly; }, tk::TimerModes::defaultOnly);
    bool taskRan = false;
    RunLoop::main().post([&] { taskRan = true; });
    loop.clock().advance(seconds(0.1));
    RunLoop::main().drain(tk::RunLoopMode::eventTracking);
    EXPECT_TRUE(taskRan) << "the main queue is served in every mode";
    EXPECT_EQ(common, 1);
    EXPECT_EQ(defaultOnly, 0);
    RunLoop::main().drain();
    EXPECT_EQ(defaultOnly, 1);
}

TEST(RunLoopTest, RunSleepsUntilWokenAndReturnsAfterStop) {
    tk::TestMainLoop loop;
    auto& main = RunLoop::main();
    std::vector<int> ran;
    main.post([&] { ran.push_back(1); });
    main.post([&] { main.stop(); });
    main.run();
    EXPECT_EQ(ran, std::vector<int>{1});

    // Nothing queued: run() waits until a task from another thread wakes it.
    std::thread other([&] {
        main.post([&] {
            ran.push_back(2);
            main.stop();
        });
    });
    main.run();
    other.join();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

class RecordingEventSource : public tk::EventSource {
public:
    bool waitAndDispatch(std::optional<tk::Clock::Duration> timeout) override {
        timeouts.push_back(timeout);
        tk::RunLoop::main().stop();
        return false;
    }
    void wake() override { ++wakes; }
    std::vector<std::optional<tk::Clock::Duration>> timeouts;
    std::atomic<int> wakes{0};
};

TEST(RunLoopTest, AnEventSourceWaitsInPlaceOfTheLoopAndIsWokenByPosts) {
    tk::TestMainLoop loop;
    auto source = std::make_shared<RecordingEventSource>();
    RunLoop::main().setEventSource(source);
    auto timer = RunLoop::main().scheduleTimer(seconds(0.25), true, [] {});
    RunLoop::main().run();
    ASSERT_EQ(source->timeouts.size(), 1u);
    EXPECT_EQ(source->timeouts[0], seconds(0.25)) << "waits until the next timer";
    const int before = source->wakes;
    RunLoop::main().post([] {});
    EXPECT_EQ(source->wakes, before + 1);
    RunLoop::main().setEventSource(nullptr);
}

} // namespace
