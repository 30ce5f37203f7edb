#include "platform/tk/base/Observable.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Representable.h"
#include "platform/tk/ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tk::ui {
namespace {

using testing::frameOf;
using testing::host;

struct Reader {
    Observable<int>* shown = nullptr;
    Observable<int>* ignored = nullptr;
    int* builds = nullptr;

    Node body() {
        ++*builds;
        (void)ignored->peek(); // not tracked
        return Rectangle().frame(double(shown->get()), 10).identifier("r");
    }
};

TEST(UiComponent, RebuildsOnceWhenWhatItReadChangesAndNotOtherwise) {
    TestMainLoop loop;
    Observable<int> shown{10};
    Observable<int> ignored{0};
    Observable<int> unrelated{0};
    int builds = 0;
    auto h = host(Reader{.shown = &shown, .ignored = &ignored, .builds = &builds}, {200, 100});
    EXPECT_EQ(builds, 1);

    ignored.set(1);
    unrelated.set(1);
    loop.drain();
    EXPECT_EQ(builds, 1);

    shown.set(20);
    shown.set(30); // coalesced with the one before
    EXPECT_EQ(builds, 1) << "rebuilds wait for the main queue";
    loop.drain();
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(frameOf(*h, "r").width(), 30) << "the rebuild is laid out";
}

// Reads `detail` only while `expanded` is true.
struct SometimesReader {
    Observable<bool>* expanded = nullptr;
    Observable<int>* detail = nullptr;
    int* builds = nullptr;

    Node body() {
        ++*builds;
        return Rectangle().frame(expanded->get() ? double(detail->get()) : 1, 10).identifier("r");
    }
};

TEST(UiComponent, RebuildsFollowWhatTheLastBuildRead) {
    TestMainLoop loop;
    Observable<bool> expanded{false};
    Observable<int> detail{10};
    int builds = 0;
    auto h = host(SometimesReader{.expanded = &expanded, .detail = &detail, .builds = &builds}, {200, 100});
    struct Step {
        const char* what;
        std::function<void()> change;
        int builds;
        double width;
    } steps[] = {
        {"not read yet", [&] { detail.set(11); }, 1, 1},
        {"now read", [&] { expanded.set(true); }, 2, 11},
        {"read by the last build", [&] { detail.set(12); }, 3, 12},
        {"read by every build since", [&] { detail.set(13); }, 4, 13},
        {"no longer read", [&] { expanded.set(false); }, 5, 1},
        {"a change of what is no longer read", [&] { detail.set(14); }, 5, 1},
        {"still watched", [&] { expanded.set(true); }, 6, 14},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        loop.drain();
        EXPECT_EQ(builds, step.builds);
        EXPECT_EQ(frameOf(*h, "r").width(), step.width);
    }
}

// A classic view that counts how often the layout asks for its size.
Node countingMeasure(int* measured) {
    return Representable<View>([] { return View::make<View>(); }, {},
                               [measured](View&, ProposedSize) -> std::optional<Size> {
                                   ++*measured;
                                   return Size{40, 10};
                               })
        .identifier("counted");
}

TEST(UiComponent, ARebuildLaysOutItsBranchAndLeavesTheRestMeasured) {
    TestMainLoop loop;
    Observable<int> shown{10};
    int builds = 0;
    int measured = 0;
    auto h = host(VStack({.spacing = 0}, {Reader{.shown = &shown, .ignored = &shown, .builds = &builds},
                                          countingMeasure(&measured)}),
                  {200, 100});
    ASSERT_GT(measured, 0);
    const Rect before = frameOf(*h, "counted");

    measured = 0;
    shown.set(20);
    loop.drain();
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(measured, 0) << "the sibling is proposed what it was before: its size is not asked again";
    EXPECT_EQ(frameOf(*h, "r"), (Rect{90, 40, 20, 10})) << "the rebuilt branch is measured and placed";
    EXPECT_EQ(frameOf(*h, "counted"), before);

    measured = 0;
    h->setFrame(Rect(0, 0, 300, 100));
    h->layoutNow();
    EXPECT_GT(measured, 0) << "a new size lays out the whole tree";
    EXPECT_EQ(frameOf(*h, "counted"), (Rect{130, 50, 40, 10}));
}

// Shows a box or a text in a fixed frame, and a hint beside a nested component when asked.
struct Swapper {
    Observable<bool>* boxed = nullptr;
    Observable<bool>* hinted = nullptr;
    Observable<int>* width = nullptr;

    struct Nested {
        Node body() { return Rectangle().frame(30, 10).identifier("nested"); }
    };

    Node body() {
        Node shown = boxed->get() ? Node(Rectangle().identifier("box")) : Node(Text("t").identifier("text"));
        return HStack({.spacing = 0},
                      {shown.frame(double(width->get()), 10).identifier("shown"),
                       hinted->get() ? Rectangle().frame(5, 10).identifier("hint") : Node(), Node(Nested{})});
    }
};

TEST(UiComponent, ARebuildLaysOutAgainOnlyAsFarUpAsSizesChange) {
    TestMainLoop loop;
    Observable<bool> boxed{false}, hinted{false};
    Observable<int> width{20};
    int measured = 0;
    auto h =
        host(VStack({.spacing = 0},
                    {Node(Swapper{.boxed = &boxed, .hinted = &hinted, .width = &width}).identifier("swapper"),
                     countingMeasure(&measured)}),
             {200, 100});
    const Rect counted = frameOf(*h, "counted");
    const Rect swapper = frameOf(*h, "swapper");

    measured = 0;
    boxed.set(true);
    loop.drain();
    EXPECT_EQ(frameOf(*h, "box").size, (Size{20, 10})) << "new content of the same size is placed in place";
    EXPECT_EQ(frameOf(*h, "swapper"), swapper);
    EXPECT_EQ(measured, 0);

    hinted.set(true);
    loop.drain();
    EXPECT_EQ(frameOf(*h, "hint").size, (Size{5, 10})) << "a view that appears beside a nested component";
    EXPECT_EQ(frameOf(*h, "nested").size, (Size{30, 10}));
    EXPECT_EQ(frameOf(*h, "swapper").width(), 55) << "a size change goes up to the stack";
    EXPECT_EQ(frameOf(*h, "counted"), counted);

    width.set(40);
    boxed.set(false);
    loop.drain();
    EXPECT_EQ(frameOf(*h, "shown").size, (Size{40, 10}));
    EXPECT_GT(frameOf(*h, "text").width(), 0);
    EXPECT_EQ(frameOf(*h, "swapper"), (Rect{62.5, 40, 75, 10})) << "and is centred again";
}

// Reads a tint it does not show, so that a rebuild can keep its size.
struct Tinted {
    Observable<int>* width = nullptr;
    Observable<int>* tint = nullptr;
    Node body() {
        (void)tint->get();
        return Rectangle().frame(double(width->get()), 10).identifier("r");
    }
};

TEST(UiComponent, WrappersThatPassTheProposalOnKeepOrPassOnARebuildsLayout) {
    // The observer, gesture and environment wrappers keep no sizes of their own: a rebuild below
    // them still stops where sizes stay the same and goes up through them where they change.
    TestMainLoop loop;
    Observable<int> width{20}, tint{0};
    int measured = 0;
    auto h = host(VStack({.spacing = 0}, {Node(Tinted{.width = &width, .tint = &tint})
                                              .onChange(0, [](const int&, const int&) {})
                                              .onTapGesture([] {})
                                              .controlSize(ControlSize::small)
                                              .identifier("wrapped"),
                                          countingMeasure(&measured)}),
                  {200, 100});
    struct Step {
        const char* what;
        std::function<void()> change;
        Rect r;
        Rect wrapped;
    };
    const Step steps[] = {
        {"same size", [&] { tint.set(1); }, {90, 40, 20, 10}, {90, 40, 20, 10}},
        {"wider", [&] { width.set(30); }, {85, 40, 30, 10}, {85, 40, 30, 10}},
        {"narrower", [&] { width.set(10); }, {95, 40, 10, 10}, {95, 40, 10, 10}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        measured = 0;
        step.change();
        loop.drain();
        EXPECT_EQ(frameOf(*h, "r"), step.r);
        EXPECT_EQ(frameOf(*h, "wrapped"), step.wrapped);
        EXPECT_EQ(frameOf(*h, "counted"), (Rect{80, 50, 40, 10}));
        EXPECT_EQ(measured, 0) << "the sibling is proposed what it was before";
    }
}

struct Child {
    std::string label;
    Child** living = nullptr;
    State<int> count{0};

    Node body() {
        *living = this;
        return Text(label + std::to_string(count.get()));
    }
};

struct Parent {
    Observable<std::string>* label = nullptr;
    Child** living = nullptr;
    Node body() { return VStack({Child{.label = label->get(), .living = living}}); }
};

TEST(UiComponent, StateSurvivesTheParentsRebuildAndRebuildsTheChild) {
    TestMainLoop loop;
    Observable<std::string> label{"a"};
    Child* living = nullptr;
    auto h = host(Parent{.label = &label, .living = &living}, {200, 100});
    ASSERT_NE(living, nullptr);
    Child* first = living;

    living->count.set(5);
    loop.drain();
    EXPECT_EQ(living, first);
    EXPECT_EQ(living->count.peek(), 5);

    label.set("b");
    loop.drain();
    EXPECT_EQ(living, first) << "the same instance lives on";
    EXPECT_EQ(living->label, "b") << "with the new description's fields";
    EXPECT_EQ(living->count.peek(), 5) << "and its state";
}

struct Sometimes {
    Observable<bool>* shown = nullptr;
    Child** living = nullptr;
    Node body() {
        return VStack({shown->get() ? Text("hint") : Node(), Child{.label = "x", .living = living}});
    }
};

TEST(UiComponent, AChildShownOnlySometimesDoesNotMoveItsSiblingsState) {
    TestMainLoop loop;
    Observable<bool> shown{false};
    Child* living = nullptr;
    auto h = host(Sometimes{.shown = &shown, .living = &living}, {200, 100});
    Child* first = living;
    living->count.set(3);
    shown.set(true);
    loop.drain();
    EXPECT_EQ(living, first);
    EXPECT_EQ(living->count.peek(), 3);
}

struct NameKey {
    using Value = std::string;
    static Value defaultValue() { return "none"; }
};

struct EnvReader {
    std::vector<std::pair<std::string, std::string>>* seen = nullptr;
    std::string where;
    Node body() {
        seen->push_back({where, ui::environment<NameKey>()});
        return Node();
    }
};

TEST(UiComponent, EnvironmentValuesComeFromTheNearestAncestor) {
    TestMainLoop loop;
    std::vector<std::pair<std::string, std::string>> seen;
    auto tree = VStack({
        EnvReader{.seen = &seen, .where = "top"},
        VStack({
                   EnvReader{.seen = &seen, .where = "outer"},
                   Node(EnvReader{.seen = &seen, .where = "inner"}).padding(2).environment<NameKey>("inner"),
               })
            .environment<NameKey>("outer"),
    });
    auto h = host(tree, {200, 100});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"top", "none"}, {"outer", "outer"}, {"inner", "inner"}};
    EXPECT_EQ(seen, expected);

    seen.clear();
    h->setEnvironment<NameKey>("host");
    EXPECT_EQ(seen.front(), (std::pair<std::string, std::string>{"top", "host"}));
}

struct SizeReader {
    std::vector<ControlSize>* seen = nullptr;
    Node body() {
        seen->push_back(ui::environment<ControlSizeKey>());
        return Node();
    }
};

TEST(UiComponent, ControlSizesAreHandedDownAsAnEnvironmentValue) {
    TestMainLoop loop;
    std::vector<ControlSize> seen;
    auto tree = VStack({
        SizeReader{&seen},
        VStack({SizeReader{&seen}, Node(SizeReader{&seen}).controlSize(ControlSize::mini)})
            .controlSize(ControlSize::small),
    });
    auto h = host(tree, {200, 100});
    EXPECT_EQ(seen, (std::vector<ControlSize>{ControlSize::regular, ControlSize::small, ControlSize::mini}));
}

struct Observed {
    Observable<int>* value = nullptr;
    Observable<int>* other = nullptr;
    Observable<bool>* present = nullptr;
    std::vector<std::string>* log = nullptr;

    Node body() {
        (void)other->get();
        if (!present->get())
            return Node();
        return Rectangle()
            .onChange(
                value->get(),
                [this](const int& o, const int& n) {
                    log->push_back(std::to_string(o) + "->" + std::to_string(n));
                },
                true)
            .onAppear([this] { log->push_back("appear"); })
            .onDisappear([this] { log->push_back("disappear"); });
    }
};

TEST(UiComponent, ObserversFireOnChangeOnlyAndOnAppearOnce) {
    TestMainLoop loop;
    Observable<int> value{1};
    Observable<int> other{0};
    Observable<bool> present{true};
    std::vector<std::string> log;
    auto h = host(Observed{.value = &value, .other = &other, .present = &present, .log = &log}, {100, 100});
    EXPECT_EQ(log, (std::vector<std::string>{"1->1", "appear"})) << "initial change and first show";

    log.clear();
    other.set(1); // a rebuild with the same value
    loop.drain();
    EXPECT_TRUE(log.empty());

    value.set(2);
    loop.drain();
    EXPECT_EQ(log, (std::vector<std::string>{"1->2"}));

    log.clear();
    present.set(false);
    loop.drain();
    EXPECT_EQ(log, (std::vector<std::string>{"disappear"}));

    log.clear();
    present.set(true);
    loop.drain();
    EXPECT_EQ(log, (std::vector<std::string>{"2->2", "appear"})) << "a new view shows anew";
}

TEST(UiComponent, GeometryReaderScalesAFixedCanvasToTheHost) {
    TestMainLoop loop;
    auto canvas = Rectangle().frame(616, 678).identifier("canvas");
    auto root = GeometryReader([canvas](Size size) {
        const double scale = std::min(size.width / 616, size.height / 678);
        return canvas.scaleEffect(scale, Alignment::topLeading());
    });
    auto h = host(root, {308, 339});
    EXPECT_EQ(frameOf(*h, "canvas"), (Rect{0, 0, 308, 339}));
    h->setFrame(Rect{0, 0, 1232, 678});
    h->layoutNow();
    EXPECT_EQ(frameOf(*h, "canvas"), (Rect{0, 0, 616, 678}));
}

} // namespace
} // namespace tk::ui
