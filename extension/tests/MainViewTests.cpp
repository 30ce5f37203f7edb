// The main view's layout and its controls driven with the pointer, as a user would.

#include "InterfaceFixture.h"

#include "extension/Interface/ExtensionAssets.h"
#include "extension/Interface/MainView.h"
#include "extension/Interface/MelodyDrawing.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

using interfacetest::Interface;

tk::Rect windowRectOf(Interface& f, std::string_view name) {
    f.w().window().layoutIfNeeded();
    tk::View* view = tk::ui::findNodeView(*f.w().window().contentView(), name);
    EXPECT_NE(view, nullptr) << name;
    return view ? view->convertTo(view->bounds(), nullptr) : tk::Rect{};
}

void expectNear(const tk::Rect& actual, const tk::Rect& expected, const char* what) {
    EXPECT_NEAR(actual.origin.x, expected.origin.x, 0.5) << what;
    EXPECT_NEAR(actual.origin.y, expected.origin.y, 0.5) << what;
    EXPECT_NEAR(actual.size.width, expected.size.width, 0.5) << what;
    EXPECT_NEAR(actual.size.height, expected.size.height, 0.5) << what;
}

// Points of the 616 x 678 canvas: the header is 46 high, the melody display 192, and the control
// panel's centre lies at (308, 458).
constexpr tk::Point kPanelCentre{308, 458};
tk::Point panel(double x, double y) {
    return {kPanelCentre.x + x, kPanelCentre.y + y};
}

TEST(MainView, TheCanvasLaysOutItsPartsAndScalesFromTheTopLeft) {
    struct Case {
        tk::Size window;
        double scale;
    };
    for (const Case& c : std::vector<Case>{{{616, 678}, 1}, {{308, 339}, 0.5}, {{1232, 678}, 1}}) {
        Interface f(c.window);
        EXPECT_DOUBLE_EQ(extension::MainView::canvasScale(c.window), c.scale);
        auto scaled = [&](tk::Rect r) {
            return tk::Rect{r.origin.x * c.scale, r.origin.y * c.scale, r.size.width * c.scale,
                            r.size.height * c.scale};
        };
        expectNear(windowRectOf(f, "morph-pad"), scaled({32, 526, 264, 120}), "morph pad");
        tk::Rect seed = windowRectOf(f, "seed");
        EXPECT_NEAR(seed.origin.x + seed.size.width / 2, 308 * c.scale, 0.5);
        tk::Rect midi = windowRectOf(f, "midi-button");
        EXPECT_NEAR(midi.origin.x + midi.size.width, (616 - 32) * c.scale, 0.5) << "MIDI ends at the padding";
        EXPECT_NEAR(midi.origin.y + midi.size.height, (46 + 192 - 16) * c.scale, 0.5);
        tk::Rect left = windowRectOf(f, "offset-left");
        EXPECT_NEAR(left.origin.x, 32 * c.scale, 0.5);
    }
    Interface wide({1232, 678});
    wide.w().render();
    tk::Color outside = wide.w().colorAt({1000, 300}), background = extension::ColorResource::background();
    EXPECT_NEAR(outside.r, background.r, 1.0 / 255);
    EXPECT_NEAR(outside.g, background.g, 1.0 / 255);
    EXPECT_NEAR(outside.b, background.b, 1.0 / 255);
}

TEST(MainView, PlaybackButtonsPickTheirPatternLeftToRight) {
    Interface f;
    for (int index : {3, 5, 0, 1, 4, 2}) {
        f.w().click({56.0 + 72 * index, 298});
        f.settle();
        EXPECT_EQ(f.settings().playback()->value.peek(), static_cast<float>(index));
    }
    auto edits = interfacetest::edits(f.take(2));
    ASSERT_GE(edits.size(), 3u);
    EXPECT_EQ(edits[0].phase, interfacetest::Phase::touch);
    EXPECT_EQ(edits.back().phase, interfacetest::Phase::release);
}

TEST(MainView, OffsetButtonsStepAndOptionClickResets) {
    Interface f;
    tk::Point left = f.centreOf("offset-left"), right = f.centreOf("offset-right");
    f.w().click(left);
    f.settle();
    EXPECT_EQ(f.settings().offset()->value.peek(), 1.0f);
    EXPECT_EQ(interfacetest::edits(f.take(23)),
              (std::vector<interfacetest::Edit>{{interfacetest::Phase::touch, 0},
                                                {interfacetest::Phase::value, 1},
                                                {interfacetest::Phase::release, 1}}));
    f.forget();
    f.w().click(left);
    f.settle();
    f.w().click(left);
    f.settle();
    f.w().click(right);
    f.settle();
    EXPECT_EQ(f.settings().offset()->value.peek(), 2.0f);
    f.w().click(right, tk::ModifierFlags::option);
    f.settle();
    EXPECT_EQ(f.settings().offset()->value.peek(), 0.0f);

    f.settings().setOffset(63);
    f.settle();
    f.forget();
    f.w().click(left);
    f.settle();
    EXPECT_EQ(f.settings().offset()->value.peek(), 63.0f);
    EXPECT_TRUE(f.take(23).empty()) << "nothing beyond the range";
}

std::vector<float> values(const extension::Settings& settings) {
    std::vector<float> out;
    for (const auto& p : settings.parameters())
        out.push_back(p->value.peek());
    return out;
}

TEST(MainView, ABitChangesOnlyTheSeedALotAlsoTheParameters) {
    Interface f;
    auto before = values(f.settings());
    uint64_t seed = f.settings().seed().peek();
    f.w().click({488, 298}); // "A BIT"
    f.settle();
    EXPECT_NE(f.settings().seed().peek(), seed);
    EXPECT_EQ(f.unit().seed(), f.settings().seed().peek());
    EXPECT_EQ(values(f.settings()), before);

    seed = f.settings().seed().peek();
    f.w().click({560, 298}); // "A LOT"
    f.settle();
    EXPECT_NE(f.settings().seed().peek(), seed);
    EXPECT_NE(values(f.settings()), before);
}

TEST(MainView, TheKeyboardTogglesItsPitchClasses) {
    Interface f;
    EXPECT_EQ(f.settings().semitone0()->value.peek(), 1.0f);
    f.w().click(panel(24, 166)); // C
    f.settle();
    EXPECT_EQ(f.settings().semitone0()->value.peek(), 0.0f);
    EXPECT_EQ(f.settings().semitone6()->value.peek(), 0.0f);
    f.w().click(panel(164, 99)); // F#
    f.settle();
    EXPECT_EQ(f.settings().semitone6()->value.peek(), 1.0f);
    EXPECT_EQ(f.unit().midiProcessor().parameterMirror[16].load(), 1.0f) << "the engine has it";
}

TEST(MainView, ADialDragReachesTheEngineAsAutomation) {
    Interface f;
    float rest = f.settings().restAmount()->value.peek();
    f.w().drag({200, 420}, {200, 360}, 6); // the third dial, "Rest", upwards
    f.settle();
    EXPECT_GT(f.settings().restAmount()->value.peek(), rest);
    auto edits = interfacetest::edits(f.take(3));
    ASSERT_GE(edits.size(), 3u);
    EXPECT_EQ(edits.front().phase, interfacetest::Phase::touch);
    EXPECT_EQ(edits.front().value, rest);
    EXPECT_EQ(edits.back().phase, interfacetest::Phase::release);
    EXPECT_EQ(f.unit().midiProcessor().parameterMirror[3].load(), f.settings().restAmount()->value.peek());
}

std::vector<std::string> textsDrawn(Interface& f) {
    tk::RecordingContext context(tk::Rect{0, 0, 616, 678});
    f.w().window().render(context);
    return context.textStrings();
}

TEST(MainView, AnIncomingNoteOnMovesTheLowestDialWithinOnePoll) {
    Interface f;
    testhost::Host host;
    host.install(f.unit());
    f.unit().setMaximumFramesToRender(512);
    ASSERT_FALSE(f.unit().allocateRenderResources().has_value());
    auto noteOn = au::midiEvent(0, 0, 3, {0x90, 50, 100});
    ASSERT_EQ(testhost::renderCall(f.unit().renderBlock(), 0, 512, &noteOn), au::kNoErr);
    auto texts = textsDrawn(f);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "D3"), 0);
    f.loop.advance(tk::seconds(1.0 / 60.0));
    f.settle();
    EXPECT_EQ(f.settings().lowNote()->value.peek(), 50.0f);
    texts = textsDrawn(f);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "D3"), texts.end()) << "the dial's label";
    EXPECT_TRUE(f.take(0).empty()) << "no automation goes back to the host";
    f.unit().deallocateRenderResources();
}

TEST(MainView, TheMelodyDisplayDrawsItsStepsAndThePlayhead) {
    Interface f;
    tk::RecordingContext context(tk::Rect{0, 0, 616, 678});
    f.w().window().render(context);
    const tk::Color overlay = extension::ColorResource::noteOverlay();
    auto geometry = extension::stepGeometry({}, f.settings().sequenceLength()->value.peek(),
                                            f.settings().gate()->value.peek());
    tk::Rect expected = extension::playheadRect({}, geometry, f.settings().playheadIndex());
    expected.origin.y += 46; // below the header
    int playheads = 0;
    for (const auto& draw : context.draws(tk::RecordedDraw::Kind::fill)) {
        if (draw.color == overlay) {
            ++playheads;
            expectNear(draw.deviceRect(), expected, "playhead");
        }
    }
    EXPECT_EQ(playheads, 1);
    int lines = 0;
    for (const auto& draw : context.draws(tk::RecordedDraw::Kind::stroke)) {
        lines += draw.color == extension::ColorResource::noteLine() ||
                 draw.color == extension::ColorResource::noteLineAccented();
    }
    EXPECT_GT(lines, 0);
}

TEST(MainView, ANewerVersionOnTheFeedShowsTheNoticeThatOpensTheApplication) {
    Interface f({616, 678},
                "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel><item>"
                "<sparkle:shortVersionString>2.0.0</sparkle:shortVersionString>"
                "</item></channel></rss>");
    auto texts = textsDrawn(f);
    ASSERT_NE(std::find(texts.begin(), texts.end(), "2.0.0 AVAILABLE"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "1.0.0"), texts.end());
    auto* backend = tk::HeadlessBackend::current();
    ASSERT_NE(backend, nullptr);
    size_t opened = backend->openedURLs().size();
    tk::RecordingContext context(tk::Rect{0, 0, 616, 678});
    f.w().window().render(context);
    for (const auto& draw : context.texts()) {
        if (draw.text == "2.0.0 AVAILABLE") {
            tk::Rect r = draw.deviceRect();
            f.w().click({r.origin.x + r.size.width / 2, r.origin.y + r.size.height / 2});
        }
    }
    f.settle();
    ASSERT_EQ(backend->openedURLs().size(), opened + 1);
    EXPECT_EQ(backend->openedURLs().back(), "zindral://openAndUpdate");
}

TEST(MainView, EndingALabelEditGivesTheFocusBackToTheRecordedResponder) {
    Interface f;
    tk::Window& window = f.w().window();
    // Recorded when the view appeared: the window itself. Something else takes the focus ...
    f.w().click({308, 210}); // the seed field
    f.settle();
    ASSERT_NE(window.firstResponder(), static_cast<tk::Responder*>(&window));
    extension::MainView::restoreKeyboardFocus(f.settings());
    EXPECT_EQ(window.firstResponder(), static_cast<tk::Responder*>(&window));

    // Before the view came on screen no window is known and the focus stays where it is.
    f.w().click({308, 210});
    f.settle();
    tk::Responder* editing = window.firstResponder();
    f.settings().pluginWindow.reset();
    extension::MainView::restoreKeyboardFocus(f.settings());
    EXPECT_EQ(window.firstResponder(), editing);
}

} // namespace
