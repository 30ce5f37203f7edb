#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/TempFolder.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessRun.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tk {
namespace {

struct FillView : View {
    Color color;
    int draws = 0;
    FillView(Rect frame, Color c) : View(frame), color(c) {}
    void draw(GraphicsContext& context, const Rect&) override {
        ++draws;
        context.fillRect(bounds(), color);
    }
};

bool near(const Color& a, const Color& b) {
    auto close = [](double x, double y) { return std::abs(x - y) < 0.02; };
    return close(a.r, b.r) && close(a.g, b.g) && close(a.b, b.b) && close(a.a, b.a);
}

TEST(Rendering, AFadedViewIsCompositedOnceSoItsOverlappingChildrenDoNotShowThroughEachOther) {
    TestMainLoop loop;
    HeadlessWindow w({60, 20}, 1);
    w.contentView().addSubview(View::make<FillView>(Rect{0, 0, 60, 20}, Color::white()));
    auto faded = View::make<View>(Rect{0, 0, 60, 20});
    faded->setAlpha(0.5);
    faded->addSubview(View::make<FillView>(Rect{0, 0, 30, 20}, Color::red()));
    faded->addSubview(View::make<FillView>(Rect{20, 0, 30, 20}, Color::blue()));
    w.contentView().addSubview(faded);

    const Color halfBlue = Color::rgba8(128, 128, 255);
    EXPECT_TRUE(near(w.colorAt({25, 10}), halfBlue)) << "the red child must not show under the blue one";
    EXPECT_TRUE(near(w.colorAt({45, 10}), halfBlue));
    EXPECT_TRUE(near(w.colorAt({10, 10}), Color::rgba8(255, 128, 128)));
    EXPECT_TRUE(near(w.colorAt({55, 10}), Color::white()));
}

TEST(Rendering, AWindowWrittenToPNGShowsWhatItsViewsDrew) {
    TestMainLoop loop;
    HeadlessWindow w({120, 80}, 2);
    const Color background = Color::rgba8(20, 30, 60);
    auto back = View::make<FillView>(Rect{0, 0, 120, 80}, background);
    auto red = View::make<FillView>(Rect{10, 10, 20, 20}, Color::red());
    auto scaledParent = View::make<View>(Rect{60, 10, 40, 40});
    scaledParent->setBoundsSize({80, 80});                                   // half size
    auto green = View::make<FillView>(Rect{40, 40, 40, 40}, Color::green()); // shows at 80..100
    auto hidden = View::make<FillView>(Rect{0, 60, 20, 20}, Color::white());
    hidden->setHidden(true);
    auto faint = View::make<FillView>(Rect{90, 60, 20, 20}, Color::white());
    faint->setAlpha(0.5);
    w.contentView().addSubview(back);
    w.contentView().addSubview(red);
    w.contentView().addSubview(scaledParent);
    scaledParent->addSubview(green);
    w.contentView().addSubview(hidden);
    w.contentView().addSubview(faint);

    const testing::TempFolder folder("tk-view");
    const auto file = folder / "window.png";
    ASSERT_TRUE(w.writePNG(file));
    auto image = Image::fromPNGFile(file, 2);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixelSize(), (Size{240, 160})) << "backing scale 2";
    EXPECT_TRUE(near(image->pixelColor(2, 2), background));
    EXPECT_TRUE(near(image->pixelColor(40, 40), Color::red()));
    EXPECT_TRUE(near(image->pixelColor(2 * 90, 2 * 40), Color::green()));
    EXPECT_TRUE(near(image->pixelColor(2 * 70, 2 * 20), background)) << "the scaled child starts at 80";
    EXPECT_TRUE(near(image->pixelColor(2 * 10, 2 * 70), background)) << "hidden views do not draw";
    EXPECT_TRUE(near(image->pixelColor(2 * 100, 2 * 70), background.blended(0.5, Color::white())));
    EXPECT_EQ(hidden->draws, 0);

    // Nothing changed: nothing to display; a change asks for a frame.
    auto* native = w.native();
    const int frames = native->framesPresented();
    w.window().displayIfNeeded();
    EXPECT_EQ(native->framesPresented(), frames);
    red->setNeedsDisplay();
    w.window().displayIfNeeded();
    EXPECT_EQ(native->framesPresented(), frames + 1);
}

std::vector<std::uint8_t> pixelsOf(const BitmapContext& frame) {
    return {frame.pixelData(), frame.pixelData() + frame.stride() * frame.pixelHeight()};
}

// displayIfNeeded() draws only what views marked, over the last frame; the result is the frame
// that drawing the whole window gives.
TEST(Rendering, AWindowDrawsOnlyWhatChangedAndLooksAsDrawnWhole) {
    TestMainLoop loop;
    HeadlessWindow w({200, 100}, 2);
    w.window().setBackgroundColor(Color::rgba8(20, 30, 60));
    auto root = View::make<View>(Rect{0, 0, 200, 100});
    auto a = View::make<FillView>(Rect{10, 10, 40, 40}, Color::red());
    auto b = View::make<FillView>(Rect{120, 10, 40, 40}, Color::green());
    auto inner = View::make<FillView>(Rect{5, 5, 10, 10}, Color::white()); // inside b
    b->addSubview(inner);
    root->setSubviews({a, b});
    w.setContentView(root);
    w.window().display();

    struct Step {
        const char* what;
        std::function<void()> change;
        int drawsOfA, drawsOfB;
    };
    const Step steps[] = {
        {"a redraws", [&] { a->setNeedsDisplay(); }, 1, 0},
        {"a recoloured",
         [&] {
             a->color = Color::blue();
             a->setNeedsDisplay();
         },
         1, 0},
        {"b moves: its old and new places",
         [&] {
             b->setFrameOrigin({100, 40});
         },
         0, 1},
        {"b's subview moves",
         [&] {
             inner->setFrameOrigin({20, 20});
         },
         0, 1},
        {"a hidden", [&] { a->setHidden(true); }, 0, 0},
        {"a removed while hidden, b dimmed",
         [&] {
             a->removeFromSuperview();
             b->setAlpha(0.5);
         },
         0, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        a->draws = b->draws = 0;
        step.change();
        ASSERT_TRUE(w.window().needsDisplay());
        w.window().displayIfNeeded();
        EXPECT_EQ(a->draws, step.drawsOfA);
        EXPECT_EQ(b->draws, step.drawsOfB);
        const auto partial = pixelsOf(*w.window().lastFrame());
        w.window().display();
        EXPECT_TRUE(partial == pixelsOf(*w.window().lastFrame())) << "as the whole window drawn again";
    }
}

// A FillView that may say it is opaque (it is while its colour is).
struct OpaqueFillView : FillView {
    bool opaque = true;
    using FillView::FillView;
    bool isOpaque() const override { return opaque; }
};

// What an opaque view covers of the views drawn before it is left out, where it covers whole
// pixels of the window and only there; the frame is the one drawn without the claim, whole or in
// part.
TEST(Rendering, WhatAnOpaqueViewCoversIsNotDrawnAndTheFrameStaysTheSame) {
    TestMainLoop loop;
    HeadlessWindow w({120, 80}, 2);
    w.window().setBackgroundColor(Color::rgba8(20, 30, 60));
    auto root = View::make<View>(Rect{0, 0, 120, 80});
    auto back = View::make<FillView>(Rect{0, 0, 120, 80}, Color::gray(0.8));
    auto under = View::make<FillView>(Rect{20.25, 10.25, 30, 30}, Color::red());          // behind, whole
    auto partly = View::make<FillView>(Rect{60, 30, 40, 40}, Color::gray(0.5, 0.5));      // half behind
    auto cover = View::make<OpaqueFillView>(Rect{10.25, 5.3, 70.5, 45.4}, Color::blue()); // off the pixels
    auto onTop = View::make<FillView>(Rect{30, 20, 10, 10}, Color::green());
    // An opaque view cut by its superview's clip covers only what shows.
    auto clipper = View::make<View>(Rect{0, 60, 50, 20});
    clipper->setClipsToBounds(true);
    auto wide = View::make<OpaqueFillView>(Rect{0, 0, 110, 20}, Color::white());
    clipper->addSubview(wide);
    auto beside = View::make<FillView>(Rect{60, 62, 20, 10}, Color::red()); // under wide, outside the clip
    root->setSubviews({back, under, partly, beside, cover, onTop, clipper});
    w.setContentView(root);

    const auto drawn = [&](bool opaque) {
        cover->opaque = wide->opaque = opaque;
        for (FillView* v : {back.get(), under.get(), partly.get(), beside.get(), onTop.get()})
            v->draws = 0;
        w.window().display();
        return pixelsOf(*w.window().lastFrame());
    };
    const auto plain = drawn(false);
    EXPECT_TRUE(drawn(true) == plain) << "leaving out what is hidden changes no pixel";
    EXPECT_EQ(under->draws, 0) << "wholly behind the opaque view";
    EXPECT_EQ(back->draws, 1) << "partly shown";
    EXPECT_EQ(partly->draws, 1);
    EXPECT_EQ(beside->draws, 1) << "the opaque view's clip leaves it shown";
    EXPECT_EQ(onTop->draws, 1) << "drawn after the opaque view";

    // Partial redraws over an opaque view give the frame drawn whole.
    const std::function<void()> changes[] = {
        [&] {
            onTop->setFrameOrigin({50, 30});
        },
        [&] {
            under->setFrameOrigin({70, 40});
        }, // out from behind
        [&] {
            cover->setFrameOrigin({5.75, 10.1});
        },
        [&] { cover->setAlpha(0.5); }, // a faded view hides nothing
    };
    for (const auto& change : changes) {
        change();
        w.window().displayIfNeeded();
        const auto partial = pixelsOf(*w.window().lastFrame());
        cover->opaque = wide->opaque = false;
        w.window().display();
        EXPECT_TRUE(partial == pixelsOf(*w.window().lastFrame())) << "as the whole window drawn plainly";
        cover->opaque = wide->opaque = true;
    }
    under->setFrameOrigin({20, 20});
    under->draws = 0;
    w.window().display();
    EXPECT_EQ(under->draws, 1) << "behind a faded view";
}

// A FillView that keeps the clip it last drew in.
struct ClipNotingFillView : FillView {
    Rect clip;
    using FillView::FillView;
    void draw(GraphicsContext& context, const Rect& dirty) override {
        clip = context.clipBounds();
        FillView::draw(context, dirty);
    }
};

// Views on fractional frames: the anti-aliased edges of what an opaque view leaves shown blend as
// they do without the claim, at either scale, while the pixels it hides whole are still left out.
TEST(Rendering, AnOpaqueViewOnAFractionalFrameLeavesThePixelsAsDrawnWithoutIt) {
    struct Case {
        const char* what;
        Rect frame;       // the view holding the opaque one, in the window
        Point scrolled;   // its bounds origin
        bool clips;       // to its bounds
        Rect opaqueFrame; // in the holder
        double scale;
        bool holderClipped; // its drawing kept off what the opaque view hides
    };
    const Case cases[] = {
        // The edge pixels it shares with its holder are only partly covered: the holder draws them.
        {"across its top, 1x", {10.3, 7.7, 80, 60}, {}, true, {0, 0, 80, 20}, 1, false},
        {"across its top, 2x", {10.3, 7.7, 80, 60}, {}, true, {0, 0, 80, 20}, 2, false},
        {"across its top, holder unclipped", {10.3, 7.7, 80, 60}, {}, false, {0, 0, 80, 20}, 1, false},
        {"across its top from whole pixels, 1x", {10, 8, 80, 59.7}, {}, true, {0, 0, 80, 20.3}, 1, true},
        {"across its top from whole pixels, 2x", {10.5, 8, 80, 59.7}, {}, true, {0, 0, 80, 20.3}, 2, true},
        {"inset, quarter points, 2x", {5.25, 3.75, 90.5, 60.5}, {}, false, {4.1, 6.3, 60.2, 40.7}, 2, false},
        {"scrolled by a fraction, 2x", {8.3, 6.1, 84, 62}, {0.3, 17.65}, true, {0, 20, 84, 50}, 2, false},
        {"scrolled by a fraction, 1x", {8.5, 6.5, 84, 62}, {2.2, 0.45}, false, {3, 10, 70, 50}, 1, false},
        {"scrolled across its top, 2x", {8, 6, 84, 62}, {0.3, 17.65}, true, {0, 10, 90, 20}, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestMainLoop loop;
        HeadlessWindow w({110, 80}, c.scale);
        w.window().setBackgroundColor(Color::rgba8(20, 30, 60));
        auto root = View::make<View>(Rect{0, 0, 110, 80});
        auto holder = View::make<ClipNotingFillView>(c.frame, Color::rgba8(200, 180, 40));
        holder->setBoundsOrigin(c.scrolled);
        holder->setClipsToBounds(c.clips);
        auto opaque = View::make<OpaqueFillView>(c.opaqueFrame, Color::rgba8(40, 90, 200));
        // Wholly inside the pixels the opaque view covers, with the room a view's drawing may spill.
        const Rect inside = c.opaqueFrame.insetBy(View::kDrawingSlop + 2, View::kDrawingSlop + 2);
        auto hidden = View::make<FillView>(inside, Color::red());
        holder->setSubviews({hidden, opaque});
        root->setSubviews({holder});
        w.setContentView(root);

        const auto drawn = [&](bool claim) {
            opaque->opaque = claim;
            hidden->draws = holder->draws = 0;
            w.window().display();
            return pixelsOf(*w.window().lastFrame());
        };
        const auto plain = drawn(false);
        const auto occluded = drawn(true);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < plain.size(); ++i)
            differing += plain[i] != occluded[i];
        EXPECT_EQ(differing, 0u) << "bytes that leaving out what is hidden changed";
        EXPECT_EQ(holder->draws, 1) << "partly shown";
        EXPECT_EQ(hidden->draws, 0) << "wholly behind the opaque view";
        EXPECT_EQ(holder->clip.height() < holder->bounds().height() - 10, c.holderClipped)
            << "clip height " << holder->clip.height();

        // Drawn again in part, over the opaque view moved by a fraction of a pixel.
        opaque->setFrameOrigin({c.opaqueFrame.minX() + 0.35, c.opaqueFrame.minY() + 0.35});
        w.window().displayIfNeeded();
        const auto partial = pixelsOf(*w.window().lastFrame());
        EXPECT_TRUE(partial == drawn(false)) << "as the whole window drawn plainly";
    }
}

// A scroll view's background is left out where an opaque document paints over it, but for the
// pixels along the document's edges, which it may cover only in part: the frame is the one drawn
// without the claim, whole or after a scroll by a fraction, with and without scrollers.
TEST(Rendering, AScrollViewFillsItsBackgroundOnlyAroundAnOpaqueDocument) {
    struct Case {
        const char* what;
        Rect frame; // the scroll view's, in the window
        Size document;
        bool scrollers;
        double scale;
    };
    const Case cases[] = {
        {"scrollers, fractional frame, 2x", {3.3, 2.7, 100.4, 70.9}, {300, 500}, true, 2},
        {"scrollers, fractional frame, 1x", {3.5, 2.25, 100.4, 70.9}, {300, 500}, true, 1},
        {"no scrollers, whole frame, 2x", {4, 3, 100, 70}, {300, 500}, false, 2},
        {"a document smaller than the clip view, 2x", {3.3, 2.7, 100.4, 70.9}, {60.3, 40.6}, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestMainLoop loop;
        HeadlessWindow w({110, 80}, c.scale);
        w.window().setBackgroundColor(Color::rgba8(20, 30, 60));
        auto scroll = View::make<ScrollView>(c.frame);
        scroll->setBackgroundColor(Color::rgba8(200, 180, 40));
        scroll->setDrawsBackground(true);
        scroll->setHasVerticalScroller(c.scrollers);
        scroll->setHasHorizontalScroller(c.scrollers);
        auto document = View::make<OpaqueFillView>(Rect{{}, c.document}, Color::rgba8(40, 90, 200));
        scroll->setDocumentView(document);
        auto root = View::make<View>(Rect{0, 0, 110, 80});
        root->setSubviews({scroll});
        w.setContentView(root);
        scroll->contentView().scrollToPoint({0.35, 10.65});

        const auto drawn = [&](bool claim) {
            document->opaque = claim;
            w.window().display();
            return pixelsOf(*w.window().lastFrame());
        };
        EXPECT_TRUE(drawn(true) == drawn(false)) << "as drawn without the claim";
        const Rect clip = scroll->contentView().frame();
        const Point middle{clip.midX(), clip.midY()};
        for (const bool claim : {true, false}) {
            document->opaque = claim;
            RecordingContext recording(scroll->bounds(), c.scale);
            scroll->draw(recording, scroll->bounds());
            bool filledUnder = false;
            for (const RecordedDraw& d : recording.draws())
                filledUnder = filledUnder || (d.kind == RecordedDraw::Kind::fill && d.rect.contains(middle));
            EXPECT_EQ(filledUnder, !claim) << "the background under the document's middle, claim " << claim;
        }

        // Drawn again in part, after a scroll by a fraction of a pixel.
        document->opaque = true;
        w.window().display();
        scroll->contentView().scrollToPoint({0.7, 11.3});
        scroll->setNeedsDisplay();
        w.window().displayIfNeeded();
        const auto partial = pixelsOf(*w.window().lastFrame());
        EXPECT_TRUE(partial == drawn(false)) << "as the whole window drawn plainly";
    }
}

// A view whose drawing runs `onDraw` (drawing code that edits the tree, which it should not).
struct EditingView : FillView {
    std::function<void()> onDraw;
    using FillView::FillView;
    void draw(GraphicsContext& context, const Rect& dirty) override {
        FillView::draw(context, dirty);
        if (onDraw)
            onDraw();
    }
};

// Drawing code that takes its own branch out of the window (its last owner letting it go) does no
// harm: the subviews the branch had when its drawing began still draw, each once, few or many.
TEST(Rendering, DrawingCodeThatRemovesItsOwnBranchEndsTheFrameSafely) {
    for (const int siblings : {1, 12}) {
        SCOPED_TRACE(siblings);
        TestMainLoop loop;
        HeadlessWindow w({100, 40});
        auto branch = View::make<View>(Rect{0, 0, 100, 40});
        auto editing = View::make<EditingView>(Rect{0, 0, 10, 10}, Color::red());
        branch->addSubview(editing);
        std::vector<std::shared_ptr<FillView>> after;
        for (int i = 0; i < siblings; ++i) {
            after.push_back(View::make<FillView>(Rect{10.0 + i * 5, 0, 5, 10}, Color::green()));
            branch->addSubview(after.back());
        }
        w.contentView().addSubview(branch);
        std::weak_ptr<View> gone = branch;
        editing->onDraw = [&] {
            if (!branch)
                return;
            branch->removeFromSuperview();
            branch.reset();
        };
        w.window().display();
        EXPECT_TRUE(gone.expired());
        EXPECT_EQ(editing->draws, 1);
        for (const auto& view : after)
            EXPECT_EQ(view->draws, 1);
    }
}

TEST(Rendering, TheWindowBackgroundColourFillsWhereNoViewDraws) {
    TestMainLoop loop;
    HeadlessWindow w({10, 10});
    w.window().setBackgroundColor(Color::blue());
    EXPECT_TRUE(near(w.colorAt({5, 5}), Color::blue()));
}

TEST(Rendering, ALayerFillsItsBackgroundAndItsOpacityDimsTheWholeSubtree) {
    TestMainLoop loop;
    HeadlessWindow w({60, 20});
    w.window().setBackgroundColor(Color::black());
    auto plain = View::make<View>(Rect{0, 0, 20, 20});
    plain->setWantsLayer(true);
    plain->layer()->setBackgroundColor(Color::red());
    auto dimmed = View::make<View>(Rect{30, 0, 20, 20});
    dimmed->addSubview(View::make<FillView>(Rect{0, 0, 20, 20}, Color::white()));
    w.contentView().addSubview(plain);
    w.contentView().addSubview(dimmed);
    EXPECT_EQ(dimmed->layer(), nullptr) << "no layer until asked for";
    dimmed->setWantsLayer(true);
    dimmed->layer()->setOpacity(0.5);
    EXPECT_TRUE(near(w.colorAt({10, 10}), Color::red()));
    EXPECT_TRUE(near(w.colorAt({40, 10}), Color::rgba8(128, 128, 128))) << w.colorAt({40, 10}).r;
    dimmed->layer()->setOpacity(1);
    EXPECT_TRUE(near(w.colorAt({40, 10}), Color::white()));
}

TEST(Rendering, AHeadlessRunWritesTheKeyWindowAfterSimulatedTime) {
    TestMainLoop loop;
    std::shared_ptr<Window> window;
    std::shared_ptr<FillView> view;
    Timer timer;
    int ticks = 0;
    const testing::TempFolder folder("tk-view");
    const auto file = folder / "headless-run.png";
    HeadlessRunOptions options;
    options.duration = seconds(0.5);
    options.pngFile = file;
    const int status = runHeadless(
        [&] {
            window = Window::make({40, 30}, "run");
            view = View::make<FillView>(Rect{0, 0, 40, 30}, Color::black());
            window->contentView()->addSubview(view);
            window->makeKeyAndOrderFront();
            timer = RunLoop::main().scheduleTimer(seconds(0.1), true, [&] {
                if (++ticks == 5) {
                    view->color = Color::red();
                    view->setNeedsDisplay();
                }
            });
        },
        options);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ticks, 5);
    auto image = Image::fromPNGFile(file);
    ASSERT_TRUE(image.has_value());
    EXPECT_TRUE(near(image->pixelColor(20, 15), Color::red()));

    options.windowIdentifier = "none such";
    EXPECT_EQ(runHeadless([] {}, options), 1);
    setCurrentBackend(nullptr);
}

// Shows the moment of the last frame drawn into it: milliseconds as red (low byte) and green.
struct FrameTimeView : View {
    std::int64_t milliseconds = 0;
    using View::View;
    void draw(GraphicsContext& context, const Rect&) override {
        context.fillRect(bounds(),
                         Color((milliseconds % 256) / 255.0, (milliseconds / 256 % 256) / 255.0, 0));
    }
};

std::int64_t millisecondsNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(RunLoop::main().now().time_since_epoch())
        .count();
}

// A run in simulated time draws only the frames its picture shows - each frame timer's last beat
// before another timer fires, and before the picture - at their own beats. The other timers fire
// as in real time and see what the frames before them drew, so the picture and all the timers did
// are those of a run that draws every frame, for a few of its frames.
TEST(Rendering, AHeadlessRunDrawsOnlyTheFramesThePictureShows) {
    const testing::TempFolder folder("tk-view");
    struct Outcome {
        std::vector<std::pair<std::int64_t, std::int64_t>> seen; // (when, the frame it saw)
        int frames = 0;
        std::optional<Image> picture;
    };
    const auto run = [&](bool everyFrame) {
        TestMainLoop loop;
        Outcome outcome;
        std::shared_ptr<Window> window;
        std::shared_ptr<FrameTimeView> fast, slow;
        Timer fastFrames, slowFrames, stop, restart, watch;
        const auto startFast = [&] {
            fastFrames = RunLoop::main().scheduleFrameTimer(seconds(1.0 / 60), [&] {
                ++outcome.frames;
                fast->milliseconds = millisecondsNow();
                fast->setNeedsDisplay();
            });
        };
        HeadlessRunOptions options;
        options.duration = seconds(1.0);
        options.drawEveryFrame = everyFrame;
        options.pngFile = folder / (everyFrame ? "every-frame.png" : "fast-forward.png");
        const int status = runHeadless(
            [&] {
                window = Window::make({40, 20}, "frames");
                fast = View::make<FrameTimeView>(Rect{0, 0, 20, 20});
                slow = View::make<FrameTimeView>(Rect{20, 0, 20, 20});
                window->contentView()->addSubview(fast);
                window->contentView()->addSubview(slow);
                window->makeKeyAndOrderFront();
                startFast();
                slowFrames = RunLoop::main().scheduleFrameTimer(seconds(1.0 / 24), [&] {
                    ++outcome.frames;
                    slow->milliseconds = millisecondsNow();
                    slow->setNeedsDisplay();
                });
                // The fast animation stops between two of its beats and starts again later.
                stop = RunLoop::main().scheduleTimer(seconds(0.25), false, [&] { fastFrames.invalidate(); });
                restart = RunLoop::main().scheduleTimer(seconds(0.61), false, startFast);
                watch = RunLoop::main().scheduleTimer(seconds(0.3), true, [&] {
                    outcome.seen.emplace_back(millisecondsNow(), slow->milliseconds);
                });
            },
            options);
        EXPECT_EQ(status, 0);
        outcome.picture = Image::fromPNGFile(options.pngFile);
        fastFrames.invalidate();
        slowFrames.invalidate();
        setCurrentBackend(nullptr);
        return outcome;
    };
    const Outcome every = run(true);
    const Outcome skipping = run(false);
    ASSERT_TRUE(every.picture && skipping.picture);
    EXPECT_EQ(skipping.seen, every.seen);
    EXPECT_EQ(skipping.seen.size(), 3u);
    for (const auto& [x, y] : {std::pair{10, 10}, std::pair{30, 10}}) {
        EXPECT_EQ(skipping.picture->pixelColor(x, y), every.picture->pixelColor(x, y)) << x;
        EXPECT_NE(every.picture->pixelColor(x, y), Color(0, 0, 0)) << "a frame was drawn at " << x;
    }
    EXPECT_GT(every.frames, 60);
    EXPECT_LE(skipping.frames, 10);
}

} // namespace
} // namespace tk
