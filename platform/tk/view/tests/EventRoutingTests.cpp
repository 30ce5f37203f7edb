#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/tests/RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace tk {
namespace {

using Log = std::vector<std::string>;
using testing::RecordingView;

class EventRouting : public ::testing::Test {
public:
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    std::shared_ptr<RecordingView> a = View::make<RecordingView>(Rect{0, 0, 100, 100});
    std::shared_ptr<RecordingView> b = View::make<RecordingView>(Rect{100, 0, 100, 100});

    void SetUp() override {
        w.contentView().addSubview(a);
        w.contentView().addSubview(b);
    }
};

TEST_F(EventRouting, TheViewThatTookTheMouseDownGetsTheWholeDrag) {
    w.mouseDown({10, 10});
    w.dragTo({150, 50}, 2); // into b's area
    w.mouseUp({150, 50});
    EXPECT_EQ(a->log, (Log{"down 10,10", "drag 80,30", "drag 150,50", "up 150,50"}))
        << "locations stay in the captured view's coordinates";
    EXPECT_TRUE(b->log.empty());
    EXPECT_EQ(w.window().mouseCaptureView(), nullptr);
}

TEST_F(EventRouting, UnhandledEventsBubbleToTheSuperview) {
    auto child = View::make<RecordingView>(Rect{10, 10, 20, 20});
    child->handlesMouse = false;
    a->addSubview(child);
    w.drag({15, 15}, {40, 40}, 1);
    EXPECT_EQ(child->log, (Log{"down 5,5"}));
    EXPECT_EQ(a->log, (Log{"down 15,15", "drag 40,40", "up 40,40"})) << "the parent handled it and captured";

    w.scroll({15, 15}, 0, 3);
    EXPECT_EQ(child->log.back(), "scroll 5,5");
    EXPECT_EQ(a->log.back(), "scroll 15,15");
}

TEST(EventRoutingCancel, AGestureIsCancelledOnceWhenItCannotFinish) {
    struct Case {
        const char* name;
        std::function<void(HeadlessWindow&, View&)> interrupt;
    };
    const std::vector<Case> cases{
        {"grab lost", [](HeadlessWindow& w, View&) { w.cancelDrag(); }},
        {"view removed", [](HeadlessWindow&, View& v) { v.removeFromSuperview(); }},
        {"ancestor replaced",
         [](HeadlessWindow& w, View&) { w.window().setContentView(View::make<View>()); }},
        {"view hidden", [](HeadlessWindow&, View& v) { v.setHidden(true); }},
        {"focus lost", [](HeadlessWindow& w, View&) { w.unfocus(); }},
        {"window closed", [](HeadlessWindow& w, View&) { w.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestMainLoop loop;
        HeadlessWindow w{{200, 100}};
        auto view = View::make<RecordingView>(Rect{0, 0, 100, 100});
        w.contentView().addSubview(view);
        w.mouseDown({10, 10});
        w.dragTo({20, 20});
        c.interrupt(w, *view);
        EXPECT_EQ(view->log, (Log{"down 10,10", "drag 20,20", "cancel 20,20"}));
        EXPECT_EQ(w.window().mouseCaptureView(), nullptr);
        // The rest of the gesture goes nowhere.
        w.dragTo({30, 30});
        w.mouseUp({30, 30});
        EXPECT_EQ(view->log.size(), 3u);
    }
}

TEST_F(EventRouting, ClickingMovesTheFocusAndClickingElsewhereEndsIt) {
    std::vector<Responder*> changes; // what observers saw, once per real change
    auto token =
        w.window().observeFirstResponder([&](Window& win) { changes.push_back(win.firstResponder()); });
    a->acceptsFocus = true;
    w.click({10, 10});
    w.click({20, 10});
    EXPECT_EQ(w.window().firstResponder(), a.get());
    EXPECT_EQ(a->log.front(), "become") << "focus moves before the mouse-down is delivered";
    EXPECT_EQ(changes, (std::vector<Responder*>{a.get()}));

    // A click on a view that does not take focus gives it to the window.
    w.click({150, 10});
    EXPECT_EQ(w.window().firstResponder(), &w.window());
    EXPECT_EQ(std::count(a->log.begin(), a->log.end(), "resign"), 1);

    // A view may refuse to resign.
    w.click({10, 10});
    a->refusesToResign = true;
    EXPECT_FALSE(w.window().makeFirstResponder(nullptr));
    EXPECT_EQ(w.window().firstResponder(), a.get());
    // ... but not when it leaves the window.
    a->removeFromSuperview();
    EXPECT_EQ(w.window().firstResponder(), &w.window());
    EXPECT_EQ(changes, (std::vector<Responder*>{a.get(), &w.window(), a.get(), &w.window()}));

    // A view outside this window, or one that does not accept, cannot become first responder.
    auto stranger = View::make<RecordingView>();
    stranger->acceptsFocus = true;
    EXPECT_FALSE(w.window().makeFirstResponder(stranger.get()));
    EXPECT_FALSE(w.window().makeFirstResponder(b.get()));
}

// A button and its kin take the focus from Tab, never from a click: a click on one leaves the
// focus where it was, on another view or on the window.
TEST_F(EventRouting, AClickOnAViewThatTakesNoTextLeavesTheFocusWhereItWas) {
    auto field = View::make<RecordingView>(Rect{50, 0, 20, 20}); // inside b, which takes no focus
    field->acceptsFocus = true;
    b->addSubview(field);
    a->acceptsFocus = true;
    a->focusOnClick = false;
    w.click({10, 10});
    EXPECT_EQ(w.window().firstResponder(), &w.window()) << "no focus from the click";
    EXPECT_EQ(a->log.front(), "down 10,10");

    w.click({155, 10}); // the field
    ASSERT_EQ(w.window().firstResponder(), field.get());
    w.click({10, 10});
    EXPECT_EQ(w.window().firstResponder(), field.get()) << "the field keeps its focus";

    w.window().selectPreviousKeyView(); // Shift-Tab
    EXPECT_EQ(w.window().firstResponder(), a.get()) << "Tab brings the focus to it";
    w.click({10, 10});
    EXPECT_EQ(w.window().firstResponder(), a.get()) << "and a click leaves it there";
}

TEST_F(EventRouting, KeysAndTextGoUpTheFirstRespondersChain) {
    auto field = View::make<RecordingView>(Rect{10, 10, 20, 20});
    field->acceptsFocus = true;
    field->handlesKeys = false;
    a->addSubview(field);
    ASSERT_TRUE(w.window().makeFirstResponder(field.get()));
    w.key(KeyCode::x);
    w.type("hé");
    EXPECT_EQ(field->log, (Log{"become", "key x", "text hé"}));
    EXPECT_EQ(a->log, (Log{"key x", "text hé"}));
    EXPECT_TRUE(b->log.empty());
    EXPECT_EQ(currentModifierFlags(), ModifierFlags::none);
    w.key(KeyCode::x, ModifierFlags::option);
    EXPECT_TRUE(contains(currentModifierFlags(), ModifierFlags::option))
        << "dispatch keeps the current flags";
}

TEST_F(EventRouting, TabCyclesThroughTheKeyViews) {
    a->acceptsFocus = b->acceptsFocus = true;
    a->handlesKeys = b->handlesKeys = false; // a view that takes Tab keeps it
    auto hidden = View::make<RecordingView>(Rect{0, 0, 5, 5});
    hidden->acceptsFocus = true;
    hidden->setHidden(true);
    w.contentView().addSubview(hidden);
    w.key(KeyCode::tab);
    EXPECT_EQ(w.window().firstResponder(), a.get());
    w.key(KeyCode::tab);
    EXPECT_EQ(w.window().firstResponder(), b.get());
    w.key(KeyCode::tab);
    EXPECT_EQ(w.window().firstResponder(), a.get()) << "wraps around, skipping hidden views";
    w.key(KeyCode::tab, ModifierFlags::shift);
    EXPECT_EQ(w.window().firstResponder(), b.get());
}

TEST_F(EventRouting, PressedButtonsAndRightClicks) {
    w.mouseDown({10, 10});
    EXPECT_EQ(pressedMouseButtons(), 1u);
    w.mouseUp({10, 10});
    EXPECT_EQ(pressedMouseButtons(), 0u);
    w.mouseDown({10, 10}, ModifierFlags::none, 1, MouseButton::right);
    EXPECT_EQ(pressedMouseButtons(), 2u);
    w.mouseUp({10, 10}, ModifierFlags::none, 1, MouseButton::right);

    Event e;
    e.type = EventType::mouseDown;
    e.button = MouseButton::right;
    EXPECT_TRUE(isRightClick(e));
    e.button = MouseButton::left;
    EXPECT_FALSE(isRightClick(e));
    e.modifierFlags = ModifierFlags::control;
    EXPECT_TRUE(isRightClick(e)) << "Control-click";
    e.type = EventType::keyDown;
    EXPECT_FALSE(isRightClick(e)) << "Control held on a key press is no click";
}

TEST_F(EventRouting, TrackingAreasReportEnterMoveAndExitAndSetTheCursor) {
    a->addTrackingArea(TrackingArea(Rect{10, 10, 20, 20},
                                    TrackingOptions::mouseEnteredAndExited | TrackingOptions::mouseMoved |
                                        TrackingOptions::cursorUpdate,
                                    7, Cursor::pointingHand));
    b->setCursor(Cursor::iBeam);
    w.moveMouse({5, 5});
    w.moveMouse({15, 15});
    EXPECT_EQ(w.native()->cursor(), Cursor::pointingHand);
    w.moveMouse({16, 16});
    w.moveMouse({50, 50});
    EXPECT_EQ(a->log, (Log{"enter 15,15", "move 15,15", "move 16,16", "exit 50,50"}));
    EXPECT_EQ(w.native()->cursor(), Cursor::arrow);
    w.moveMouse({150, 50});
    EXPECT_EQ(w.native()->cursor(), Cursor::iBeam) << "a view's cursor covers its bounds";
    w.window().cursorStack().push(Cursor::crosshair);
    w.moveMouse({151, 50});
    EXPECT_EQ(w.native()->cursor(), Cursor::crosshair) << "a pushed cursor wins";
    w.window().cursorStack().pop();

    // An area removed while the pointer is inside sends nothing more.
    w.moveMouse({15, 15});
    a->log.clear();
    a->removeAllTrackingAreas();
    w.moveMouse({50, 50});
    EXPECT_TRUE(a->log.empty());
}

TEST_F(EventRouting, KeyStateIsReportedOnceAndObserversGoAway) {
    std::vector<bool> seen;
    {
        auto token = w.window().observeKeyState([&](Window&, bool key) { seen.push_back(key); });
        EXPECT_TRUE(w.window().isKeyWindow());
        w.unfocus();
        w.unfocus();
        w.focus();
    }
    w.unfocus();
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));

    // Another headless window taking the focus takes it from this one.
    w.focus();
    HeadlessWindow other{{10, 10}};
    EXPECT_TRUE(other.window().isKeyWindow());
    EXPECT_FALSE(w.window().isKeyWindow());
}

TEST_F(EventRouting, ClosingEndsFocusNotifiesAndStaysClosed) {
    a->acceptsFocus = true;
    w.click({10, 10});
    int willClose = 0;
    auto token = w.window().observeWillClose([&](Window&) { ++willClose; });
    w.close();
    w.close();
    EXPECT_EQ(willClose, 1);
    EXPECT_EQ(a->log.back(), "resign");
    EXPECT_EQ(a->window(), nullptr);
    EXPECT_TRUE(w.native()->isClosed());
    a->log.clear();
    w.click({10, 10});
    EXPECT_TRUE(a->log.empty()) << "a closed window takes no events";
}

// Press and hold: a view that, on the press, looks ahead for the release within the double-click
// interval (leaving it queued), the way a button with a held action decides.
class HoldingView final : public testing::RecordingView {
public:
    using RecordingView::RecordingView;
    bool mouseDown(const Event& e) override {
        testing::RecordingView::mouseDown(e);
        auto up = window()->nextEventMatching([](const Event& n) { return n.type == EventType::mouseUp; },
                                              RunLoop::main().now() + seconds(doubleClickInterval()));
        log.push_back(up ? "released in time" : "held");
        return true;
    }
};

TEST_F(EventRouting, AHandlerLooksAheadForTheReleaseWithoutTakingItFromTheQueue) {
    auto holder = View::make<HoldingView>(Rect{0, 0, 50, 50});
    a->addSubview(holder);
    w.click({10, 10});
    EXPECT_EQ(holder->log, (Log{"down 10,10", "released in time", "up 10,10"}))
        << "the release is seen ahead and still delivered afterwards";

    holder->log.clear();
    w.mouseDown({10, 10});
    EXPECT_EQ(holder->log, (Log{"down 10,10", "held"}));
    w.mouseUp({12, 10});
    EXPECT_EQ(holder->log, (Log{"down 10,10", "held", "up 12,10"}));
    EXPECT_FALSE(w.window().nextEventMatching([](const Event&) { return true; }, RunLoop::main().now()))
        << "nothing is left queued";
}

} // namespace
} // namespace tk
