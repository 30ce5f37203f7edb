#include "platform/tk/base/Observable.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/Button.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/tests/UiTestSupport.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tk::ui {
namespace {

// A window of 200 x 100 whose content is `root`; the 100 x 50 target sits at the top-left.
struct Fixture {
    TestMainLoop loop;
    HeadlessWindow window{Size{200, 100}};
    std::shared_ptr<HostingView> host;

    explicit Fixture(Node root) {
        host = View::make<HostingView>(root.frame(
            {.maxWidth = kInfinity, .maxHeight = kInfinity, .alignment = Alignment::topLeading()}));
        window.setContentView(host);
        window.window().layoutIfNeeded();
    }
};

Node target() {
    return Rectangle().fill(Color::gray(0.5)).frame(100, 50);
}

TEST(UiGesture, TapsCountClicksAndHonourTheirModifier) {
    int single = 0;
    int dbl = 0;
    int option = 0;
    Fixture f(target()
                  .onTapGesture([&] { ++single; })
                  .onTapGesture([&] { ++dbl; }, 2)
                  .gesture(TapGesture{
                      .count = 1, .modifiers = ModifierFlags::option, .onEnded = [&](Point) { ++option; }}));

    f.window.click({10, 10});
    EXPECT_EQ(single, 1);
    EXPECT_EQ(dbl, 0);
    EXPECT_EQ(option, 0) << "the Option tap needs Option";

    f.window.doubleClick({10, 10});
    EXPECT_EQ(single, 3) << "a single tap counts every click";
    EXPECT_EQ(dbl, 1) << "the double tap fires on the second click only";

    f.window.click({10, 10}, ModifierFlags::option | ModifierFlags::capsLock);
    EXPECT_EQ(option, 1);

    f.window.click({150, 80});
    EXPECT_EQ(single, 4) << "the Option click was a plain tap too; outside the node nothing fires";
}

TEST(UiGesture, DragWaitsForItsMinimumDistanceThenReportsChangesAndEnd) {
    std::vector<DragValue> changes;
    std::vector<DragValue> ends;
    int taps = 0;
    Fixture f(target()
                  .gesture(DragGesture{.minimumDistance = 6,
                                       .onChanged = [&](const DragValue& v) { changes.push_back(v); },
                                       .onEnded = [&](const DragValue& v) { ends.push_back(v); }})
                  .onTapGesture([&] { ++taps; }, 2));

    f.window.mouseDown({20, 40});
    f.window.mouseDragged({20, 36});
    EXPECT_TRUE(changes.empty()) << "4 points is below the minimum";
    f.window.mouseDragged({20, 30});
    f.window.mouseDragged({20, 10});
    f.window.mouseDragged({20, -30}); // outside the window: still captured
    f.window.mouseUp({20, -30});
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].translation, (Point{0, -10}));
    EXPECT_EQ(changes[0].startLocation, (Point{20, 40}));
    EXPECT_EQ(changes[2].location, (Point{20, -30}));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_FALSE(ends[0].isCancelled);
    EXPECT_EQ(ends[0].translation, (Point{0, -70}));
    EXPECT_EQ(taps, 0);

    // A short wobble is no drag, and the double tap still counts.
    changes.clear();
    ends.clear();
    f.window.mouseDown({20, 40}, ModifierFlags::none, 1);
    f.window.mouseDragged({22, 41});
    f.window.mouseUp({22, 41}, ModifierFlags::none, 1);
    f.window.click({22, 41}, ModifierFlags::none, 2);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(taps, 1);
}

TEST(UiGesture, DragWithZeroMinimumStartsAtThePress) {
    std::vector<Point> changes;
    Fixture f(target().gesture(DragGesture{
        .minimumDistance = 0, .onChanged = [&](const DragValue& v) { changes.push_back(v.location); }}));
    f.window.mouseDown({5, 6});
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (Point{5, 6}));
    f.window.mouseUp({5, 6});
}

struct Removable {
    Observable<bool>* present = nullptr;
    std::vector<std::string>* log = nullptr;
    bool withCancelHandler = false;

    Node body() {
        if (!present->get())
            return Node();
        DragGesture drag{
            .minimumDistance = 0,
            .onChanged = [this](const DragValue&) { log->push_back("change"); },
            .onEnded =
                [this](const DragValue& v) { log->push_back(v.isCancelled ? "end(cancelled)" : "end"); }};
        if (withCancelHandler)
            drag.onCancelled = [this](const DragValue&) { log->push_back("cancel"); };
        return target().gesture(std::move(drag));
    }
};

TEST(UiGesture, DragIsCancelledWhenItsViewGoesAwayOrTheGrabIsLost) {
    for (bool withHandler : {false, true}) {
        Observable<bool> present{true};
        std::vector<std::string> log;
        Fixture f(Removable{.present = &present, .log = &log, .withCancelHandler = withHandler});
        f.window.mouseDown({10, 10});
        f.window.mouseDragged({30, 10});
        present.set(false);
        f.loop.drain();
        const std::string ending = withHandler ? "cancel" : "end(cancelled)";
        EXPECT_EQ(log, (std::vector<std::string>{"change", "change", ending}));
        f.window.mouseUp({30, 10});
        EXPECT_EQ(log.size(), 3u) << "the release after a cancel reports nothing";

        log.clear();
        present.set(true);
        f.loop.drain();
        f.window.mouseDown({10, 10});
        f.window.cancelDrag();
        EXPECT_EQ(log, (std::vector<std::string>{"change", ending}));

        log.clear();
        f.window.mouseDown({10, 10});
        f.window.close();
        EXPECT_EQ(log, (std::vector<std::string>{"change", ending})) << "closing the window mid-drag";
    }
}

TEST(UiGesture, DragOutOffersTheItemOnceAndTapsStillWork) {
    int taps = 0;
    int asked = 0;
    Fixture f(target().onTapGesture([&] { ++taps; }).onDrag([&]() -> std::optional<DragItem> {
        ++asked;
        return DragItem{"/tmp/export.mid", "export.mid"};
    }));
    auto* backend = HeadlessBackend::current();
    ASSERT_NE(backend, nullptr);
    const std::size_t before = backend->drags().size();

    f.window.click({10, 10});
    EXPECT_EQ(taps, 1);
    EXPECT_EQ(asked, 0);

    f.window.drag({10, 10}, {40, 10}, 4);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(taps, 1) << "a drag is no tap";
    ASSERT_EQ(backend->drags().size(), before + 1);
    EXPECT_EQ(backend->drags().back().item.filePath, "/tmp/export.mid");
}

struct WhereKey {
    using Value = std::string;
    static Value defaultValue() { return "nowhere"; }
};

TEST(UiGesture, HandlersSeeTheEnvironmentOfTheirPlace) {
    std::string seen;
    Fixture f(Button([&] { seen = environment<WhereKey>(); }, target()).environment<WhereKey>("panel"));
    f.window.click({10, 10});
    EXPECT_EQ(seen, "panel");
    EXPECT_EQ(environment<WhereKey>(), "nowhere") << "outside a handler: the default";
}

struct RecordingStyle {
    std::vector<bool>* pressed = nullptr;
    Node makeBody(const ButtonStyleConfiguration& c) const {
        pressed->push_back(c.isPressed);
        return c.label.frame(100, 50).opacity(c.isPressed ? 0.8 : 1);
    }
};

TEST(UiGesture, ButtonStyleSeesThePressAndTheActionRunsOnReleaseInside) {
    std::vector<bool> pressed;
    int actions = 0;
    Observable<bool> disabled{false};
    struct Root {
        std::vector<bool>* pressed;
        int* actions;
        Observable<bool>* disabled;
        Node body() {
            return Button([this] { ++*actions; }, Text("GO"))
                .buttonStyle(RecordingStyle{.pressed = pressed})
                .disabled(disabled->get());
        }
    };
    Fixture f(Root{&pressed, &actions, &disabled});
    EXPECT_EQ(pressed, (std::vector<bool>{false}));

    f.window.mouseDown({10, 10});
    f.loop.drain();
    EXPECT_EQ(pressed.back(), true);
    f.window.mouseUp({10, 10});
    f.loop.drain();
    EXPECT_EQ(pressed.back(), false);
    EXPECT_EQ(actions, 1);

    // Dragging off unpresses; releasing there does nothing.
    f.window.mouseDown({10, 10});
    f.window.mouseDragged({150, 80});
    f.loop.drain();
    EXPECT_EQ(pressed.back(), false);
    f.window.mouseUp({150, 80});
    f.loop.drain();
    EXPECT_EQ(actions, 1);

    // A cancelled press does nothing either.
    f.window.mouseDown({10, 10});
    f.window.cancelDrag();
    f.loop.drain();
    EXPECT_EQ(pressed.back(), false);
    EXPECT_EQ(actions, 1);

    disabled.set(true);
    f.loop.drain();
    f.window.click({10, 10});
    f.loop.drain();
    EXPECT_EQ(actions, 1) << "a disabled button ignores the pointer";
    EXPECT_EQ(pressed.back(), false);
}

// Whether a view under `view` (or `view`) draws translucent.
bool translucent(View& view) {
    if (view.alpha() < 1)
        return true;
    for (const auto& child : view.subviews())
        if (translucent(*child))
            return true;
    return false;
}

// Shows whether the style was told the button is focused, as the opacity of its body.
struct FocusShowingStyle {
    Node makeBody(const ButtonStyleConfiguration& c) const {
        return c.label.frame(60, 40).opacity(c.isFocused ? 0.5 : 1);
    }
};

// Only buttons under buttonsTakeFocus that are enabled are in the key view loop; the style sees
// the focus, Space and Return press the focused button and nothing else, and a button disabled
// while it has the focus gives it up.
TEST(UiGesture, ButtonsTakeTheKeyboardFocusWhereAskedAndWhileEnabled) {
    std::vector<std::string> pressed;
    Observable<bool> secondDisabled{true};
    struct Root {
        std::vector<std::string>* pressed;
        Observable<bool>* secondDisabled;
        Node button(const std::string& name) const {
            return Button([p = pressed, name] { p->push_back(name); }, Text(name)).identifier(name);
        }
        Node body() {
            return HStack({button("a"), button("b").disabled(secondDisabled->get())})
                .buttonsTakeFocus()
                .buttonStyle(FocusShowingStyle{})
                .overlay(button("plain").offset(0, 50));
        }
    };
    Fixture f(Root{&pressed, &secondDisabled});
    auto focused = [&] {
        std::string names;
        for (const char* name : {"a", "b", "plain"})
            if (translucent(*findNodeView(*f.host, name)))
                names += name;
        return names;
    };
    auto key = [&](KeyCode code, ModifierFlags modifiers = ModifierFlags::none) {
        f.window.key(code, modifiers);
        f.loop.drain();
    };
    key(KeyCode::space);
    EXPECT_EQ(focused(), "");
    EXPECT_TRUE(pressed.empty()) << "no focus: Space presses nothing";

    key(KeyCode::tab);
    EXPECT_EQ(focused(), "a");
    key(KeyCode::tab);
    EXPECT_EQ(focused(), "a") << "the disabled and the plain button are not in the loop";
    key(KeyCode::space, ModifierFlags::control);
    key(KeyCode::returnKey, ModifierFlags::option);
    EXPECT_TRUE(pressed.empty()) << "with modifiers the keys are someone else's";
    key(KeyCode::space);
    key(KeyCode::returnKey);
    EXPECT_EQ(pressed, (std::vector<std::string>{"a", "a"}));

    secondDisabled.set(false);
    f.loop.drain();
    key(KeyCode::tab);
    EXPECT_EQ(focused(), "b");
    secondDisabled.set(true);
    f.loop.drain();
    EXPECT_EQ(focused(), "");
    key(KeyCode::space);
    EXPECT_EQ(pressed.size(), 2u) << "the disabled button gave the focus up";
}

} // namespace
} // namespace tk::ui
