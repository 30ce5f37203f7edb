#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/Publisher.h"
#include "platform/tk/base/TestMainLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

using tk::Cancellable;
using tk::PassthroughSubject;

TEST(PublisherTest, SubjectFilterMapAndSinkDeliverUntilCancelled) {
    PassthroughSubject<int> subject;
    std::vector<std::string> seen;
    bool finished = false;
    Cancellable token = subject.publisher()
                            .filter([](int n) { return n != 5; })
                            .map([](int n) { return std::to_string(n * 2); })
                            .sink([&](const std::string& s) { seen.push_back(s); }, [&] { finished = true; });
    subject.send(1);
    subject.send(5);
    subject.send(2);
    EXPECT_EQ(seen, (std::vector<std::string>{"2", "4"}));
    token.cancel();
    subject.send(3);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(subject.subscriberCount(), 0u);
    EXPECT_FALSE(finished);
}

TEST(PublisherTest, CompletionEndsTheStreamForCurrentAndLaterSubscribers) {
    PassthroughSubject<int> subject;
    int values = 0, completions = 0;
    Cancellable first = subject.sink([&](const int&) { ++values; }, [&] { ++completions; });
    subject.sendCompletion();
    subject.sendCompletion();
    subject.send(1);
    EXPECT_EQ(values, 0);
    EXPECT_EQ(completions, 1);
    Cancellable late = subject.sink([&](const int&) { ++values; }, [&] { ++completions; });
    EXPECT_EQ(completions, 2);
    EXPECT_FALSE(late.isActive());
}

TEST(PublisherTest, SubscriberMayCancelItselfWhileReceiving) {
    PassthroughSubject<int> subject;
    std::vector<int> seen;
    Cancellable token;
    token = subject.sink([&](const int& n) {
        seen.push_back(n);
        token.cancel();
    });
    subject.send(1);
    subject.send(2);
    EXPECT_EQ(seen, std::vector<int>{1});
}

TEST(ReceiveOnMainThreadTest, MainThreadValuesArriveBeforeSendReturnsOthersLaterOnMain) {
    tk::TestMainLoop loop;
    PassthroughSubject<int> subject;
    std::vector<int> seen;
    bool offMainDelivery = false;
    Cancellable token = subject.publisher().receiveOnMainThread().sink([&](const int& n) {
        offMainDelivery |= !tk::isMainThread();
        seen.push_back(n);
    });

    subject.send(1);
    EXPECT_EQ(seen, std::vector<int>{1}); // synchronous on the main thread

    std::thread worker([&] { subject.send(2); });
    worker.join();
    EXPECT_EQ(seen, std::vector<int>{1}); // queued: the worker's send returned first
    loop.drain();
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_FALSE(offMainDelivery);
}

TEST(ReceiveOnMainThreadTest, NothingIsDeliveredAfterCancelEvenWhenAlreadyQueued) {
    tk::TestMainLoop loop;
    PassthroughSubject<int> subject;
    std::vector<int> seen;
    Cancellable token =
        subject.publisher().receiveOnMainThread().sink([&](const int& n) { seen.push_back(n); });
    std::thread worker([&] { subject.send(1); });
    worker.join();
    token.cancel();
    loop.drain();
    subject.send(2);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(subject.subscriberCount(), 0u);
}

TEST(ReceiveOnMainThreadTest, MainThreadEventRunsQueuedOnesFirstAndNothingFollowsCompletion) {
    tk::TestMainLoop loop;
    PassthroughSubject<int> subject;
    std::vector<std::string> events;
    Cancellable token = subject.publisher().receiveOnMainThread().sink(
        [&](const int& n) { events.push_back(std::to_string(n)); }, [&] { events.push_back("end"); });
    std::thread worker([&] {
        subject.send(1);
        subject.send(2);
    });
    worker.join();
    subject.send(3); // on the main thread: 1 and 2 first, in order, then 3, all before send returns
    EXPECT_EQ(events, (std::vector<std::string>{"1", "2", "3"}));
    std::thread finisher([&] { subject.sendCompletion(); });
    finisher.join();
    subject.send(4);
    loop.drain();
    EXPECT_EQ(events, (std::vector<std::string>{"1", "2", "3", "end"}));
}

} // namespace
