#include "Tessaly/Declarative/Backport.h"
#include "Tessaly/Declarative/Bindings.h"
#include "Tessaly/Declarative/ShakeEffect.h"

#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/Observable.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace Tessaly {
namespace {

using namespace tk::ui;

TEST(DeclarativeBindingsTest, OptionalBindingIgnoresNoneAndWithoutAnimationPassesWritesOn) {
    tk::TestMainLoop loop;
    State<int> value{3};
    auto optional = optionalBinding(value.binding());
    EXPECT_EQ(optional.get(), std::optional<int>(3));
    optional.set(std::nullopt);
    EXPECT_EQ(value.peek(), 3);
    optional.set(7);
    EXPECT_EQ(value.peek(), 7);
    withoutAnimation(value.binding()).set(9);
    EXPECT_EQ(value.peek(), 9);
}

TEST(ShakeEffectTest, SwingsSidewaysBySineOfTheProgress) {
    struct Case {
        double progress, dx;
    };
    for (const auto& c : std::vector<Case>{{0, 0}, {1.0 / 6, 10}, {0.5, -10}, {1, 0}}) {
        const auto t =
            ShakeEffect{.amount = 10, .shakes = 3, .animatableData = c.progress}.effectValue({40, 20});
        EXPECT_NEAR(t.tx, c.dx, 1e-9) << c.progress;
        EXPECT_EQ(t.ty, 0);
        EXPECT_EQ(t.a, 1);
        EXPECT_EQ(t.d, 1);
    }
}

// A bar that shakes each time `attempts` changes, as a field shakes off a rejected entry.
struct ShakingBar {
    tk::Observable<int>* attempts = nullptr;
    Node body() {
        return shake(Rectangle().fill(tk::Color::white()).frame(40, 20).identifier("bar"),
                     ShakeEffect{.amount = 10, .shakes = 3}, attempts->get(), 0.6);
    }
};

struct HostedNode {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{300, 100}};
    std::shared_ptr<HostingView> host;

    explicit HostedNode(Node node) {
        host = tk::View::make<HostingView>(node.frame({.maxWidth = kInfinity, .maxHeight = kInfinity}));
        window.setContentView(host);
        window.window().layoutIfNeeded();
    }
};

TEST(BackportTest, FixedWidthIsACentredFrameAndTheBackgroundIsScaledAboutTheCentre) {
    HostedNode fixed(
        backport(Rectangle().fill(tk::Color::black()).frame(std::nullopt, 20).identifier("content"))
            .fixedWidth(120));
    tk::View* content = findNodeView(*fixed.host, "content");
    ASSERT_NE(content, nullptr);
    EXPECT_DOUBLE_EQ(content->frame().width(), 120);

    HostedNode colored(
        backport(Rectangle().fill(tk::Color::black()).frame(100, 40)).coloredBackground(tk::Color::white()));
    tk::RecordingContext context;
    colored.host->drawHierarchy(context, tk::Rect{0, 0, 300, 100});
    const auto fills = context.draws(tk::RecordedDraw::Kind::fill);
    ASSERT_EQ(fills.size(), 2u);
    const tk::Rect background = fills[0].deviceRect(), front = fills[1].deviceRect();
    EXPECT_EQ(fills[0].color, tk::Color::white());
    EXPECT_NEAR(background.width(), 150, 1e-9);
    EXPECT_NEAR(background.height(), 60, 1e-9);
    EXPECT_NEAR(background.midX(), front.midX(), 1e-9);
    EXPECT_NEAR(background.midY(), front.midY(), 1e-9);
    const Node text = Text("a");
    EXPECT_EQ(backport(text).softScrollEdges().data(), text.data());
}

// A list of four rows whose alternating backgrounds follow an observable switch.
struct AlternatingList {
    tk::Observable<bool>* alternating = nullptr;
    Node body() {
        std::vector<Node> rows;
        for (const char* name : {"Kick", "Snare", "Hat", "Clap"})
            rows.push_back(Text(name).foregroundColor(tk::labelColor()));
        return backport(List(std::move(rows))).alternatingRowBackgrounds(alternating->get());
    }
};

TEST(BackportTest, AlternatingRowBackgroundsPaintTheListsRowsInTurnAndFollowTheSwitch) {
    tk::Observable<bool> alternating{true};
    HostedNode hosted(AlternatingList{.alternating = &alternating});
    const auto [first, second] = tk::alternatingContentBackgroundColors();
    ASSERT_NE(first.hexString(), second.hexString());
    auto rowColours = [&] {
        std::vector<std::string> colours;
        for (int row = 0; row < 4; ++row)
            colours.push_back(
                hosted.window.colorAt({280, row * kListRowHeight + kListRowHeight / 2}).hexString());
        return colours;
    };
    EXPECT_EQ(rowColours(), (std::vector<std::string>{first.hexString(), second.hexString(),
                                                      first.hexString(), second.hexString()}));
    const auto folder = testing::buildFolder() / "pictures" / "tessaly";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(hosted.window.writePNG(folder / "alternating-list.png"));

    alternating.set(false);
    hosted.loop.drain();
    EXPECT_EQ(rowColours(), std::vector<std::string>(4, first.hexString()));
}

TEST(ShakeEffectTest, AChangedTriggerShakesTheContentOnTheRunLoopClockAndItComesToRest) {
    tk::Observable<int> attempts{0};
    HostedNode hosted(ShakingBar{.attempts = &attempts});
    tk::View* bar = findNodeView(*hosted.host, "bar");
    ASSERT_NE(bar, nullptr);
    auto x = [&] { return bar->convertToWindow(tk::Point{0, 0}).x; };
    const double rest = x();
    hosted.loop.advance(tk::seconds(1));
    EXPECT_EQ(x(), rest) << "shown still";

    attempts.set(1);
    hosted.loop.drain();
    // The progress after t seconds is t / 0.6: at 0.1 s a full swing right, at 0.3 s one left.
    struct Step {
        double seconds, dx;
    };
    double now = 0;
    for (const Step& step : {Step{0.1, 10}, Step{0.2, 0}, Step{0.3, -10}, Step{0.5, 10}}) {
        hosted.loop.advance(tk::seconds(step.seconds - now));
        now = step.seconds;
        EXPECT_NEAR(x() - rest, step.dx, 0.2) << step.seconds;
    }
    hosted.loop.advance(tk::seconds(0.2));
    EXPECT_EQ(x(), rest) << "at rest after the shake";
    EXPECT_EQ(tk::RunLoop::main().nextTimerFireDate(), std::nullopt) << "no timer left running";

    // A rebuild with the same trigger does not shake; a new one does.
    attempts.set(1);
    hosted.loop.advance(tk::seconds(0.1));
    EXPECT_EQ(x(), rest);
    attempts.set(2);
    hosted.loop.drain();
    hosted.loop.advance(tk::seconds(0.1));
    EXPECT_NEAR(x() - rest, 10, 0.2);
}

struct FocusableView : tk::View {
    using tk::View::View;
    bool acceptsFirstResponder() const override { return true; }
};

struct KeyRecorder : tk::Responder {
    std::vector<tk::KeyCode> keys;
    bool keyDown(const tk::Event& event) override {
        keys.push_back(event.keyCode);
        return true;
    }
};

TEST(BackportTest, EscapeInsideTheContentRunsTheActionAndOtherKeysPassOn) {
    int escapes = 0;
    std::shared_ptr<FocusableView> field;
    HostedNode hosted(backport(Representable<FocusableView>([&] {
                                   field = tk::View::make<FocusableView>();
                                   return field;
                               }).frame(100, 20))
                          .escapeHandling([&] { ++escapes; }));
    ASSERT_NE(field, nullptr);
    auto after = std::make_shared<KeyRecorder>(); // the last stop of the chain
    hosted.window.window().setNextResponder(after);
    hosted.window.window().makeFirstResponder(field.get());

    hosted.window.keyDown(tk::KeyCode::escape);
    hosted.window.keyDown(tk::KeyCode::escape, tk::ModifierFlags::none, {}, true);
    hosted.window.keyUp(tk::KeyCode::escape);
    EXPECT_EQ(escapes, 2);
    EXPECT_TRUE(after->keys.empty());

    hosted.window.keyDown(tk::KeyCode::a);
    EXPECT_EQ(escapes, 2);
    EXPECT_EQ(after->keys, std::vector<tk::KeyCode>{tk::KeyCode::a});

    hosted.window.window().makeFirstResponder(nullptr); // focus outside the content
    hosted.window.keyDown(tk::KeyCode::escape);
    EXPECT_EQ(escapes, 2);
}

} // namespace
} // namespace Tessaly
