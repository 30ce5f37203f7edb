#pragma once

// The library's two declarative button styles: the label over a bezel image of the library's
// assets, in a grey of its colour assets, 24 points high.
//
//   label -> font -> text colour -> frame(height 24) -> background(bezel) -> padding(-2 horizontal)
//
// The negative padding makes a styled button report a layout width 4 points less than its bezel,
// which overhangs the layout frame by 2 points on each side.
//
//   DefaultWendleButtonStyle  system font 11 regular; text at half opacity when disabled
//   VelmorButtonStyle         system font 12 bold rounded; the enabled state is not consulted
//
// Pressed: "tui-button-down" and "Grey 50%"; otherwise "tui-button" and "Grey 85%".
// Focused (a button that takes the focus from Tab, see tk::ui::Button): the styled controls' focus
// ring over the bezel, a rounded rect in the focus colour filled at 0.3 and stroked 2 wide.

#include "platform/tk/graphics/Font.h"
#include "platform/tk/ui/Button.h"

namespace Tessaly {

inline constexpr double kButtonStyleHeight = 24;
inline constexpr double kButtonStyleOverhang = 2;
inline constexpr double kFocusRingRadius = 3;
inline constexpr double kFocusRingWidth = 2;

class DefaultWendleButtonStyle final : public tk::ui::ButtonStyle {
public:
    // [main]
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const override;
    static tk::Font font();
};

class VelmorButtonStyle final : public tk::ui::ButtonStyle {
public:
    // [main]
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const override;
    static tk::Font font();
};

// [main] What both styles share: the text colour and bezel for the pressed state.
tk::Color buttonStyleTextColor(bool isPressed);
tk::Image buttonStyleBezel(bool isPressed);
// [main] The focus ring drawn over a focused button's bezel.
tk::ui::Node focusRing();

} // namespace Tessaly
