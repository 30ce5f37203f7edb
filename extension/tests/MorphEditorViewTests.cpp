// The morph pad: its geometry, its dot field, and drags from the window reaching the host as
// automation (begin at the press, changes, end), Option-click resets and cancels.

#include "InterfaceFixture.h"

#include "extension/Interface/MorphEditorView.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/RecordingContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using interfacetest::Edit;
using interfacetest::edits;
using interfacetest::Interface;
using interfacetest::Phase;

TEST(MorphPad, HandleAndPointsMapBothWays) {
    extension::MorphPadGeometry g; // 264 x 120, padding 12
    EXPECT_EQ(g.handleCentre(0.5f, 0.5f), (tk::Point{132, 60}));
    EXPECT_EQ(g.handleCentre(0, 0), (tk::Point{12, 108}));
    EXPECT_EQ(g.handleCentre(1, 1), (tk::Point{252, 12}));
    EXPECT_EQ(g.morphPosition({0, 0}), (std::pair{0.0f, 1.0f}));
    EXPECT_EQ(g.morphPosition({300, 200}), (std::pair{1.0f, 0.0f}));
    EXPECT_EQ(g.morphPosition({132, 60}), (std::pair{0.5f, 0.5f}));
    extension::MorphPadGeometry none{264, 120, 132}; // no travel: never outside 0...1, never NaN
    for (tk::Point p : {tk::Point{132, 60}, tk::Point{0, 0}, tk::Point{264, 120}}) {
        auto [x, y] = none.morphPosition(p);
        EXPECT_TRUE(x >= 0 && x <= 1 && y >= 0 && y <= 1) << p.x;
    }
}

TEST(MorphPad, DotsArePushedAwayFromTheHandle) {
    tk::RecordingContext context;
    extension::drawMorphDots(context, {264, 120}, {0, 0}, tk::Color::white());
    auto dots = context.draws(tk::RecordedDraw::Kind::fill);
    ASSERT_EQ(dots.size(), 288u);
    EXPECT_NEAR(dots[0].rect.origin.x, -30 - 1.5, 1e-9) << "the dot under the handle moves 30 points";
    EXPECT_NEAR(dots[0].rect.size.width, 3, 1e-9);
    tk::RecordingContext far;
    extension::drawMorphDots(far, {23 * 900.0, 11 * 900.0}, {0, 0}, tk::Color::white());
    auto farDots = far.draws(tk::RecordedDraw::Kind::fill);
    EXPECT_NEAR(farDots[1].rect.origin.x, 900 - 1.5, 1e-9) << "900 points away: not moved";
}

// Local pad points in window coordinates (the pad lies at 32, 526).
tk::Point pad(double x, double y) {
    return {32 + x, 526 + y};
}

// The largest difference of one channel between two pictures of the same size (255 when the sizes
// differ).
int largestDifference(const tk::BitmapContext& a, const tk::BitmapContext& b) {
    if (a.pixelWidth() != b.pixelWidth() || a.pixelHeight() != b.pixelHeight())
        return 255;
    int largest = 0;
    for (int y = 0; y < a.pixelHeight(); ++y) {
        const std::uint8_t* ra = a.pixelData() + y * a.stride();
        const std::uint8_t* rb = b.pixelData() + y * b.stride();
        for (int x = 0; x < a.pixelWidth() * 4; ++x)
            largest = std::max(largest, std::abs(int(ra[x]) - int(rb[x])));
    }
    return largest;
}

TEST(MorphPad, TheKeptDotFieldLooksAsDrawnAndIsDrawnAgainOnlyWhenTheHandleMoves) {
    const tk::Size pad{264, 120};
    const tk::Color colour{0.4, 0.6, 0.9, 0.8};
    struct Case {
        double scale;
        tk::Point origin;
        bool kept; // the picture is reused
    };
    for (const Case& c : {Case{1, {18, 12}, true}, Case{2, {18.5, 12}, true}, Case{1, {18.5, 12}, false}}) {
        SCOPED_TRACE(c.scale);
        SCOPED_TRACE(c.origin.x);
        extension::MorphDotField field;
        auto drawBoth = [&](tk::Point handle) {
            tk::BitmapContext direct({300, 150}, c.scale);
            tk::BitmapContext kept({300, 150}, c.scale);
            for (tk::BitmapContext* context : {&direct, &kept}) {
                context->translate(c.origin.x, c.origin.y);
                context->clipToRect({tk::Point{}, pad}); // as the pad clips its canvas
            }
            extension::drawMorphDots(direct, pad, handle, colour);
            field.draw(kept, pad, handle, colour);
            EXPECT_LE(largestDifference(direct, kept), 1) << "the same dots, up to rounding";
        };
        drawBoth({132, 60});
        drawBoth({132, 60});
        EXPECT_EQ(field.renders(), c.kept ? 1 : 2);
        drawBoth({40, 100});
        EXPECT_EQ(field.renders(), c.kept ? 2 : 3) << "a moved handle draws the dots again";
    }
    // Unclipped, the dots pushed past the edge show: they are drawn, not copied.
    extension::MorphDotField field;
    tk::BitmapContext direct({300, 150}), kept({300, 150});
    extension::drawMorphDots(direct, pad, {4, 4}, colour);
    field.draw(kept, pad, {4, 4}, colour);
    EXPECT_EQ(largestDifference(direct, kept), 0);
}

TEST(MorphPad, ADragIsOneEditOfBothParameters) {
    Interface f;
    f.w().mouseDown(pad(12, 108));
    f.settle();
    EXPECT_TRUE(f.settings().morphX()->isBeingInteractivelyEdited.peek());
    EXPECT_TRUE(f.settings().morphY()->isBeingInteractivelyEdited.peek());
    f.w().mouseDragged(pad(132, 60));
    f.settle();
    f.w().mouseUp(pad(252, 12));
    f.settle();
    // The press's location goes with the begin; each movement after it is a change.
    const std::vector<Edit> drag{{Phase::touch, 0.0f}, {Phase::value, 0.5f}, {Phase::release, 1.0f}};
    EXPECT_EQ(edits(f.take(7)), drag);
    EXPECT_EQ(edits(f.take(8)), drag);
    EXPECT_FALSE(f.settings().morphX()->isBeingInteractivelyEdited.peek());
    EXPECT_EQ(f.settings().morphX()->value.peek(), 1.0f);
    EXPECT_EQ(f.unit().midiProcessor().parameterMirror[7].load(), 1.0f);
}

TEST(MorphPad, AClickIsABeginAndAnEndAtTheClickPoint) {
    Interface f;
    f.w().click(pad(72, 84)); // morph (0.25, 0.25)
    f.settle();
    const std::vector<Edit> click{{Phase::touch, 0.25f}, {Phase::release, 0.25f}};
    EXPECT_EQ(edits(f.take(7)), click);
    EXPECT_EQ(edits(f.take(8)), click);
    EXPECT_EQ(f.settings().morphY()->value.peek(), 0.25f);
}

TEST(MorphPad, TheHandleShowsItsPressedPictureWhileDragging) {
    Interface f;
    auto images = [&] {
        tk::RecordingContext context(tk::Rect{0, 0, 616, 678});
        f.w().window().render(context);
        return context.imageNames();
    };
    auto has = [](const std::vector<std::string>& names, const char* name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    EXPECT_TRUE(has(images(), "morph-dot"));
    f.w().mouseDown(pad(60, 60));
    f.settle();
    EXPECT_TRUE(has(images(), "morph-dot-down"));
    f.w().mouseUp(pad(60, 60));
    f.settle();
    EXPECT_FALSE(has(images(), "morph-dot-down"));
}

TEST(MorphPad, OptionClickResetsToTheCentreWithAnEditOfItsOwn) {
    Interface f;
    f.w().click(pad(72, 84)); // morph (0.25, 0.25)
    f.settle();
    f.forget();
    f.w().click(pad(200, 30), tk::ModifierFlags::option);
    f.settle();
    const std::vector<Edit> reset{{Phase::touch, 0.25f}, {Phase::value, 0.5f}, {Phase::release, 0.5f}};
    EXPECT_EQ(edits(f.take(7)), reset);
    EXPECT_EQ(edits(f.take(8)), reset);
    EXPECT_EQ(f.settings().morphX()->value.peek(), 0.5f);
}

TEST(MorphPad, OptionDuringADragEndsTheRunningEditFirst) {
    Interface f;
    f.w().mouseDown(pad(12, 108)); // begin at (0, 0)
    f.settle();
    f.w().mouseDragged(pad(40, 100), tk::ModifierFlags::option);
    f.settle();
    f.w().mouseUp(pad(40, 100), tk::ModifierFlags::option);
    f.settle();
    EXPECT_EQ(edits(f.take(7)), (std::vector<Edit>{{Phase::touch, 0.0f},
                                                   {Phase::release, 0.0f},
                                                   {Phase::touch, 0.0f},
                                                   {Phase::value, 0.5f},
                                                   {Phase::release, 0.5f}}));
    EXPECT_FALSE(f.settings().morphX()->isBeingInteractivelyEdited.peek());
}

TEST(MorphPad, ACancelledDragEndsItsEdit) {
    Interface f;
    f.w().mouseDown(pad(12, 108));
    f.w().mouseDragged(pad(72, 84));
    f.settle();
    f.w().cancelDrag();
    f.settle();
    auto x = edits(f.take(7));
    ASSERT_FALSE(x.empty());
    EXPECT_EQ(x.back(), (Edit{Phase::release, 0.25f}));
    EXPECT_FALSE(f.settings().morphX()->isBeingInteractivelyEdited.peek());
    EXPECT_FALSE(f.settings().morphY()->isBeingInteractivelyEdited.peek());
}

} // namespace
