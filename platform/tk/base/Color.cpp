#include "platform/tk/base/Color.h"

#include "platform/tk/base/HexDigit.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

double clamp01(double v) {
    return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0);
}

} // namespace

const char* colorSpaceName(ColorSpace space) {
    switch (space) {
    case ColorSpace::sRGB:
        return "sRGB";
    case ColorSpace::displayP3:
        return "Display P3";
    case ColorSpace::genericGray:
        return "Generic Gray";
    case ColorSpace::deviceRGB:
        return "Device RGB";
    }
    return "";
}

std::optional<Color> Color::fromHex(std::string_view text) {
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6 && text.size() != 8)
        return std::nullopt;
    int bytes[4] = {0, 0, 0, 255};
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = hexDigitValue(text[i]);
        const int lo = hexDigitValue(text[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes[i / 2] = hi * 16 + lo;
    }
    return rgba8(bytes[0], bytes[1], bytes[2], bytes[3]);
}

Color Color::withAlpha(double alpha) const {
    Color c = *this;
    c.a = clamp01(alpha);
    return c;
}

Color Color::blended(double fraction, const Color& other) const {
    const double t = clamp01(fraction);
    Color c = *this;
    c.r = r + (other.r - r) * t;
    c.g = g + (other.g - g) * t;
    c.b = b + (other.b - b) * t;
    c.a = a + (other.a - a) * t;
    return c;
}

Color Color::clamped() const {
    Color c = *this;
    c.r = clamp01(r);
    c.g = clamp01(g);
    c.b = clamp01(b);
    c.a = clamp01(a);
    return c;
}

std::string Color::hexString() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const Color c = clamped();
    std::string out = "#";
    for (double v : {c.r, c.g, c.b, c.a}) {
        const int byte = static_cast<int>(std::lround(v * 255));
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
    return out;
}

} // namespace tk
