#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/tests/TestSupport.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using testing::colorNear;

TEST(BitmapContext, FilledRectCoversItsPixelsAtOneAndTwoTimes) {
    for (double scale : {1.0, 2.0}) {
        BitmapContext g(Size{10, 8}, scale);
        EXPECT_EQ(g.pixelWidth(), static_cast<int>(10 * scale));
        EXPECT_EQ(g.pixelHeight(), static_cast<int>(8 * scale));
        g.fillRect(Rect{2, 3, 4, 2}, Color::red());
        const int s = static_cast<int>(scale);
        // Inside: the rect's first and last pixel; outside: just beyond its edges.
        EXPECT_TRUE(colorNear(g.pixelColor(2 * s, 3 * s), Color::red())) << scale;
        EXPECT_TRUE(colorNear(g.pixelColor(6 * s - 1, 5 * s - 1), Color::red())) << scale;
        EXPECT_TRUE(colorNear(g.pixelColor(2 * s - 1, 3 * s), Color::clear())) << scale;
        EXPECT_TRUE(colorNear(g.pixelColor(6 * s, 4 * s), Color::clear())) << scale;
        EXPECT_TRUE(colorNear(g.pixelColor(3 * s, 5 * s), Color::clear())) << scale;
    }
}

TEST(BitmapContext, AlphaBlendModesAndClipping) {
    BitmapContext g(Size{4, 1}, 1);
    g.fillRect(Rect{0, 0, 4, 1}, Color::white());
    g.save();
    g.clipToRect(Rect{0, 0, 1, 1});
    g.fillRect(Rect{0, 0, 4, 1}, Color::black());
    g.restore();
    g.setAlpha(0.5);
    g.fillRect(Rect{1, 0, 1, 1}, Color::black());
    g.setAlpha(1);
    g.setBlendMode(BlendMode::copy);
    g.fillRect(Rect{2, 0, 1, 1}, Color{0, 0, 1, 0.5});
    g.setBlendMode(BlendMode::destinationOut);
    g.fillRect(Rect{3, 0, 1, 1}, Color::black());

    EXPECT_TRUE(colorNear(g.pixelColor(0, 0), Color::black()));
    EXPECT_TRUE(colorNear(g.pixelColor(1, 0), Color::gray(0.5)));
    EXPECT_TRUE(colorNear(g.pixelColor(2, 0), Color{0, 0, 1, 0.5}));
    EXPECT_TRUE(colorNear(g.pixelColor(3, 0), Color::clear()));
}

TEST(BitmapContext, ATransparencyLayerIsCompositedOnceAndKeepsItsStateToItself) {
    BitmapContext g(Size{3, 1}, 1);
    g.fillRect(Rect{0, 0, 3, 1}, Color::white());
    g.setAlpha(0.5);
    g.beginTransparencyLayer(1);
    EXPECT_EQ(g.alpha(), 1) << "the layer starts opaque; its alpha applies once, at the end";
    g.fillRect(Rect{0, 0, 2, 1}, Color::black());
    g.fillRect(Rect{1, 0, 2, 1}, Color::black()); // overlaps the first at x = 1
    g.save();                                     // left open: ending the layer closes it
    g.translate(100, 0);
    g.endTransparencyLayer();
    g.endTransparencyLayer(); // unmatched: nothing
    g.restore();              // unmatched: nothing
    EXPECT_EQ(g.alpha(), 0.5);
    EXPECT_EQ(g.transform().apply(Point{0, 0}), (Point{0, 0}));
    for (int x : {0, 1, 2})
        EXPECT_TRUE(colorNear(g.pixelColor(x, 0), Color{0.5, 0.5, 0.5, 1})) << x;
}

TEST(BitmapContext, TransformsMoveDrawing) {
    BitmapContext g(Size{20, 20}, 2);
    g.translate(10, 0);
    g.scale(2, 2);
    g.fillRect(Rect{0, 0, 2, 2}, Color::green());
    EXPECT_EQ(g.transform().apply(Point{1, 1}), (Point{12, 2}));
    EXPECT_TRUE(colorNear(g.pixelColor(20, 0), Color::green()));
    EXPECT_TRUE(colorNear(g.pixelColor(27, 7), Color::green()));
    EXPECT_TRUE(colorNear(g.pixelColor(19, 0), Color::clear()));
    EXPECT_TRUE(colorNear(g.pixelColor(28, 0), Color::clear()));
}

TEST(BitmapContext, StrokesDashesAndGradients) {
    BitmapContext g(Size{20, 10}, 1);
    g.strokeLine(Point{0, 1.5}, Point{20, 1.5}, Color::black(), StrokeStyle{}.withDash({2, 2}));
    EXPECT_TRUE(colorNear(g.pixelColor(0, 1), Color::black()));
    EXPECT_TRUE(colorNear(g.pixelColor(2, 1), Color::clear()));
    EXPECT_TRUE(colorNear(g.pixelColor(4, 1), Color::black()));

    g.fillPath(Path::rect(Rect{0, 4, 20, 6}),
               LinearGradient{Point{0, 0}, Point{20, 0}, {{0, Color::black()}, {1, Color::white()}}});
    EXPECT_LT(g.pixelColor(1, 6).r, 0.15);
    EXPECT_GT(g.pixelColor(18, 6).r, 0.85);
}

TEST(BitmapContext, ShadowFallsAtItsOffsetAndSpreads) {
    BitmapContext g(Size{40, 40}, 2);
    g.setShadow(Shadow{Size{6, 8}, 0, Color::black()});
    g.fillRect(Rect{5, 5, 10, 10}, Color::red());
    EXPECT_TRUE(colorNear(g.pixelColor(20, 20), Color::red()));
    // Below-right of the rect, inside the offset copy: the shadow.
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 19, 2 * 21), Color::black()));
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 22, 2 * 20), Color::clear()));

    BitmapContext blurred(Size{40, 40}, 1);
    blurred.setShadow(Shadow{Size{0, 0}, 6, Color::black()});
    blurred.fillRect(Rect{15, 15, 10, 10}, Color::white());
    const Color halo = blurred.pixelColor(13, 20);
    EXPECT_GT(halo.a, 0.05) << "the blur reaches outside the shape";
    EXPECT_LT(halo.a, 0.95);
    EXPECT_TRUE(colorNear(blurred.pixelColor(20, 20), Color::white()));
}

TEST(BitmapContext, ResetClearsPixelsAndState) {
    BitmapContext g(Size{4, 4}, 1);
    g.translate(1, 1);
    g.setAlpha(0.2);
    g.clipToRect(Rect{0, 0, 1, 1});
    g.fillRect(Rect{0, 0, 4, 4}, Color::blue());
    g.reset();
    EXPECT_TRUE(colorNear(g.pixelColor(1, 1), Color::clear()));
    EXPECT_TRUE(g.transform().isIdentity());
    EXPECT_DOUBLE_EQ(g.alpha(), 1);
    g.fillRect(Rect{0, 0, 4, 4}, Color::blue());
    EXPECT_TRUE(colorNear(g.pixelColor(3, 3), Color::blue()));
}

TEST(BitmapContext, SingularTransformDrawsNothingUntilRestored) {
    BitmapContext g(Size{4, 4}, 1);
    g.save();
    g.scale(0, 0);
    g.fillRect(Rect{0, 0, 4, 4}, Color::red());
    g.restore();
    EXPECT_TRUE(colorNear(g.pixelColor(0, 0), Color::clear()));
    g.fillRect(Rect{0, 0, 4, 4}, Color::red());
    EXPECT_TRUE(colorNear(g.pixelColor(0, 0), Color::red())) << "the context still works";
}

TEST(BitmapContext, TextDrawsInsideItsMeasuredBox) {
    BitmapContext g(Size{120, 40}, 2);
    TextAttributes attrs;
    attrs.font = Font::system(20);
    attrs.color = Color::black();
    const TextLayout layout("Hello", attrs);
    g.drawText(layout, Point{10, 5});
    int inked = 0;
    int outside = 0;
    for (int y = 0; y < g.pixelHeight(); ++y)
        for (int x = 0; x < g.pixelWidth(); ++x) {
            if (g.pixelColor(x, y).a < 0.5)
                continue;
            ++inked;
            const Point p{x / 2.0, y / 2.0};
            if (!Rect{10, 5, layout.size().width, layout.size().height}.insetBy(-1, -1).contains(p))
                ++outside;
        }
    EXPECT_GT(inked, 50);
    EXPECT_EQ(outside, 0);
}

TEST(BitmapContext, WritesPNGThatReadsBack) {
    testing::TempFolder dir;
    BitmapContext g(Size{6, 4}, 2);
    g.fillRect(Rect{0, 0, 3, 4}, Color::rgba8(10, 200, 30));
    const auto file = dir.path() / "out.png";
    ASSERT_TRUE(g.writePNG(file));
    const auto image = Image::fromPNGFile(file, 2);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), (Size{6, 4}));
    EXPECT_EQ(image->pixelSize(), (Size{12, 8}));
    EXPECT_TRUE(colorNear(image->pixelColor(5, 7), Color::rgba8(10, 200, 30)));
    EXPECT_TRUE(colorNear(image->pixelColor(6, 0), Color::clear()));
}

// A sheet of everything the context draws, written under <build>/pictures/tk/graphics/ so a person
// can look at it.
TEST(BitmapContext, WritesASampleSheet) {
    BitmapContext g(Size{320, 200}, 2);
    g.fillRect(Rect{0, 0, 320, 200}, Color::rgba8(21, 22, 26));
    g.fillPath(Path::roundedRect(Rect{10, 10, 90, 40}, 8),
               LinearGradient{Point{0, 10},
                              Point{0, 50},
                              {{0, Color::rgba8(80, 84, 96)}, {1, Color::rgba8(40, 42, 50)}}});
    g.strokePath(Path::roundedRect(Rect{10.5, 10.5, 89, 39}, 8), Color::white().withAlpha(0.3));
    g.save();
    g.setShadow(Shadow{Size{0, 3}, 6, Color::black().withAlpha(0.8)});
    g.fillEllipse(Rect{120, 10, 40, 40}, Color::rgba8(242, 193, 78));
    g.restore();
    Path arc;
    arc.addArc(Point{200, 30}, 18, 0.75 * 3.14159, 2.25 * 3.14159);
    g.strokePath(arc, Color::rgba8(79, 163, 247), StrokeStyle{}.withLineWidth(4).withLineCap(LineCap::round));
    g.strokeLine(Point{240, 30}, Point{310, 30}, Color::white(),
                 StrokeStyle{}.withLineWidth(2).withDash({6, 3}));

    const Image framed = Image::draw(Size{12, 12}, 2, [](GraphicsContext& p) {
                             p.fillPath(Path::roundedRect(Rect{0, 0, 12, 12}, 4), Color::rgba8(240, 96, 90));
                             p.fillRect(Rect{4, 4, 4, 4}, Color::white().withAlpha(0.6));
                         }).withCapInsets(EdgeInsets::all(5));
    g.drawImageNinePart(framed, Rect{10, 70, 140, 30});
    const Image mark =
        Image::draw(Size{16, 16}, 2, [](GraphicsContext& p) {
            p.strokeLine(Point{3, 8}, Point{7, 12}, Color::black(), StrokeStyle{}.withLineWidth(2.5));
            p.strokeLine(Point{7, 12}, Point{13, 4}, Color::black(), StrokeStyle{}.withLineWidth(2.5));
        }).withTemplate(true);
    g.drawTemplateImage(mark, Rect{170, 72, 24, 24}, Color::rgba8(90, 200, 120));
    g.drawImage(framed, Rect{210, 70, 50, 30}, ContentMode::aspectFit);

    TextAttributes title;
    title.font = Font::system(18, FontWeight::bold);
    title.color = Color::white();
    g.drawText("Zindral graphics", Point{10, 115}, title);
    TextAttributes body;
    body.font = Font::system(11);
    body.color = Color::lightGray();
    body.lineLimit = 2;
    g.drawText(
        "Text wraps within its rect, stops after two lines and ends in an ellipsis when there is more.",
        Rect{10, 145, 200, 40}, body);
    TextAttributes caps = body;
    caps.uppercased = true;
    caps.alignment = TextAlignment::right;
    g.drawText("right aligned", Rect{210, 145, 100, 20}, caps);

    const auto file = testing::picturesFolder("tk/graphics") / "sample.png";
    ASSERT_TRUE(g.writePNG(file));
    const auto back = Image::fromPNGFile(file, 2);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->size(), (Size{320, 200}));
}

} // namespace
} // namespace tk
