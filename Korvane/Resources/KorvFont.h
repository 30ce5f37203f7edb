#pragma once

// The plug-in's three typefaces. The names are the font names that the Korvane bundle's font
// mapping resolves to the font files it carries.

#include <string_view>

namespace Korvane {

enum class KorvFont { rocket, dosisLight, dosisMedium };

// [any] The typeface name of a case: "Rocket", "Dosis-Light", "Dosis-Medium".
constexpr std::string_view typefaceName(KorvFont font) {
    switch (font) {
    case KorvFont::rocket:
        return "Rocket";
    case KorvFont::dosisLight:
        return "Dosis-Light";
    case KorvFont::dosisMedium:
        return "Dosis-Medium";
    }
    return "Rocket";
}

} // namespace Korvane
