#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/Resources/AssetNames.h"
#include "Korvane/Resources/KorvaneBundle.h"

namespace Korvane {

const tk::ResourceBundle& korvaneResources() {
    static const std::shared_ptr<tk::ResourceBundle> resources = [] {
        auto bundle = tk::ResourceBundle::shared(korvaneBundle().resourcePath());
        bundle->loadFonts();
        return bundle;
    }();
    return *resources;
}

tk::Color korvaneColor(std::string_view name) {
    return korvaneResources().color(name).value_or(tk::Color::clear());
}

tk::Image korvaneImage(std::string_view name) {
    return korvaneResources().image(name).value_or(tk::Image());
}

#define KORVANE_COLOR(accessor)                                                                              \
    tk::Color Colors::accessor() {                                                                           \
        static const tk::Color color = korvaneColor(AssetNames::accessor);                                   \
        return color;                                                                                        \
    }
#define KORVANE_IMAGE(accessor)                                                                              \
    tk::Image Images::accessor() {                                                                           \
        static const tk::Image image = korvaneImage(AssetNames::accessor);                                   \
        return image;                                                                                        \
    }

KORVANE_COLOR(ZindralYellowText)
KORVANE_COLOR(background)
KORVANE_COLOR(buttonText)
KORVANE_COLOR(zindralToggleText)
KORVANE_COLOR(zindralToggleTextPressed)
KORVANE_COLOR(pluginBlue)
KORVANE_COLOR(pluginYellow)
KORVANE_COLOR(pluginRed)
KORVANE_COLOR(pluginPurple)
KORVANE_COLOR(pluginGrey)
KORVANE_COLOR(tinyDialLabel)
KORVANE_COLOR(tabSelected)
KORVANE_COLOR(tabUnselected)
KORVANE_COLOR(updateBackground)
KORVANE_COLOR(versionInfo)

KORVANE_IMAGE(velmorLogo)
KORVANE_IMAGE(zindralButtonYellow)
KORVANE_IMAGE(zindralButtonYellowDown)
KORVANE_IMAGE(zindralButtonGreyOff)
KORVANE_IMAGE(zindralButtonGreyOffDown)
KORVANE_IMAGE(zindralButtonGreyOnYellow)
KORVANE_IMAGE(zindralButtonGreyOnYellowDown)
KORVANE_IMAGE(zindralButtonNarrowGreyOff)
KORVANE_IMAGE(zindralButtonNarrowGreyOffDown)
KORVANE_IMAGE(zindralButtonNarrowGreyOnYellow)
KORVANE_IMAGE(zindralButtonNarrowGreyOnYellowDown)
KORVANE_IMAGE(zindralButtonSmallYellowLeft)
KORVANE_IMAGE(zindralButtonSmallYellowLeftDown)
KORVANE_IMAGE(zindralButtonSmallYellowRight)
KORVANE_IMAGE(zindralButtonSmallYellowRightDown)
KORVANE_IMAGE(modernButton)
KORVANE_IMAGE(modernButtonDown)
KORVANE_IMAGE(modernButtonOn)
KORVANE_IMAGE(modernButtonOnDown)
KORVANE_IMAGE(retroButton)
KORVANE_IMAGE(retroButtonDown)
KORVANE_IMAGE(settingsButton)
KORVANE_IMAGE(settingsButtonDown)

#undef KORVANE_COLOR
#undef KORVANE_IMAGE

} // namespace Korvane
