// The colours the pictures are painted with. The named colours that the controls read at run time
// live in resources/<bundle>/Colors.json and use the same values; this file is the painter's side.
#pragma once

namespace artgen {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
    constexpr Rgba withAlpha(double alpha) const { return {r, g, b, alpha}; }
    constexpr Rgba mixed(const Rgba& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
    }
};

constexpr Rgba hex(unsigned rgb, double a = 1.0) {
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, a};
}

namespace palette {
// Panel surfaces, darkest to lightest.
inline constexpr Rgba kWindow = hex(0x15161a);
inline constexpr Rgba kRecess = hex(0x101114);
inline constexpr Rgba kPanel = hex(0x1c1e23);
inline constexpr Rgba kPanelLight = hex(0x23262c);
inline constexpr Rgba kRaised = hex(0x2c3037);
inline constexpr Rgba kRaisedLight = hex(0x3a3f48);
inline constexpr Rgba kEdge = hex(0x4a505b);
inline constexpr Rgba kShadow = hex(0x000000, 0.55);
inline constexpr Rgba kWhite = hex(0xffffff);

// Text and markings.
inline constexpr Rgba kTextBright = hex(0xe6e8ec);
inline constexpr Rgba kText = hex(0xb8bdc7);
inline constexpr Rgba kTextDim = hex(0x7c828d);
inline constexpr Rgba kMarking = hex(0x5a606b);

// Accents.
inline constexpr Rgba kYellow = hex(0xf2c14e);
inline constexpr Rgba kBlue = hex(0x4fa3f7);
inline constexpr Rgba kRed = hex(0xf0605a);
inline constexpr Rgba kPurple = hex(0xa57cf5);
inline constexpr Rgba kAqua = hex(0x3ed1c4);
inline constexpr Rgba kOrange = hex(0xf59a3c);
inline constexpr Rgba kSteel = hex(0xaeb9cc);
inline constexpr Rgba kHighlight = hex(0x3d7fe0);
inline constexpr Rgba kError = hex(0xe0524c);
inline constexpr Rgba kCream = hex(0xd9d1bd);
} // namespace palette

} // namespace artgen
