#include "platform/tk/base/Color.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tk {
namespace {

TEST(Color, ParsesHexWithAndWithoutAlpha) {
    struct Case {
        const char* text;
        std::optional<Color> expected;
    };
    const Case cases[] = {
        {"#FF8000", Color::rgba8(255, 128, 0)},
        {"ff800080", Color::rgba8(255, 128, 0, 128)},
        {"#000000FF", Color::black()},
        {"#abcdef", Color::rgba8(0xab, 0xcd, 0xef)},
        {"#FFF", std::nullopt},
        {"#GG0000", std::nullopt},
        {"", std::nullopt},
        {"#FF00000", std::nullopt},
        {"#FF0000FF00", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Color::fromHex(c.text), c.expected) << c.text;
}

TEST(Color, HexRoundTripsAndClamps) {
    EXPECT_EQ(Color::rgba8(18, 52, 86, 120).hexString(), "#12345678");
    EXPECT_EQ(Color::fromHex(Color::rgba8(1, 2, 3, 4).hexString()), Color::rgba8(1, 2, 3, 4));
    EXPECT_EQ((Color{2, -1, NAN, 0.5}).hexString(), "#FF000080");
}

TEST(Color, AlphaAndBlending) {
    EXPECT_EQ(Color::white().withAlpha(0.25), (Color{1, 1, 1, 0.25}));
    EXPECT_EQ(Color::white().withAlpha(3).a, 1);
    EXPECT_EQ(Color::black().blended(0.5, Color::white()), (Color{0.5, 0.5, 0.5, 1}));
    EXPECT_EQ(Color::black().blended(-1, Color::white()), Color::black());
    EXPECT_EQ(Color::black().blended(2, Color::clear()), Color::clear());
    EXPECT_EQ(Color::clear().a, 0);
}

TEST(Color, KeepsItsColourSpaceThroughChanges) {
    const Color p3{0.1, 0.2, 0.3, 1, ColorSpace::displayP3};
    EXPECT_EQ(p3.withAlpha(0.5).space, ColorSpace::displayP3);
    EXPECT_NE(p3, (Color{0.1, 0.2, 0.3, 1}));
    EXPECT_STREQ(colorSpaceName(p3.space), "Display P3");
    EXPECT_STREQ(colorSpaceName(Color::black().space), "sRGB");
}

} // namespace
} // namespace tk
