#include "Tessaly/Publishers/ControlActions.h"
#include "Tessaly/Publishers/ControlPublisher.h"
#include "Tessaly/Publishers/ReceiveOnMainThread.h"
#include "Tessaly/Publishers/SinkFocus.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace Tessaly {
namespace {

struct Switch : tk::Control {
    using tk::Control::Control;
    int state() const { return state_; }
    int state_ = 0;
};

struct ControlPublisherTest : ::testing::Test {
    tk::TestMainLoop loop;
    std::shared_ptr<Switch> control = tk::View::make<Switch>(tk::Rect{0, 0, 40, 20});
    std::vector<std::string> log;
};

TEST_F(ControlPublisherTest, OneAttachedPublisherTakesOverTheTargetAndAClosureTakesItBack) {
    auto earlier = std::make_shared<tk::Responder>();
    earlier->setActionHandler("press:", [&](const tk::ActionSender&) { log.push_back("earlier target"); });
    setTargetAndAction(*control, earlier, "press:");
    control->sendAction();

    auto first = publisher(*control).sink([&](Switch* const& sender) {
        log.push_back(sender == control.get() ? "first subscriber" : "wrong sender");
    });
    EXPECT_EQ(controlPublisher(*control), controlPublisher(*control));
    EXPECT_EQ(control->target(), controlPublisher(*control).get());
    EXPECT_EQ(control->action(), "controlActionWithSender:");
    // A second read, also as the base type, answers the same publisher: the first subscriber stays.
    auto second = actionPublisher(static_cast<tk::Control&>(*control)).sink([&](tk::Control* const&) {
        log.push_back("second subscriber");
    });
    control->sendAction();

    setAction<Switch>(*control, [&](Switch& sender) {
        log.push_back(&sender == control.get() ? "closure" : "wrong sender");
    });
    EXPECT_EQ(control->action(), "actionWithSender:");
    control->sendAction();
    setAction<Switch>(*control, [&](Switch&) { log.push_back("replaced closure"); });
    control->sendAction();
    // Reading the publisher again does not take the target back from the closure.
    auto third = publisher(*control).sink([&](Switch* const&) { log.push_back("third subscriber"); });
    control->sendAction();

    EXPECT_EQ(log, (std::vector<std::string>{"earlier target", "first subscriber", "second subscriber",
                                             "closure", "replaced closure", "replaced closure"}));
}

TEST_F(ControlPublisherTest, PropertyPublisherSendsTheValueAtEachActionAndTheControlsEndFinishesIt) {
    std::vector<int> states;
    bool finished = false;
    auto token = publisher(*control, &Switch::state)
                     .sink([&](const int& state) { states.push_back(state); }, [&] { finished = true; });
    control->state_ = 1;
    control->sendAction();
    control->state_ = 0;
    control->sendAction();
    EXPECT_EQ(states, (std::vector<int>{1, 0}));
    control.reset();
    EXPECT_TRUE(finished);
}

TEST_F(ControlPublisherTest, ReceiveOnMainThreadDeliversOffMainValuesThroughTheLoop) {
    tk::PassthroughSubject<int> subject;
    Publishers::ReceiveOnMainThread<int> onMain(subject.publisher());
    std::vector<int> seen;
    auto token = onMain.sink([&](const int& v) { seen.push_back(v); });
    std::thread worker([&] { subject.send(1); });
    worker.join();
    subject.send(2);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

struct FocusableView : tk::View {
    using tk::View::View;
    bool acceptsFirstResponder() const override { return true; }
};

TEST_F(ControlPublisherTest, SinkFocusFocusesALivingViewInAWindowAndIgnoresAGoneOne) {
    tk::HeadlessWindow window{{200, 100}};
    auto field = tk::View::make<FocusableView>(tk::Rect{0, 0, 50, 20});
    auto loose = tk::View::make<FocusableView>(tk::Rect{0, 0, 50, 20});
    window.contentView().addSubview(field);
    tk::HeadlessWindow other{{100, 100}}; // takes the key state
    ASSERT_FALSE(window.window().isKeyWindow());

    tk::PassthroughSubject<int> requests;
    auto focusField = sinkFocus(requests.publisher(), field);
    auto focusLoose = sinkFocus(requests.publisher(), loose); // in no window: nothing
    requests.send(1);
    EXPECT_TRUE(window.window().isKeyWindow());
    EXPECT_EQ(window.window().firstResponder(), field.get());

    window.window().makeFirstResponder(nullptr);
    field->removeFromSuperview();
    field.reset();
    requests.send(2);
    EXPECT_NE(window.window().firstResponder(), nullptr);
    EXPECT_EQ(window.window().firstResponder(), &window.window());
}

} // namespace
} // namespace Tessaly
