#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/TextLayout.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

Image namedPicture(const char* name, Size size, EdgeInsets caps = {}) {
    return Image::draw(size, 1,
                       [](GraphicsContext& g) {
                           g.fillRect(Rect{0, 0, 1000, 1000}, Color::white());
                       })
        .withName(name)
        .withCapInsets(caps);
}

TEST(RecordingContext, RecordsImagesWithRectOpacityOperatorAndState) {
    RecordingContext g;
    const Image knob = namedPicture("knobs/zindral-dial-grey_07", Size{56, 64});
    g.translate(10, 20);
    g.setAlpha(0.5);
    g.drawImage(knob, Point{4, 6});
    g.save();
    g.setBlendMode(BlendMode::plusLighter);
    g.drawImage(knob, Rect{0, 0, 28, 32}, ImageDrawOptions{}.withOpacity(0.8).withBlendMode(BlendMode::copy));
    g.restore();
    g.drawImage(knob, Rect{1, 1, 2, 2});

    const auto images = g.images();
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].imageName, "knobs/zindral-dial-grey_07");
    EXPECT_EQ(images[0].rect, (Rect{4, 6, 56, 64}));
    EXPECT_EQ(images[0].deviceRect(), (Rect{14, 26, 56, 64}));
    EXPECT_DOUBLE_EQ(images[0].alpha, 0.5);
    EXPECT_EQ(images[0].blendMode, BlendMode::normal);
    EXPECT_DOUBLE_EQ(images[1].opacity, 0.8);
    EXPECT_EQ(images[1].blendMode, BlendMode::copy) << "per-draw operator wins";
    EXPECT_EQ(images[2].blendMode, BlendMode::normal) << "restore() brings the operator back";
    EXPECT_EQ(g.saveDepth(), 0);
}

TEST(RecordingContext, RecordsFillsStrokesClipsAndShadows) {
    RecordingContext g(Rect{0, 0, 200, 100}, 2);
    g.setShadow(Shadow{Size{0, 2}, 4, Color::black()});
    g.fillRect(Rect{1, 2, 3, 4}, Color::red());
    g.clearShadow();
    g.clipToRect(Rect{10, 10, 50, 50});
    g.strokeLine(Point{0, 0}, Point{10, 0}, Color::blue(),
                 StrokeStyle{}.withLineWidth(3).withLineCap(LineCap::round));

    const auto& d = g.draws();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].kind, RecordedDraw::Kind::fill);
    EXPECT_EQ(d[0].color, Color::red());
    EXPECT_EQ(d[0].rect, (Rect{1, 2, 3, 4}));
    ASSERT_TRUE(d[0].shadow.has_value());
    EXPECT_DOUBLE_EQ(d[0].shadow->blur, 4);
    EXPECT_EQ(d[1].kind, RecordedDraw::Kind::clip);
    EXPECT_EQ(d[2].kind, RecordedDraw::Kind::stroke);
    EXPECT_FALSE(d[2].shadow.has_value());
    EXPECT_EQ(d[2].stroke.lineCap, LineCap::round);
    EXPECT_DOUBLE_EQ(d[2].stroke.lineWidth, 3);
    EXPECT_EQ(d[2].clip, (Rect{10, 10, 50, 50}));
    EXPECT_EQ(g.clipBounds(), (Rect{10, 10, 50, 50}));
    EXPECT_DOUBLE_EQ(g.backingScale(), 2);
}

TEST(RecordingContext, NinePartDrawRecordsTheNinePiecesInTheirRects) {
    RecordingContext g;
    const Image bezel = namedPicture("tui-button", Size{20, 20}, EdgeInsets{4, 5, 6, 7});
    g.drawImageNinePart(bezel, Rect{0, 0, 100, 30});
    const auto images = g.images();
    ASSERT_EQ(images.size(), 9u);
    for (const auto& piece : images)
        EXPECT_EQ(piece.imageName, "tui-button");
    EXPECT_EQ(images[0].rect, (Rect{0, 0, 5, 4}));
    EXPECT_EQ(images[0].sourceRect, (Rect{0, 0, 5, 4}));
    EXPECT_EQ(images[4].rect, (Rect{5, 4, 88, 20}));
    EXPECT_EQ(images[4].sourceRect, (Rect{5, 4, 8, 10}));
    EXPECT_EQ(images[8].rect, (Rect{93, 24, 7, 6}));
    EXPECT_EQ(images[8].sourceRect, (Rect{13, 14, 7, 6}));
}

TEST(RecordingContext, FittedTemplateAndTextDraws) {
    RecordingContext g;
    const Image wide = namedPicture("logo", Size{40, 20});
    g.drawImage(wide, Rect{0, 0, 20, 20}, ContentMode::aspectFit);
    g.drawTemplateImage(wide.withTemplate(true), Rect{0, 0, 40, 20}, Color::green());
    TextAttributes attrs;
    attrs.font = Font::named("Dosis-Medium", 13);
    attrs.uppercased = true;
    attrs.color = Color::yellow();
    g.drawText("1.2.0 available", Point{5, 5}, attrs);

    const auto images = g.images();
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].rect, (Rect{0, 5, 20, 10}));
    EXPECT_TRUE(images[1].isTemplateDraw);
    EXPECT_EQ(images[1].color, Color::green());

    const auto texts = g.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "1.2.0 AVAILABLE");
    EXPECT_EQ(texts[0].textAttributes.font, Font::named("Dosis-Medium", 13));
    EXPECT_EQ(texts[0].color, Color::yellow());
    EXPECT_EQ(texts[0].rect.origin, (Point{5, 5}));
    EXPECT_GT(texts[0].rect.width(), 0);
    EXPECT_EQ(g.textStrings(), std::vector<std::string>{"1.2.0 AVAILABLE"});
}

TEST(RecordingContext, UnbalancedRestoreIsIgnored) {
    RecordingContext g;
    g.restore();
    g.translate(3, 4);
    g.save();
    g.scale(2, 2);
    EXPECT_EQ(g.transform().apply(Point{1, 1}), (Point{5, 6}));
    g.restore();
    g.restore();
    EXPECT_EQ(g.transform(), AffineTransform::translation(3, 4));
}

} // namespace
} // namespace tk
