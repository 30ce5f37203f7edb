#include "Korvane/Controls/ModeToggleButton.h"

#include "Korvane/Controls/ButtonTitle.h"
#include "Korvane/Controls/PressRules.h"
#include "Korvane/Controls/TogglePress.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

ModeToggleButton::ModeToggleButton(std::shared_ptr<AudioParameter> modeParam, int index, tk::Color textColor,
                                   ToggleButtonStyle style, double fontSize)
    : param(std::move(modeParam)), valueIndex(index), buttonStyle(style), buttonFontSize(fontSize),
      buttonTextColor(textColor) {}

tk::ui::Node ModeToggleButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const bool pressed = isPressed.get();
    const bool on = isOnAtIndex(param->value.get(), valueIndex);
    const tk::Color offColor =
        buttonStyle == ToggleButtonStyle::retro ? Colors::background() : Colors::buttonText();
    Node picture = Image(korvaneImage(modeTogglePicture(buttonStyle, pressed, on)))
                       .frame(buttonSize.width, buttonSize.height);
    Node title = korvFont(Text(valueStringTitle(*param, valueIndex)).textCase(TextCase::uppercase),
                          KorvFont::rocket, buttonFontSize)
                     .foregroundColor(on ? buttonTextColor : offColor)
                     .offset(0, 2);
    Node button = ZStack({picture, title}).frame(buttonSize.width, buttonSize.height);
    const float index = static_cast<float>(valueIndex);
    return withTogglePress(button, param.get(), &isPressed, buttonSize, [index](float) { return index; });
}

} // namespace Korvane
