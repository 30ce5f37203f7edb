#pragma once

// Names of the named colours and images in the Korvane bundle. The dials' film-strip frames are
// composed names (FilmStripNames.h), not listed here.

#include <string_view>

namespace Korvane::AssetNames {

// Colours.
inline constexpr std::string_view ZindralYellowText = "ZindralYellowText";
inline constexpr std::string_view background = "background";
inline constexpr std::string_view buttonText = "buttonText";
inline constexpr std::string_view zindralToggleText = "zindralToggleText";
inline constexpr std::string_view zindralToggleTextPressed = "zindralToggleTextPressed";
inline constexpr std::string_view pluginBlue = "pluginBlue";
inline constexpr std::string_view pluginYellow = "pluginYellow";
inline constexpr std::string_view pluginRed = "pluginRed";
inline constexpr std::string_view pluginPurple = "pluginPurple";
inline constexpr std::string_view pluginGrey = "pluginGrey";
inline constexpr std::string_view tinyDialLabel = "tinyDialLabel";
inline constexpr std::string_view tabSelected = "tabSelected";
inline constexpr std::string_view tabUnselected = "tabUnselected";
inline constexpr std::string_view updateBackground = "updateBackground";
inline constexpr std::string_view versionInfo = "versionInfo";

inline constexpr std::string_view kColors[] = {
    ZindralYellowText, background,   buttonText,    zindralToggleText, zindralToggleTextPressed,
    pluginBlue,        pluginYellow, pluginRed,     pluginPurple,      pluginGrey,
    tinyDialLabel,     tabSelected,  tabUnselected, updateBackground,  versionInfo,
};

// Images.
inline constexpr std::string_view velmorLogo = "velmor-logo";
inline constexpr std::string_view zindralButtonYellow = "zindral-button-yellow";
inline constexpr std::string_view zindralButtonYellowDown = "zindral-button-yellow-down";
inline constexpr std::string_view zindralButtonGreyOff = "zindral-button-grey-off";
inline constexpr std::string_view zindralButtonGreyOffDown = "zindral-button-grey-off-down";
inline constexpr std::string_view zindralButtonGreyOnYellow = "zindral-button-grey-on-yellow";
inline constexpr std::string_view zindralButtonGreyOnYellowDown = "zindral-button-grey-on-yellow-down";
inline constexpr std::string_view zindralButtonNarrowGreyOff = "zindral-button-narrow-grey-off";
inline constexpr std::string_view zindralButtonNarrowGreyOffDown = "zindral-button-narrow-grey-off-down";
inline constexpr std::string_view zindralButtonNarrowGreyOnYellow = "zindral-button-narrow-grey-on-yellow";
inline constexpr std::string_view zindralButtonNarrowGreyOnYellowDown =
    "zindral-button-narrow-grey-on-yellow-down";
inline constexpr std::string_view zindralButtonSmallYellowLeft = "zindral-button-small-yellow-left";
inline constexpr std::string_view zindralButtonSmallYellowLeftDown = "zindral-button-small-yellow-left-down";
inline constexpr std::string_view zindralButtonSmallYellowRight = "zindral-button-small-yellow-right";
inline constexpr std::string_view zindralButtonSmallYellowRightDown =
    "zindral-button-small-yellow-right-down";
inline constexpr std::string_view modernButton = "modern-button";
inline constexpr std::string_view modernButtonDown = "modern-button-down";
inline constexpr std::string_view modernButtonOn = "modern-button-on";
inline constexpr std::string_view modernButtonOnDown = "modern-button-on-down";
inline constexpr std::string_view retroButton = "retro-button";
inline constexpr std::string_view retroButtonDown = "retro-button-down";
inline constexpr std::string_view settingsButton = "settings-button";
inline constexpr std::string_view settingsButtonDown = "settings-button-down";

inline constexpr std::string_view kImages[] = {
    velmorLogo,
    zindralButtonYellow,
    zindralButtonYellowDown,
    zindralButtonGreyOff,
    zindralButtonGreyOffDown,
    zindralButtonGreyOnYellow,
    zindralButtonGreyOnYellowDown,
    zindralButtonNarrowGreyOff,
    zindralButtonNarrowGreyOffDown,
    zindralButtonNarrowGreyOnYellow,
    zindralButtonNarrowGreyOnYellowDown,
    zindralButtonSmallYellowLeft,
    zindralButtonSmallYellowLeftDown,
    zindralButtonSmallYellowRight,
    zindralButtonSmallYellowRightDown,
    modernButton,
    modernButtonDown,
    modernButtonOn,
    modernButtonOnDown,
    retroButton,
    retroButtonDown,
    settingsButton,
    settingsButtonDown,
};

} // namespace Korvane::AssetNames
