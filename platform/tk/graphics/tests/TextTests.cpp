#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/FontRegistry.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/TextTruncation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tk {
namespace {

TextAttributes inFont(Font font) {
    TextAttributes a;
    a.font = std::move(font);
    return a;
}

TEST(Text, MeasuredSizeIsPositiveAndGrowsWithFontSize) {
    const Size small = measureText("Zindral", inFont(Font::system(10)));
    const Size large = measureText("Zindral", inFont(Font::system(20)));
    EXPECT_GT(small.width, 0);
    EXPECT_GT(small.height, 0);
    EXPECT_GT(large.width, small.width * 1.6);
    EXPECT_GT(large.height, small.height * 1.6);
    EXPECT_EQ(measureText("", inFont(Font::system(10))).width, 0);
}

// Layouts are kept for reuse by text and attributes: each attribute still counts, and a kept
// layout drawn at another scale in between draws as it did.
TEST(Text, KeptLayoutsFollowEveryAttributeAndTheContextTheyDrawIn) {
    const TextAttributes plain = inFont(Font::system(12));
    TextAttributes spaced = plain;
    spaced.letterSpacing = 2;
    TextAttributes bold = inFont(Font::system(12, FontWeight::bold));
    const Size base = measureText("Zindral Zindral", plain);
    EXPECT_EQ(measureText("Zindral Zindral", plain), base);
    EXPECT_GT(measureText("Zindral Zindral", spaced).width, base.width);
    EXPECT_NE(measureText("Zindral Zindral", bold).width, base.width);
    EXPECT_GT(measureText("Zindral Zindral", plain, 60).height, base.height) << "a width wraps";

    auto draw = [&](double scale) {
        auto bitmap = std::make_unique<BitmapContext>(Size{120, 30}, scale);
        bitmap->drawText(TextLayout("Zindral Zindral", plain), {4, 4, 112, 22});
        return bitmap;
    };
    const auto first = draw(2);
    (void)draw(1);
    const auto again = draw(2);
    ASSERT_EQ(first->stride(), again->stride());
    EXPECT_EQ(std::memcmp(first->pixelData(), again->pixelData(),
                          static_cast<std::size_t>(first->stride() * first->pixelHeight())),
              0);
}

// A text drawn again finds its kept layout without a lookup: after its layout was dropped (the cache
// filled past what it keeps, then emptied as fonts were registered) it draws as a fresh text does.
TEST(Text, TextDrawnAgainAfterItsLayoutWasDroppedDrawsAsFreshText) {
    const TextAttributes a = inFont(Font::named("TestFace-Kept", 14));
    registerFontName("TestFace-Kept", "DejaVu Sans", "Regular");
    auto draw = [](const TextLayout& layout) {
        auto bitmap = std::make_unique<BitmapContext>(Size{120, 30}, 2);
        bitmap->drawText(layout, {4, 4, 112, 22});
        return bitmap;
    };
    auto same = [](const BitmapContext& x, const BitmapContext& y) {
        return std::memcmp(x.pixelData(), y.pixelData(),
                           static_cast<std::size_t>(x.stride() * x.pixelHeight())) == 0;
    };
    const TextLayout kept("Kept text", a);
    const auto sans = draw(kept);
    for (int i = 0; i < 600; ++i)
        (void)draw(TextLayout("Filler " + std::to_string(i), a));
    EXPECT_TRUE(same(*draw(kept), *sans)) << "dropped to make room";

    registerFontName("TestFace-Kept", "DejaVu Sans Mono", "Regular");
    const auto mono = draw(kept);
    EXPECT_TRUE(same(*mono, *draw(TextLayout("Kept text", a)))) << "dropped as fonts were registered";
    EXPECT_FALSE(same(*mono, *sans));

    TextLayout other("Other text", a);
    (void)draw(other);
    other = kept;
    EXPECT_TRUE(same(*draw(other), *mono)) << "a copy draws what it was copied from";
    registerFontName("TestFace-Kept", "DejaVu Sans", "Regular");
}

// The largest difference of one channel between two drawings of one size, in 1/255.
int largestDifference(const BitmapContext& a, const BitmapContext& b) {
    int largest = 0;
    for (int y = 0; y < a.pixelHeight(); ++y)
        for (int x = 0; x < a.stride(); ++x)
            largest = std::max(largest, std::abs(int(a.pixelData()[y * a.stride() + x]) -
                                                 int(b.pixelData()[y * b.stride() + x])));
    return largest;
}

// Text drawn unchanged is copied from a picture of its glyphs: it gives the pixels of its glyphs
// drawn one by one (under a clip with soft edges, which the picture leaves to them) but for a step
// of rounding where glyphs share a pixel, and the same pixels at every drawing. Over colour and
// clear, in any colour, at fractional positions, under a translucent alpha, inside a transparency
// layer, at 1x and 2x, for one line and wrapped lines.
TEST(Text, TextCopiedFromItsPictureLooksAsItsGlyphsDrawnOneByOne) {
    struct Case {
        double scale;
        Point origin;
        Color colour;
        double alpha;
        std::optional<double> width;
        bool inLayer = false;
    };
    const Case cases[] = {
        {1, {4, 4}, Color::black(), 1, std::nullopt},
        {2, {4, 4}, Color::black(), 1, std::nullopt},
        {1, {10.3, 7.7}, Color{0.9, 0.2, 0.1, 1}, 1, std::nullopt},
        {2, {10.3, 7.75}, Color{0.2, 0.4, 0.9, 0.5}, 1, std::nullopt},
        {2, {3.25, 2.5}, Color::white(), 0.6, 70.0},
        {1, {0.5, 0.5}, Color{0.1, 0.8, 0.3, 0.8}, 0.7, 70.0},
        {2, {20.6, 9.1}, Color::black(), 1, std::nullopt, true},
        {1, {1.479492, 3.25}, Color{0.7882, 0.8039, 0.8353, 1}, 1, std::nullopt},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << index);
        TextAttributes a = inFont(Font::system(13));
        a.color = c.colour;
        const TextLayout layout("Pattern " + std::to_string(50000 + index++) + " fig AVATAR", a, c.width);
        auto draw = [&](bool glyphByGlyph) {
            auto bitmap = std::make_unique<BitmapContext>(Size{120, 48}, c.scale);
            bitmap->fillRect({0, 0, 60, 48}, Color{0.3, 0.6, 0.2, 1});
            bitmap->fillRect({60, 0, 40, 48}, Color{0.9, 0.9, 0.1, 0.5});
            bitmap->setAlpha(c.alpha);
            if (glyphByGlyph)
                bitmap->clipToRect({0.3, 0.3, 119.4, 47.4});
            if (c.inLayer) {
                // Drawn into a group of its own that starts away from the context's corner.
                bitmap->clipToRect({15, 6, 100, 36});
                TransparencyLayerGuard layer(*bitmap, 0.8);
                bitmap->drawText(layout, Rect{c.origin, Size{110, 40}});
            } else {
                bitmap->drawText(layout, Rect{c.origin, Size{110, 40}});
            }
            return bitmap;
        };
        const auto glyphs = draw(true);
        const auto copied = draw(false);
        EXPECT_LE(largestDifference(*glyphs, *copied), 1);
        EXPECT_EQ(largestDifference(*copied, *draw(false)), 0) << "drawn again";
    }
}

// A shadow without blur is the text's shape moved by the offset (in base space) in the shadow's
// colour, under the text: each pixel is the text laid over its own shape from one offset away.
TEST(Text, AShadowWithoutBlurIsTheTextsShapeMovedUnderIt) {
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(::testing::Message() << "scale " << scale);
        TextAttributes a = inFont(Font::system(13));
        a.color = Color{1, 1, 1, 0.9};
        const TextLayout layout("Column 3 shadow", a);
        const Shadow shadow{.offset = {1, 2}, .blur = 0, .color = Color{0, 0, 0, 0.55}};
        auto draw = [&](bool withShadow) {
            auto bitmap = std::make_unique<BitmapContext>(Size{120, 30}, scale);
            bitmap->scale(1.25, 1.25); // user space unlike base space: the offset is base space's
            if (withShadow)
                bitmap->setShadow(shadow);
            bitmap->drawText(layout, Point{4, 6});
            return bitmap;
        };
        const auto plain = draw(false), shadowed = draw(true);
        const int dx = int(shadow.offset.width * scale), dy = int(shadow.offset.height * scale);
        int worst = 0;
        for (int y = 0; y < plain->pixelHeight(); ++y)
            for (int x = 0; x < plain->pixelWidth(); ++x) {
                // The text's own alpha here and one offset back, as the shadow's coverage.
                const double text = plain->pixelColor(x, y).a;
                const double under = shadow.color.a * plain->pixelColor(x - dx, y - dy).a;
                const double alpha = text + under * (1 - text);
                const Color got = shadowed->pixelColor(x, y);
                // Premultiplied, white over black: red is the text's own alpha.
                worst = std::max({worst, int(std::lround(std::abs(got.a - alpha) * 255)),
                                  int(std::lround(std::abs(got.r * got.a - text) * 255))});
            }
        EXPECT_LE(worst, 2);
    }
}

TEST(Text, WrapsWithinAWidthAndHonoursTheLineLimit) {
    const std::string text = "one two three four five six seven eight nine ten";
    const TextAttributes attrs = inFont(Font::system(12));
    const TextLayout single(text, attrs);
    EXPECT_EQ(single.lineCount(), 1);

    const TextLayout wrapped(text, attrs, 60);
    EXPECT_GT(wrapped.lineCount(), 2);
    EXPECT_LE(wrapped.size().width, 60.5);
    EXPECT_GT(wrapped.size().height, single.size().height * 2);

    TextAttributes limited = attrs;
    limited.lineLimit = 2;
    const TextLayout two(text, limited, 60);
    EXPECT_EQ(two.lineCount(), 2);
    EXPECT_TRUE(two.isTruncated());
    EXPECT_LT(two.size().height, wrapped.size().height);

    limited.truncation = TruncationMode::none;
    const TextLayout clipped(text, limited, 60);
    EXPECT_EQ(clipped.lineCount(), 2);
    EXPECT_TRUE(clipped.isTruncated());
}

TEST(Text, TailTruncationFitsOneLine) {
    TextAttributes attrs = inFont(Font::system(12));
    attrs.lineLimit = 1;
    const TextLayout layout("a rather long line of text that cannot fit", attrs, 50);
    EXPECT_EQ(layout.lineCount(), 1);
    EXPECT_TRUE(layout.isTruncated());
    EXPECT_LE(layout.size().width, 50.5);
}

// A long text is cut to what its frame can show before it is shaped, keeping more than shows, so
// the lines and the ellipsis come out as for the whole text.
TEST(Text, ALongTextIsCutToItsFrameBeforeShapingAndStillOverflowsIt) {
    struct Case {
        const char* name;
        std::string text;
        TruncationMode truncation;
        int lines;
    };
    std::string words;
    while (words.size() < 400'000)
        words += "lorem ipsum dolor sit amet ";
    const std::vector<Case> cases = {
        {"narrowest glyphs", std::string(1'000'000, 'i'), TruncationMode::tail, 1},
        {"two-byte characters",
         [] {
             std::string s;
             while (s.size() < 400'000)
                 s += "\u00e9";
             return s;
         }(),
         TruncationMode::tail, 2},
        {"words", words, TruncationMode::tail, 3},
        {"head", std::string(500'000, '9') + "END", TruncationMode::head, 1},
        {"middle", "BEGIN" + std::string(500'000, '.') + "END", TruncationMode::middle, 1},
    };
    for (const Case& c : cases) {
        TextAttributes a = inFont(Font::system(12));
        a.truncation = c.truncation;
        a.lineLimit = c.lines;
        const std::string cut = truncatedToFrame(c.text, a, 90, c.lines);
        EXPECT_LT(cut.size(), 10'000u) << c.name;
        TextAttributes unlimited = a;
        unlimited.lineLimit = 0;
        EXPECT_GT(TextLayout(cut, unlimited, 90.0).lineCount(), c.lines)
            << c.name << ": what was kept must not fit";
        const TextLayout layout(c.text, a, 90.0);
        EXPECT_TRUE(layout.isTruncated()) << c.name;
        EXPECT_EQ(layout.lineCount(), c.lines) << c.name;
        if (c.truncation != TruncationMode::head) {
            EXPECT_EQ(cut.substr(0, 5), c.text.substr(0, 5)) << c.name;
        }
        if (c.truncation != TruncationMode::tail) {
            EXPECT_EQ(cut.substr(cut.size() - 3), "END") << c.name;
        }
    }
    TextAttributes a = inFont(Font::system(12));
    EXPECT_EQ(truncatedToFrame("short", a, 90, 1), "short");
    EXPECT_EQ(truncatedToFrame(words, a, 90, 0), words) << "no limit on the lines: nothing to cut to";
    EXPECT_EQ(linesWithin(60, a), 11) << "lines at least half the size high";
    EXPECT_EQ(linesWithin(std::numeric_limits<double>::infinity(), a), 0);
}

TEST(Text, MeasuringFromSeveralThreadsGivesOneAnswer) {
    TextAttributes attrs;
    attrs.font = Font::system(15);
    const double expected = measureText("threads", attrs).width;
    std::vector<double> widths(6);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < widths.size(); ++i)
        threads.emplace_back([&, i] {
            for (int k = 0; k < 20; ++k)
                widths[i] = measureText("threads", attrs).width;
        });
    for (auto& t : threads)
        t.join();
    for (double w : widths)
        EXPECT_DOUBLE_EQ(w, expected);
}

// One text drawn by several threads at once, each copying it as well, draws one picture.
TEST(Text, DrawingOneTextFromSeveralThreadsGivesOnePicture) {
    const TextAttributes a = inFont(Font::system(15));
    auto draw = [](const TextLayout& layout) {
        BitmapContext bitmap(Size{80, 24}, 2);
        bitmap.drawText(layout, {2, 2, 76, 20});
        return std::vector<std::uint8_t>(bitmap.pixelData(),
                                         bitmap.pixelData() + bitmap.stride() * bitmap.pixelHeight());
    };
    const std::vector<std::uint8_t> expected = draw(TextLayout("threads", a));
    const TextLayout text("threads", a); // first drawn by the threads
    std::vector<std::vector<std::uint8_t>> drawn(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        threads.emplace_back([&, i] {
            for (int k = 0; k < 10; ++k) {
                const TextLayout copy = text;
                drawn[i] = draw(text);
                EXPECT_TRUE(draw(copy) == drawn[i]);
            }
        });
    for (auto& t : threads)
        t.join();
    for (const auto& pixels : drawn)
        EXPECT_TRUE(pixels == expected);
}

TEST(Text, UpperCasingIsPlainUnicode) {
    EXPECT_EQ(uppercased("1.2.0 Available"), "1.2.0 AVAILABLE");
    EXPECT_EQ(uppercased("straße ü"), "STRASSE Ü");
    TextAttributes attrs;
    attrs.uppercased = true;
    const TextLayout layout("restAmount", attrs);
    EXPECT_EQ(layout.text(), "restAmount");
    EXPECT_EQ(layout.displayedText(), "RESTAMOUNT");
}

TEST(Text, InvalidUtf8IsShownNotRejected) {
    const TextLayout layout(std::string("ok\xff"), TextAttributes{});
    EXPECT_GT(layout.size().width, 0);
}

TEST(Font, ResolvesRegisteredNamesAndFamilyStyleNames) {
    registerFontName("TestFace-Heavy", "DejaVu Sans", "Bold");
    const ResolvedFont registered = Font::named("TestFace-Heavy", 14).resolved();
    EXPECT_EQ(registered.family, "DejaVu Sans");
    EXPECT_EQ(registered.weight, FontWeight::bold);
    EXPECT_DOUBLE_EQ(registered.size, 14);

    const ResolvedFont split = Font::named("Quicksand-Medium", 12).resolved();
    EXPECT_EQ(split.family, "Quicksand");
    EXPECT_EQ(split.weight, FontWeight::medium);

    EXPECT_EQ(Font::named("sans-serif", 12).resolved().family, "sans-serif");
    EXPECT_EQ(Font::system(12, FontWeight::bold).resolved().weight, FontWeight::bold);
    EXPECT_EQ(Font::system(12, FontWeight::regular, FontDesign::monospaced).resolved().family, "monospace");
}

TEST(Font, TextMeasuredUnderANameFollowsItsRegistration) {
    // Layouts are kept by the font's name: naming another face must not leave the old one in use.
    TextAttributes attributes;
    attributes.font = Font::named("TestFace-Switching", 20);
    registerFontName("TestFace-Switching", "DejaVu Sans", "Regular");
    const double regular = measureText("Wide words", attributes).width;
    registerFontName("TestFace-Switching", "DejaVu Sans Mono", "Regular");
    const double mono = measureText("Wide words", attributes).width;
    EXPECT_NE(regular, mono);
    registerFontName("TestFace-Switching", "DejaVu Sans", "Regular");
    EXPECT_EQ(measureText("Wide words", attributes).width, regular);
}

TEST(Font, KeptMetricsFollowTheFontsRegistrationAndItsChanges) {
    const Font font = Font::named("TestFace-Metrics", 20);
    registerFontName("TestFace-Metrics", "DejaVu Sans", "Regular");
    const double sans = font.metrics().lineHeight;
    const Font copy = font;
    EXPECT_EQ(copy, font);
    registerFontName("TestFace-Metrics", "Dosis", "Regular");
    EXPECT_NE(copy.metrics().lineHeight, sans) << "a copy keeps its metrics only until the name changes";
    EXPECT_NE(font.withSize(40).metrics().lineHeight, font.metrics().lineHeight);
    registerFontName("TestFace-Metrics", "DejaVu Sans", "Regular");
    EXPECT_EQ(font.metrics().lineHeight, sans);
}

TEST(Font, MonospacedDigitsAreOneWidthAndStayThroughChanges) {
    const Font font = Font::monospacedDigitSystem(10, FontWeight::medium);
    EXPECT_TRUE(font.hasMonospacedDigits());
    EXPECT_TRUE(font.withSize(12).withWeight(FontWeight::regular).hasMonospacedDigits());
    EXPECT_FALSE(Font::system(10) == font);
    const double one = measureText("1111", inFont(font)).width;
    for (const char* digits : {"0000", "4444", "7777", "8888"})
        EXPECT_NEAR(measureText(digits, inFont(font)).width, one, 0.01) << digits;
}

TEST(Font, StyleWords) {
    struct Case {
        const char* style;
        FontWeight weight;
        bool italic;
    };
    const Case cases[] = {
        {"Light", FontWeight::light, false},      {"ExtraLight", FontWeight::ultraLight, false},
        {"Medium", FontWeight::medium, false},    {"SemiBold", FontWeight::semibold, false},
        {"Bold Italic", FontWeight::bold, true},  {"Book", FontWeight::regular, false},
        {"Whatever", FontWeight::regular, false}, {"ExtraBold", FontWeight::heavy, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fontWeightFromStyle(c.style), c.weight) << c.style;
        EXPECT_EQ(fontStyleIsItalic(c.style), c.italic) << c.style;
    }
}

TEST(Font, MetricsArePositiveAndMatchedFamilyExists) {
    const FontMetrics m = Font::system(16).metrics();
    EXPECT_GT(m.ascent, 0);
    EXPECT_GT(m.descent, 0);
    EXPECT_GE(m.lineHeight, m.ascent);
    EXPECT_FALSE(Font::system(16).matchedFamily().empty());
}

} // namespace
} // namespace tk

namespace tk {
namespace {

TEST(Text, CaretPositionsAndClicksAgree) {
    TextAttributes attrs;
    attrs.font = Font::system(14);
    const TextLayout layout("abc déf", attrs);
    EXPECT_DOUBLE_EQ(layout.caretRect(0).x(), 0);
    EXPECT_GT(layout.caretRect(0).height(), 0);
    double previous = -1;
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 5u, 7u, 8u}) {
        const double x = layout.caretRect(i).x();
        EXPECT_GT(x, previous) << i;
        previous = x;
        // A click just right of each caret position lands on it.
        EXPECT_EQ(layout.indexAt(Point{x + 0.5, 5}), i) << i;
    }
    EXPECT_NEAR(layout.caretRect(1000).x(), layout.size().width, 0.5) << "clamped to the end";
    EXPECT_EQ(layout.caretRect(6).x(), layout.caretRect(5).x()) << "inside 'é' counts as its start";
    EXPECT_EQ(layout.indexAt(Point{-10, 5}), 0u);
    EXPECT_EQ(layout.indexAt(Point{1000, 5}), layout.displayedText().size());
}

} // namespace
} // namespace tk
