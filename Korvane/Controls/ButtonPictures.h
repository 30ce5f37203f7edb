#pragma once

// Which picture each of the plug-in's buttons shows, by pressed and on state. The retro mode
// button has only two pictures of its own: at rest and on it shows the modern "on" picture, and
// pressed while off it keeps its resting picture.

#include <string_view>

namespace Korvane {

enum class ToggleButtonStyle { modern, retro };

// [any]
std::string_view zindralButtonPicture(bool pressed);
std::string_view zindralTogglePicture(bool pressed, bool on);
std::string_view zindralToggleNarrowPicture(bool pressed, bool on);
std::string_view modeTogglePicture(ToggleButtonStyle style, bool pressed, bool on);
// ToggleButton and ModernButtonStyle.
std::string_view modernPicture(bool pressed, bool on);
std::string_view leftRightArrowPicture(bool pressed, bool showsLeft);
std::string_view settingsPicture(bool pressed);

} // namespace Korvane
