#include "platform/tk/base/Observable.h"
#include "platform/tk/base/ReadTracking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(ObservableTest, NotifiesOnlyWhenTheValueChanges) {
    tk::Observable<float> value{1.0f};
    std::vector<float> seen;
    auto token = value.subscribe([&](float now) { seen.push_back(now); });
    value.set(1.0f);
    value.set(2.0f);
    value.set(2.0f);
    value.set(-0.0f);
    value.set(0.0f); // -0 == +0: stored without notification
    EXPECT_EQ(seen, (std::vector<float>{2.0f, -0.0f}));
    EXPECT_FALSE(std::signbit(value.get()));
}

TEST(ObservableTest, AStoredNaNAlwaysCountsAsAChange) {
    tk::Observable<float> value{0.0f};
    int notified = 0;
    auto token = value.subscribe([&] { ++notified; });
    value.set(NAN);
    value.set(NAN);
    EXPECT_EQ(notified, 2);
}

TEST(ObservableTest, AlwaysNotifyPolicyNotifiesEqualValues) {
    tk::Observable<std::vector<int>> list{{1, 2}, tk::ObservableNotify::always};
    int notified = 0;
    auto token = list.subscribe([&] { ++notified; });
    list.set({1, 2});
    list.modify([](auto& items) { items.push_back(3); });
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(list.get().size(), 3u);
}

TEST(ObservableTest, CancelledSubscriptionsStopEvenDuringANotification) {
    tk::Observable<int> value{0};
    std::vector<std::string> calls;
    tk::Subscription second;
    auto first = value.subscribe([&] {
        calls.push_back("first");
        second.cancel(); // cancelled before its turn in this very notification
    });
    second = value.subscribe([&] { calls.push_back("second"); });
    value.set(1);
    EXPECT_EQ(calls, (std::vector<std::string>{"first"}));
    first.cancel();
    value.set(2);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(value.notifier().subscriberCount(), 0u);
}

TEST(ObservableTest, ASubscriptionMayOutliveItsObservable) {
    tk::Subscription token;
    {
        tk::Observable<int> value{0};
        token = value.subscribe([] {});
    }
    token.cancel(); // no crash, nothing to do
    EXPECT_FALSE(token.isActive());
}

TEST(ReadTrackingTest, RecordsExactlyTheObservablesTheBodyRead) {
    tk::Observable<int> a{1};
    tk::Observable<int> b{2};
    tk::Observable<int> unread{3};
    int sum = 0;
    auto reads = tk::trackReads([&] { sum = a.get() + b.get() + a.get() + unread.peek(); });
    EXPECT_EQ(sum, 7);
    EXPECT_EQ(reads.size(), 2u);
    EXPECT_TRUE(reads.contains(a.notifier()));
    EXPECT_TRUE(reads.contains(b.notifier()));
    EXPECT_FALSE(reads.contains(unread.notifier()));

    int rebuilds = 0;
    auto token = reads.subscribe([&] { ++rebuilds; });
    unread.set(30);
    EXPECT_EQ(rebuilds, 0);
    a.set(10);
    b.set(20);
    b.set(20);
    EXPECT_EQ(rebuilds, 2);
    token.cancel();
    a.set(11);
    EXPECT_EQ(rebuilds, 2);
}

TEST(ReadTrackingTest, TwoRunsAreTheSameWhenTheyReadTheSameObservablesInTheSameOrder) {
    tk::Observable<int> a{1};
    tk::Observable<int> b{2};
    auto readAB = [&] { return tk::trackReads([&] { (void)(a.get() + b.get()); }); };
    EXPECT_TRUE(readAB().sameAs(readAB()));
    EXPECT_TRUE(tk::trackReads([] {}).sameAs(tk::trackReads([] {})));
    EXPECT_FALSE(readAB().sameAs(tk::trackReads([&] { (void)(b.get() + a.get()); })));
    EXPECT_FALSE(readAB().sameAs(tk::trackReads([&] { (void)a.get(); })));
    tk::Observable<int> c{3};
    EXPECT_FALSE(readAB().sameAs(tk::trackReads([&] { (void)(a.get() + c.get()); })));
}

TEST(ReadTrackingTest, NestedScopesRecordIntoTheInnermostOnlyAndUntrackedHidesReads) {
    tk::Observable<int> parent{1};
    tk::Observable<int> child{2};
    tk::Observable<int> hidden{3};
    tk::ObservedReads inner;
    auto outer = tk::trackReads([&] {
        parent.get();
        inner = tk::trackReads([&] { child.get(); });
        int value = tk::untracked([&] { return hidden.get(); });
        EXPECT_EQ(value, 3);
    });
    EXPECT_EQ(outer.size(), 1u);
    EXPECT_TRUE(outer.contains(parent.notifier()));
    EXPECT_EQ(inner.size(), 1u);
    EXPECT_TRUE(inner.contains(child.notifier()));
    EXPECT_EQ(tk::ReadTrackingScope::current(), nullptr);
    parent.get(); // outside any scope: recorded nowhere, no crash
}

} // namespace
