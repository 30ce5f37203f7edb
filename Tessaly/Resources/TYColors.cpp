#include "Tessaly/Resources/TYColors.h"

#include "Tessaly/Resources/AssetLookup.h"

namespace Tessaly {

#define TESSALY_COLOR(ns, accessor, symbol)                                                                  \
    const tk::Color& ns::accessor() {                                                                        \
        static const tk::Color value = (symbol);                                                             \
        return value;                                                                                        \
    }

TESSALY_COLOR(TYColors::Background, normal, color(ColorResources::backgroundNormal))
TESSALY_COLOR(TYColors::Background, darker, color(ColorResources::backgroundDarker))
TESSALY_COLOR(TYColors::Background, darkest, color(ColorResources::backgroundDarkest))
TESSALY_COLOR(TYColors::Wendle, aqua, color(ColorResources::wendleAqua))
TESSALY_COLOR(TYColors::Wendle, blue, color(ColorResources::wendleBlue))
TESSALY_COLOR(TYColors::Wendle, darkPurple, color(ColorResources::wendleDarkPurple))
TESSALY_COLOR(TYColors::Wendle, lightBlue, color(ColorResources::wendleLightBlue))
TESSALY_COLOR(TYColors::Wendle, orange, color(ColorResources::wendleOrange))
TESSALY_COLOR(TYColors::Wendle, purple, color(ColorResources::wendlePurple))
TESSALY_COLOR(TYColors::Wendle, red, color(ColorResources::wendleRed))
TESSALY_COLOR(TYColors::Wendle, yellow, color(ColorResources::wendleYellow))
TESSALY_COLOR(TYColors, grey20, color(ColorResources::grey20))
TESSALY_COLOR(TYColors, grey30, color(ColorResources::grey30))
TESSALY_COLOR(TYColors, grey40, color(ColorResources::grey40))
TESSALY_COLOR(TYColors, grey50, color(ColorResources::grey50))
TESSALY_COLOR(TYColors, grey60, color(ColorResources::grey60))
TESSALY_COLOR(TYColors, grey70, color(ColorResources::grey70))
TESSALY_COLOR(TYColors, grey85, color(ColorResources::grey85))
TESSALY_COLOR(TYColors, grey100, color(ColorResources::grey100))

// The classic-view colours are made from the declarative ones.
TESSALY_COLOR(TYColorsAK::Background, normal, TYColors::Background::normal())
TESSALY_COLOR(TYColorsAK::Background, darker, TYColors::Background::darker())
TESSALY_COLOR(TYColorsAK::Background, darkest, TYColors::Background::darkest())
TESSALY_COLOR(TYColorsAK::Wendle, aqua, TYColors::Wendle::aqua())
TESSALY_COLOR(TYColorsAK::Wendle, blue, TYColors::Wendle::blue())
TESSALY_COLOR(TYColorsAK::Wendle, darkPurple, TYColors::Wendle::darkPurple())
TESSALY_COLOR(TYColorsAK::Wendle, lightBlue, TYColors::Wendle::lightBlue())
TESSALY_COLOR(TYColorsAK::Wendle, orange, TYColors::Wendle::orange())
TESSALY_COLOR(TYColorsAK::Wendle, purple, TYColors::Wendle::purple())
TESSALY_COLOR(TYColorsAK::Wendle, red, TYColors::Wendle::red())
TESSALY_COLOR(TYColorsAK::Wendle, yellow, TYColors::Wendle::yellow())
TESSALY_COLOR(TYColorsAK, grey20, TYColors::grey20())
TESSALY_COLOR(TYColorsAK, grey30, TYColors::grey30())
TESSALY_COLOR(TYColorsAK, grey40, TYColors::grey40())
TESSALY_COLOR(TYColorsAK, grey50, TYColors::grey50())
TESSALY_COLOR(TYColorsAK, grey60, TYColors::grey60())
TESSALY_COLOR(TYColorsAK, grey70, TYColors::grey70())
TESSALY_COLOR(TYColorsAK, grey85, TYColors::grey85())
TESSALY_COLOR(TYColorsAK, grey100, TYColors::grey100())

#undef TESSALY_COLOR

} // namespace Tessaly
