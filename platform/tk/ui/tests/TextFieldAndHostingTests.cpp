#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Representable.h"
#include "platform/tk/ui/TextField.h"
#include "platform/tk/ui/tests/UiTestSupport.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/TextField.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tk::ui {
namespace {

tk::TextField* findField(View& root) {
    if (auto* f = dynamic_cast<tk::TextField*>(&root))
        return f;
    for (const auto& sub : root.subviews())
        if (auto* f = findField(*sub))
            return f;
    return nullptr;
}

// A value label that turns into a field when tapped, the way the dials' labels work.
struct EditableLabel {
    std::vector<std::string>* log = nullptr;
    State<bool> editing{false};
    State<std::string> text{std::string("0.5")};
    State<bool> focused{false};

    Node body() {
        Node content = editing.get() ? Node(TextField("", text.binding())
                                                .focused(focused.binding())
                                                .onKeyPress([this](const Event& e) {
                                                    if (e.keyCode != KeyCode::escape)
                                                        return false;
                                                    log->push_back("escape");
                                                    editing.set(false);
                                                    return true;
                                                })
                                                .onSubmit([this] {
                                                    log->push_back("submit " + text.peek());
                                                    editing.set(false);
                                                })
                                                .frame(80, 24))
                                     : Text(text.get()).frame(80, 24);
        return VStack({content})
            .onTapGesture([this] {
                if (editing.peek())
                    return;
                editing.set(true);
                focused.set(true);
            })
            .onChange(focused.get(), [this](const bool&, const bool& now) {
                if (!now && editing.peek()) {
                    log->push_back("focus lost");
                    editing.set(false);
                }
            });
    }
};

struct Fixture {
    TestMainLoop loop;
    HeadlessWindow window{Size{200, 100}};
    std::shared_ptr<HostingView> host;
    std::vector<std::string> log;

    Fixture() {
        host = View::make<HostingView>(
            Node(EditableLabel{.log = &log})
                .frame(
                    {.maxWidth = kInfinity, .maxHeight = kInfinity, .alignment = Alignment::topLeading()}));
        window.setContentView(host);
        window.window().layoutIfNeeded();
    }
    void settle() {
        loop.drain();
        window.window().layoutIfNeeded();
    }
    tk::TextField* field() { return findField(*host); }
};

TEST(UiTextField, TapOpensAFocusedFieldAndReturnSubmitsWhatWasTyped) {
    Fixture f;
    EXPECT_EQ(f.field(), nullptr);
    f.window.click({10, 10});
    f.settle();
    ASSERT_NE(f.field(), nullptr);
    EXPECT_EQ(f.window.window().firstResponder(), f.field()) << "the focus binding gave it the focus";
    EXPECT_EQ(f.field()->text(), "0.5") << "the field opens with the bound text";

    f.field()->selectAll();
    f.window.type("42");
    f.window.key(KeyCode::returnKey);
    f.settle();
    EXPECT_EQ(f.log, (std::vector<std::string>{"submit 42"}));
    EXPECT_EQ(f.field(), nullptr);
}

TEST(UiTextField, EscapeGoesToTheKeyHandlerAndAClickElsewhereTakesTheFocus) {
    Fixture f;
    f.window.click({10, 10});
    f.settle();
    f.window.key(KeyCode::escape);
    f.settle();
    EXPECT_EQ(f.log, (std::vector<std::string>{"escape"}));
    EXPECT_EQ(f.field(), nullptr);

    f.log.clear();
    f.window.click({10, 10});
    f.settle();
    ASSERT_NE(f.field(), nullptr);
    f.window.type("7");
    f.window.click({150, 80}); // outside the label: the window takes the focus
    f.settle();
    EXPECT_EQ(f.log, (std::vector<std::string>{"focus lost"}));
    EXPECT_EQ(f.field(), nullptr);
}

class Probe final : public View {
public:
    int updates = 0;
    Size intrinsicContentSize() const override { return {30, kNoIntrinsicMetric}; }
};

TEST(UiHosting, RepresentableCarriesAClassicViewAndTheHostSizesToItsContent) {
    TestMainLoop loop;
    std::shared_ptr<Probe> made;
    int makes = 0;
    Observable<int> tick{0};
    struct Root {
        std::shared_ptr<Probe>* made;
        int* makes;
        Observable<int>* tick;
        Node body() {
            (void)tick->get();
            return HStack({.spacing = 0}, {Representable<Probe>(
                                               [this] {
                                                   ++*makes;
                                                   *made = View::make<Probe>();
                                                   return *made;
                                               },
                                               [](Probe& p) { ++p.updates; })
                                               .frame(std::nullopt, 20)
                                               .identifier("probe"),
                                           Rectangle().frame(10, 10)});
        }
    };
    auto h = testing::host(Root{&made, &makes, &tick}, {100, 100});
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(testing::frameOf(*h, "probe").size, (Size{30, 20}));
    EXPECT_EQ(made->frame().size, (Size{30, 20})) << "the classic view fills its place";
    tick.set(1);
    loop.drain();
    EXPECT_EQ(makes, 1) << "made once";
    EXPECT_EQ(made->updates, 2) << "updated at each build";
    EXPECT_EQ(h->intrinsicContentSize(), (Size{40, 20}));
}

// A bezel drawn with a margin: its alignment rect lies inside its frame.
class Bezelled final : public View {
public:
    Size intrinsicContentSize() const override { return {146, 16}; }
    EdgeInsets alignmentRectInsets() const override { return {3, 2, 3, 2}; }
};

TEST(UiHosting, ARepresentablesAlignmentRectIsLaidOutAndItsFrameReachesPastIt) {
    TestMainLoop loop;
    std::shared_ptr<Bezelled> made;
    struct Root {
        std::shared_ptr<Bezelled>* made;
        Node body() {
            const Node bezel = Representable<Bezelled>([this] {
                *made = View::make<Bezelled>();
                return *made;
            });
            return VStack({.spacing = 0}, {Rectangle().frame(10, 10), bezel.identifier("bezel")});
        }
    };
    auto h = testing::host(Root{&made}, {200, 100});
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(testing::frameOf(*h, "bezel").size, (Size{146, 16})) << "laid out by its alignment rect";
    EXPECT_EQ(made->frame(), (Rect{-2, -3, 150, 22})) << "the frame: that rect grown by the insets";
}

struct Counter {
    int updates = 0;
};

TEST(UiHosting, RepresentableCoordinatorLivesAsLongAsTheViewAndIsDismantledWithIt) {
    TestMainLoop loop;
    Observable<bool> present{true};
    Observable<int> tick{0};
    std::vector<std::string> log;
    struct Root {
        Observable<bool>* present;
        Observable<int>* tick;
        std::vector<std::string>* log;
        Node body() {
            (void)tick->get();
            if (!present->get())
                return Node();
            return RepresentableWithCoordinator<Probe, Counter>({
                .makeCoordinator =
                    [this] {
                        log->push_back("coordinator");
                        return Counter{};
                    },
                .make = [](Counter&) { return View::make<Probe>(); },
                .update = [this](Probe&,
                                 Counter& c) { log->push_back("update " + std::to_string(++c.updates)); },
                .dismantle = [this](Probe&,
                                    Counter& c) { log->push_back("dismantle " + std::to_string(c.updates)); },
            });
        }
    };
    auto h = testing::host(Root{&present, &tick, &log}, {100, 100});
    tick.set(1);
    loop.drain();
    present.set(false);
    loop.drain();
    EXPECT_EQ(log, (std::vector<std::string>{"coordinator", "update 1", "update 2", "dismantle 2"}));
}

struct ToneKey {
    using Value = std::string;
    static Value defaultValue() { return "plain"; }
};

TEST(UiHosting, RepresentableCallbacksReadTheEnvironmentOfTheirPlace) {
    TestMainLoop loop;
    Observable<std::string> tone{std::string("dark")};
    std::vector<std::string> seen;
    struct Root {
        Observable<std::string>* tone;
        std::vector<std::string>* seen;
        Node body() {
            return RepresentableWithCoordinator<Probe, Counter>(
                       {
                           .make =
                               [this](Counter&) {
                                   seen->push_back("make " + environment<ToneKey>());
                                   return View::make<Probe>();
                               },
                           .update =
                               [this](Probe&, Counter&) {
                                   seen->push_back("update " + environment<ToneKey>());
                               },
                       })
                .environment<ToneKey>(tone->get());
        }
    };
    auto h = testing::host(Root{&tone, &seen}, {100, 100});
    tone.set("light");
    loop.drain();
    EXPECT_EQ(seen, (std::vector<std::string>{"make dark", "update dark", "update light"}));
    EXPECT_EQ(environment<ToneKey>(), "plain") << "outside the callbacks: the default";
}

} // namespace
} // namespace tk::ui
