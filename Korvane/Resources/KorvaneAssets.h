#pragma once

// The Korvane bundle's named colours and images. The assets are read once, on first use, from the
// bundle that korvaneBundle() found (which also registers the bundle's fonts for the process). A
// missing asset is not an error: a colour falls back to clear, an image to the empty image.

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/ResourceBundle.h"

#include <string_view>

namespace Korvane {

// [any] The bundle's assets; the first call finds the bundle (or stops) and loads its fonts.
const tk::ResourceBundle& korvaneResources();

// [any] A named colour or image of the bundle, by asset name.
tk::Color korvaneColor(std::string_view name);
tk::Image korvaneImage(std::string_view name);

// One accessor per asset, each made once.
namespace Colors {
tk::Color ZindralYellowText();
tk::Color background();
tk::Color buttonText();
tk::Color zindralToggleText();
tk::Color zindralToggleTextPressed();
tk::Color pluginBlue();
tk::Color pluginYellow();
tk::Color pluginRed();
tk::Color pluginPurple();
tk::Color pluginGrey();
tk::Color tinyDialLabel();
tk::Color tabSelected();
tk::Color tabUnselected();
tk::Color updateBackground();
tk::Color versionInfo();
} // namespace Colors

namespace Images {
tk::Image velmorLogo();
tk::Image zindralButtonYellow();
tk::Image zindralButtonYellowDown();
tk::Image zindralButtonGreyOff();
tk::Image zindralButtonGreyOffDown();
tk::Image zindralButtonGreyOnYellow();
tk::Image zindralButtonGreyOnYellowDown();
tk::Image zindralButtonNarrowGreyOff();
tk::Image zindralButtonNarrowGreyOffDown();
tk::Image zindralButtonNarrowGreyOnYellow();
tk::Image zindralButtonNarrowGreyOnYellowDown();
tk::Image zindralButtonSmallYellowLeft();
tk::Image zindralButtonSmallYellowLeftDown();
tk::Image zindralButtonSmallYellowRight();
tk::Image zindralButtonSmallYellowRightDown();
tk::Image modernButton();
tk::Image modernButtonDown();
tk::Image modernButtonOn();
tk::Image modernButtonOnDown();
tk::Image retroButton();
tk::Image retroButtonDown();
tk::Image settingsButton();
tk::Image settingsButtonDown();
} // namespace Images

} // namespace Korvane
