#include "platform/tk/base/NotificationCenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tk::Notification;
using tk::NotificationCenter;

struct Base {
    virtual ~Base() = default;
};
struct Other {
    int x = 0;
};
struct Derived : Other, Base {};

TEST(NotificationCenterTest, ObserversMatchByNameAndObjectUntilTheirTokenGoes) {
    NotificationCenter center;
    Derived window, otherWindow;
    std::vector<std::string> seen;
    auto any =
        center.addObserver("", nullptr, [&](const Notification& n) { seen.push_back("any:" + n.name); });
    auto named =
        center.addObserver("didBecomeKey", nullptr, [&](const Notification&) { seen.push_back("named"); });
    // Registered through the base pointer, posted with the derived one: the same object.
    auto forWindow =
        center.addObserver("didBecomeKey", static_cast<Base*>(&window), [&](const Notification& n) {
            EXPECT_EQ(n.object.as<Derived>(), &window);
            EXPECT_EQ(n.object.as<Base>(), nullptr); // read back as the type it was posted with
            seen.push_back("window");
        });

    center.post("didBecomeKey", &window);
    center.post("didBecomeKey", &otherWindow);
    center.post("didResignKey", &window);
    EXPECT_EQ(seen, (std::vector<std::string>{"any:didBecomeKey", "named", "window", "any:didBecomeKey",
                                              "named", "any:didResignKey"}));

    seen.clear();
    { auto gone = std::move(forWindow); }
    named.cancel();
    center.post("didBecomeKey", &window);
    EXPECT_EQ(seen, std::vector<std::string>{"any:didBecomeKey"});
}

TEST(NotificationCenterTest, PublisherCarriesUserInfoAndAnObserverRemovedDuringPostIsSkipped) {
    NotificationCenter center;
    std::vector<int> values;
    tk::Subscription second;
    auto first = center.addObserver("n", nullptr, [&](const Notification&) { second.cancel(); });
    second = center.addObserver("n", nullptr, [&](const Notification&) { values.push_back(-1); });
    auto sink = center.publisher("n")
                    .map([](const Notification& n) { return std::any_cast<int>(n.userInfo); })
                    .sink([&](const int& v) { values.push_back(v); });
    center.post("n", nullptr, 7);
    EXPECT_EQ(values, std::vector<int>{7});
}

TEST(NotificationCenterTest, TokenMayOutliveTheCentre) {
    tk::Subscription token;
    {
        NotificationCenter center;
        token = center.addObserver("n", nullptr, [](const Notification&) {});
    }
    token.cancel();
    SUCCEED();
}

} // namespace
