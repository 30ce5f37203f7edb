#pragma once

// A colour value: red, green, blue and alpha components in 0..1 (not premultiplied), tagged with
// the colour space they are meant in. Drawing treats every space as sRGB; the tag keeps what a
// colour table said so that it can be written back and compared.

#include <optional>
#include <string>
#include <string_view>

namespace tk {

enum class ColorSpace {
    sRGB,
    displayP3,
    genericGray,
    deviceRGB,
};

// The space's name, e.g. "sRGB", "Display P3".
const char* colorSpaceName(ColorSpace space);

struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;
    ColorSpace space = ColorSpace::sRGB;

    constexpr Color() = default;
    constexpr Color(double red, double green, double blue, double alpha = 1, ColorSpace cs = ColorSpace::sRGB)
        : r(red), g(green), b(blue), a(alpha), space(cs) {}

    // Grey level (0 black .. 1 white).
    static constexpr Color gray(double white, double alpha = 1) { return {white, white, white, alpha}; }
    // From 8-bit components (0..255).
    static constexpr Color rgba8(int red, int green, int blue, int alpha = 255) {
        return {red / 255.0, green / 255.0, blue / 255.0, alpha / 255.0};
    }
    // "#RRGGBB" or "#RRGGBBAA" (the '#' may be left out; hex digits in either case); nullopt for
    // anything else.
    static std::optional<Color> fromHex(std::string_view text);

    static constexpr Color black() { return {0, 0, 0, 1}; }
    static constexpr Color white() { return {1, 1, 1, 1}; }
    static constexpr Color clear() { return {0, 0, 0, 0}; }
    static constexpr Color red() { return {1, 0, 0, 1}; }
    static constexpr Color green() { return {0, 1, 0, 1}; }
    static constexpr Color blue() { return {0, 0, 1, 1}; }
    static constexpr Color yellow() { return {1, 1, 0, 1}; }
    static constexpr Color orange() { return {1, 0.5, 0, 1}; }
    static constexpr Color grayColor() { return {0.5, 0.5, 0.5, 1}; }
    static constexpr Color darkGray() { return {1.0 / 3, 1.0 / 3, 1.0 / 3, 1}; }
    static constexpr Color lightGray() { return {2.0 / 3, 2.0 / 3, 2.0 / 3, 1}; }

    // The same colour with a different alpha (clamped to 0..1).
    Color withAlpha(double alpha) const;
    // `fraction` of the way from this colour to `other` (0 gives this, 1 gives other), all four
    // components mixed linearly; fraction is clamped to 0..1.
    Color blended(double fraction, const Color& other) const;
    // Components clamped to 0..1 (NaN becomes 0).
    Color clamped() const;

    // "#RRGGBBAA" in upper case, from the clamped components.
    std::string hexString() const;

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

} // namespace tk
