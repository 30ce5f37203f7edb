#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/FontRegistry.h"
#include "platform/tk/graphics/TextLayout.h"

#include <gtest/gtest.h>

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
