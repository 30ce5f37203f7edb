#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tk {
namespace {

using testing::colorNear;

// A picture of `size` points at `scale` in one colour.
Image solid(Size size, double scale, Color color) {
    return Image::draw(size, scale, [&](GraphicsContext& g) { g.fillRect(Rect{Point{}, size}, color); });
}

class ImageFiles : public ::testing::Test {
protected:
    testing::TempFolder dir;
    std::filesystem::path path(const char* name) const { return dir.path() / name; }
};

TEST_F(ImageFiles, LoadPicksTwoTimesFileForScaleTwoWhenPresent) {
    ASSERT_TRUE(solid(Size{8, 6}, 1, Color::red()).writePNG(path("knob.png")));
    ASSERT_TRUE(solid(Size{8, 6}, 2, Color::blue()).writePNG(path("knob@2x.png")));
    ASSERT_TRUE(solid(Size{5, 5}, 1, Color::green()).writePNG(path("only1x.png")));

    const auto one = Image::load(path("knob.png"), 1);
    ASSERT_TRUE(one.has_value());
    EXPECT_DOUBLE_EQ(one->scale(), 1);
    EXPECT_TRUE(colorNear(one->pixelColor(0, 0), Color::red()));

    const auto two = Image::load(path("knob"), 2);
    ASSERT_TRUE(two.has_value());
    EXPECT_DOUBLE_EQ(two->scale(), 2);
    EXPECT_EQ(two->size(), (Size{8, 6}));
    EXPECT_EQ(two->pixelSize(), (Size{16, 12}));
    EXPECT_TRUE(colorNear(two->pixelColor(0, 0), Color::blue()));

    const auto fallback = Image::load(path("only1x.png"), 2);
    ASSERT_TRUE(fallback.has_value());
    EXPECT_DOUBLE_EQ(fallback->scale(), 1);

    EXPECT_FALSE(Image::load(path("missing.png"), 2).has_value());
    std::ofstream(path("broken.png")) << "not a png";
    EXPECT_FALSE(Image::fromPNGFile(path("broken.png")).has_value());
}

TEST_F(ImageFiles, BothScalesAndTheContextChoosesByItsBackingScale) {
    ASSERT_TRUE(solid(Size{4, 4}, 1, Color::red()).writePNG(path("dot.png")));
    ASSERT_TRUE(solid(Size{4, 4}, 2, Color::blue()).writePNG(path("dot@2x.png")));
    const auto dot = Image::loadAllScales(path("dot.png"));
    ASSERT_TRUE(dot.has_value());
    EXPECT_EQ(dot->scales(), (std::vector<double>{1, 2}));

    BitmapContext one(Size{4, 4}, 1);
    one.drawImage(*dot, Point{0, 0});
    EXPECT_TRUE(colorNear(one.pixelColor(1, 1), Color::red()));
    BitmapContext two(Size{4, 4}, 2);
    two.drawImage(*dot, Point{0, 0});
    EXPECT_TRUE(colorNear(two.pixelColor(1, 1), Color::blue()));
}

TEST(Image, DrawnImageStretchesIntoARect) {
    const Image halves = Image::draw(Size{2, 1}, 1, [](GraphicsContext& g) {
        g.fillRect(Rect{0, 0, 1, 1}, Color::red());
        g.fillRect(Rect{1, 0, 1, 1}, Color::blue());
    });
    BitmapContext g(Size{20, 10}, 1);
    g.drawImage(halves, Rect{0, 0, 20, 10}, ImageDrawOptions{}.withInterpolation(ImageInterpolation::none));
    EXPECT_TRUE(colorNear(g.pixelColor(2, 5), Color::red()));
    EXPECT_TRUE(colorNear(g.pixelColor(17, 5), Color::blue()));

    BitmapContext faded(Size{2, 1}, 1);
    faded.drawImage(halves, Point{0, 0}, ImageDrawOptions{}.withOpacity(0.5));
    EXPECT_NEAR(faded.pixelColor(0, 0).a, 0.5, 0.01);
}

TEST(Image, NinePartKeepsCornersAndStretchesTheMiddle) {
    // 6 x 6 picture: a 2-point red frame around a blue middle, caps 2 all round.
    const Image framed = Image::draw(Size{6, 6}, 2, [](GraphicsContext& g) {
                             g.fillRect(Rect{0, 0, 6, 6}, Color::red());
                             g.fillRect(Rect{2, 2, 2, 2}, Color::blue());
                         }).withCapInsets(EdgeInsets::all(2));
    BitmapContext g(Size{30, 20}, 2);
    g.drawImageNinePart(framed, Rect{0, 0, 30, 20});
    EXPECT_TRUE(colorNear(g.pixelColor(1, 1), Color::red()));
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 15, 2 * 1), Color::red())) << "top edge stays 2 points";
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 15, 2 * 10), Color::blue())) << "middle stretched";
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 3, 2 * 3), Color::blue()));
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 29, 2 * 19), Color::red()));
}

TEST(Image, DrawingAPictureWithCapInsetsAtAnotherSizeGoesInNineParts) {
    // The 6 x 6 picture of a 2-point red frame around a blue middle, caps 2, drawn by drawImage.
    const Image framed = Image::draw(Size{6, 6}, 2, [](GraphicsContext& g) {
                             g.fillRect(Rect{0, 0, 6, 6}, Color::red());
                             g.fillRect(Rect{2, 2, 2, 2}, Color::blue());
                         }).withCapInsets(EdgeInsets::all(2));
    BitmapContext g(Size{30, 20}, 2);
    g.drawImage(framed, Rect{0, 0, 30, 20});
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 15, 2 * 1), Color::red()));
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 15, 2 * 3), Color::blue()))
        << "the top edge stays 2 points, not 6.7";
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 3, 2 * 10), Color::blue()))
        << "the left edge stays 2 points, not 10";
    EXPECT_TRUE(colorNear(g.pixelColor(2 * 29, 2 * 19), Color::red()));

    // At its own size, or a part of it, the picture is drawn in one piece.
    RecordingContext recorded;
    recorded.drawImage(framed, Rect{0, 0, 30, 20});
    recorded.drawImage(framed, Point{0, 0});
    recorded.drawImage(framed, Rect{0, 0, 30, 20}, ImageDrawOptions{}.withSource(Rect{0, 0, 3, 3}));
    EXPECT_EQ(recorded.images().size(), 9u + 1 + 1);
}

TEST(Image, TiledResizingRepeatsTheMiddleAtItsOwnSize) {
    // 6 x 4 picture, caps 2 left and right: the 2-point middle is half red, half blue.
    const Image striped = Image::draw(Size{6, 4}, 1, [](GraphicsContext& g) {
                              g.fillRect(Rect{0, 0, 6, 4}, Color::black());
                              g.fillRect(Rect{2, 0, 1, 4}, Color::red());
                              g.fillRect(Rect{3, 0, 1, 4}, Color::blue());
                          }).withCapInsets(EdgeInsets{0, 2, 0, 2});
    EXPECT_EQ(striped.resizingMode(), ImageResizingMode::stretch);
    const Image tiled = striped.withResizingMode(ImageResizingMode::tile);
    BitmapContext g(Size{12, 4}, 1);
    g.drawImageNinePart(tiled, Rect{0, 0, 12, 4},
                        ImageDrawOptions{}.withInterpolation(ImageInterpolation::none));
    for (int x : {2, 4, 6, 8})
        EXPECT_TRUE(colorNear(g.pixelColor(x, 2), Color::red())) << "a red stripe every 2 points, at " << x;
    for (int x : {3, 5, 7, 9})
        EXPECT_TRUE(colorNear(g.pixelColor(x, 2), Color::blue())) << x;
    EXPECT_TRUE(colorNear(g.pixelColor(11, 2), Color::black())) << "the right cap stays";

    BitmapContext stretched(Size{12, 4}, 1);
    stretched.drawImageNinePart(striped, Rect{0, 0, 12, 4},
                                ImageDrawOptions{}.withInterpolation(ImageInterpolation::none));
    EXPECT_TRUE(colorNear(stretched.pixelColor(4, 2), Color::red()));
    EXPECT_TRUE(colorNear(stretched.pixelColor(8, 2), Color::blue())) << "stretched: one wide stripe each";
}

TEST(Image, ANinePartDrawFollowsPixelsWrittenInPlace) {
    // Nine-part draws on whole pixels keep a copy of the picture at that size.
    auto solid = [](std::uint8_t r, std::uint8_t b) {
        std::vector<std::uint8_t> px;
        for (int i = 0; i < 16; ++i)
            px.insert(px.end(), {r, 0, b, 255});
        return px;
    };
    Image picture = *Image::fromPixels(solid(255, 0), 4, 4, 16, PixelFormat::rgba8);
    picture = picture.withCapInsets(EdgeInsets::all(1));
    BitmapContext g(Size{10, 10}, 1);
    g.drawImage(picture, Rect{0, 0, 10, 10});
    EXPECT_TRUE(colorNear(g.pixelColor(5, 5), Color::red()));
    ASSERT_TRUE(picture.overwritePixels(solid(0, 255), 4, 4, 16, PixelFormat::rgba8));
    g.drawImage(picture, Rect{0, 0, 10, 10});
    EXPECT_TRUE(colorNear(g.pixelColor(0, 0), Color::blue()));
    EXPECT_TRUE(colorNear(g.pixelColor(5, 5), Color::blue()));
}

TEST(Image, RepresentationsOfSeveralSizesAreKeptAndFiltered) {
    // An icon with 16- and 32-point pictures at 1x and 2x.
    const Image icon =
        Image::combining({solid({16, 16}, 1, Color::red()), solid({16, 16}, 2, Color::red()),
                          solid({32, 32}, 1, Color::blue()), solid({32, 32}, 2, Color::blue())});
    EXPECT_EQ(icon.size(), (Size{16, 16}));
    EXPECT_EQ(icon.representations().size(), 4u);
    BitmapContext g(Size{16, 16}, 2);
    g.drawImage(icon, Point{0, 0});
    EXPECT_TRUE(colorNear(g.pixelColor(5, 5), Color::red())) << "drawn from the pictures of its own size";

    const Image small = icon.filteringRepresentations([](const Image::Representation& r) {
        return r.size == Size{16, 16};
    });
    ASSERT_EQ(small.representations().size(), 2u);
    EXPECT_EQ(small.scales(), (std::vector<double>{1, 2}));
    EXPECT_EQ(small.representations()[1].pixelSize, (Size{32, 32}));
    const Image large = icon.filteringRepresentations([](const Image::Representation& r) {
        return r.size == Size{32, 32};
    });
    EXPECT_EQ(large.size(), (Size{32, 32}));
    EXPECT_TRUE(icon.filteringRepresentations([](const Image::Representation&) { return false; }).isEmpty());
    EXPECT_THROW(icon.filteringRepresentations([](const Image::Representation&) -> bool { throw 1; }), int)
        << "a failing test passes its failure on";
}

TEST(Image, TemplatesTintAndPlainImagesStayTheSame) {
    const Image shape = Image::draw(Size{4, 4}, 1, [](GraphicsContext& g) {
        g.fillRect(Rect{0, 0, 2, 4}, Color::black().withAlpha(0.5));
    });
    EXPECT_TRUE(shape.tinted(Color::red()).isSameImage(shape)) << "not a template";

    const Image tmpl = shape.withTemplate(true);
    const Image red = tmpl.tinted(Color::red());
    EXPECT_FALSE(red.isTemplate());
    EXPECT_TRUE(colorNear(red.pixelColor(0, 0), Color::red().withAlpha(0.5)));
    EXPECT_TRUE(colorNear(red.pixelColor(3, 0), Color::clear()));
    EXPECT_TRUE(tmpl.tinted(Color::red()).isSameImage(red)) << "the tinted copy is kept";
    EXPECT_TRUE(colorNear(tmpl.tinted(Color::blue()).pixelColor(0, 0), Color::blue().withAlpha(0.5)));
    const Image capped = tmpl.withCapInsets(EdgeInsets::all(1)).withResizingMode(ImageResizingMode::tile);
    EXPECT_EQ(capped.tinted(Color::red()).capInsets(), EdgeInsets::all(1))
        << "not the copy of the picture before";
    EXPECT_EQ(capped.tinted(Color::red()).resizingMode(), ImageResizingMode::tile);

    BitmapContext g(Size{4, 4}, 1);
    g.drawTemplateImage(tmpl, Rect{0, 0, 4, 4}, Color::green());
    EXPECT_TRUE(colorNear(g.pixelColor(1, 1), Color::green().withAlpha(0.5)));
    EXPECT_TRUE(colorNear(g.pixelColor(3, 1), Color::clear()));
}

TEST(Image, SubImageCropsEveryScaleAndKeepsOptionsSeparate) {
    const Image quarters = Image::draw(Size{4, 4}, 2, [](GraphicsContext& g) {
        g.fillRect(Rect{0, 0, 4, 4}, Color::red());
        g.fillRect(Rect{2, 2, 2, 2}, Color::blue());
    });
    const Image corner = quarters.subImage(Rect{2, 2, 2, 2});
    EXPECT_EQ(corner.size(), (Size{2, 2}));
    EXPECT_EQ(corner.pixelSize(), (Size{4, 4}));
    EXPECT_TRUE(colorNear(corner.pixelColor(0, 0), Color::blue()));

    const Image named = quarters.withName("x").withTemplate(true).withCapInsets(EdgeInsets::all(1));
    EXPECT_EQ(named.name(), "x");
    EXPECT_TRUE(named.isTemplate());
    EXPECT_EQ(named.capInsets(), EdgeInsets::all(1));
    EXPECT_TRUE(quarters.name().empty());
    EXPECT_FALSE(quarters.isTemplate());

    const auto png = quarters.pngData();
    const auto back = Image::fromPNGData(png, 2);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->size(), (Size{4, 4}));
    EXPECT_FALSE(Image::fromPNGData(std::vector<std::uint8_t>{1, 2, 3}).has_value());
}

TEST(Image, FromRawPixelsInEachLayout) {
    // Two pixels: opaque red, then half-transparent white.
    const std::vector<std::uint8_t> rgba{255, 0, 0, 255, 255, 255, 255, 128};
    const auto plain = Image::fromPixels(rgba, 2, 1, 8, PixelFormat::rgba8);
    ASSERT_TRUE(plain.has_value());
    EXPECT_TRUE(colorNear(plain->pixelColor(0, 0), Color::red()));
    EXPECT_TRUE(colorNear(plain->pixelColor(1, 0), Color::white().withAlpha(128 / 255.0)));

    const std::vector<std::uint8_t> premultiplied{255, 0, 0, 255, 128, 128, 128, 128};
    const auto pre =
        Image::fromPixels(premultiplied, 1, 2, 4, PixelFormat::rgba8Premultiplied, 2, /*bottomUp=*/true);
    ASSERT_TRUE(pre.has_value());
    EXPECT_EQ(pre->size(), (Size{0.5, 1}));
    EXPECT_TRUE(colorNear(pre->pixelColor(0, 0), Color::white().withAlpha(128 / 255.0)))
        << "bottom row first";
    EXPECT_TRUE(colorNear(pre->pixelColor(0, 1), Color::red()));

    BitmapContext g(Size{2, 2}, 1);
    g.fillRect(Rect{0, 0, 1, 2}, Color::blue());
    const auto copy = Image::fromPixels(std::span(g.pixelData(), g.stride() * 2), 2, 2, g.stride(),
                                        PixelFormat::argb32Premultiplied);
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(colorNear(copy->pixelColor(0, 1), Color::blue()));
    EXPECT_TRUE(colorNear(copy->pixelColor(1, 1), Color::clear()));

    EXPECT_FALSE(Image::fromPixels(rgba, 3, 1, 12, PixelFormat::rgba8).has_value()) << "too little data";
    EXPECT_FALSE(Image::fromPixels(rgba, 2, 1, 4, PixelFormat::rgba8).has_value()) << "stride below a row";
    EXPECT_FALSE(Image::fromPixels(rgba, 0, 1, 8, PixelFormat::rgba8).has_value());
}

TEST(Image, PixelsAreOverwrittenInPlaceOnlyWhenNothingElseSharesThePicture) {
    const std::vector<std::uint8_t> red{255, 0, 0, 255, 255, 0, 0, 255};
    const std::vector<std::uint8_t> blue{0, 0, 255, 255, 0, 0, 255, 255};
    auto image = *Image::fromPixels(red, 2, 1, 8, PixelFormat::rgba8, 2);
    EXPECT_TRUE(image.overwritePixels(blue, 2, 1, 8, PixelFormat::rgba8));
    EXPECT_TRUE(colorNear(image.pixelColor(1, 0), Color::blue()));
    EXPECT_EQ(image.size(), (Size{1, 0.5})) << "size and scale stay";

    const Image copy = image;
    EXPECT_FALSE(image.overwritePixels(red, 2, 1, 8, PixelFormat::rgba8)) << "a copy exists";
    EXPECT_TRUE(colorNear(copy.pixelColor(1, 0), Color::blue())) << "and keeps what it showed";
    Image lone = *Image::fromPixels(red, 2, 1, 8, PixelFormat::rgba8);
    EXPECT_FALSE(lone.overwritePixels(blue, 1, 1, 4, PixelFormat::rgba8)) << "another size";
    Image empty;
    EXPECT_FALSE(empty.overwritePixels(blue, 2, 1, 8, PixelFormat::rgba8));
}

TEST(Image, EmptyImageDrawsNothing) {
    const Image empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(static_cast<bool>(empty));
    BitmapContext g(Size{2, 2}, 1);
    g.drawImage(empty, Rect{0, 0, 2, 2});
    g.drawImageNinePart(empty, Rect{0, 0, 2, 2});
    EXPECT_TRUE(colorNear(g.pixelColor(0, 0), Color::clear()));
    EXPECT_FALSE(empty.writePNG("/nonexistent/none.png"));
}

} // namespace
} // namespace tk
