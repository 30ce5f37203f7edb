#include "Korvane/Controls/ToggleButton.h"

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Controls/PressRules.h"
#include "Korvane/Controls/TogglePress.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

ToggleButton::ToggleButton(std::shared_ptr<AudioParameter> toggleParam, tk::Color textColor,
                           std::optional<std::string> name, double fontSize)
    : param(std::move(toggleParam)), nameOverride(std::move(name)), buttonFontSize(fontSize),
      buttonTextColor(textColor) {}

tk::ui::Node ToggleButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const bool pressed = isPressed.get();
    const bool on = param->value.get() == 1.0f;
    Node picture = Image(korvaneImage(modernPicture(pressed, on))).frame(buttonSize.width, buttonSize.height);
    Node text = nameOverride ? Text(*nameOverride) : Text(param->name()).textCase(TextCase::uppercase);
    Node title = korvFont(text, KorvFont::rocket, buttonFontSize)
                     .foregroundColor(on ? buttonTextColor : Colors::buttonText())
                     .offset(0, 2);
    Node button = ZStack({picture, title}).frame(buttonSize.width, buttonSize.height);
    return withTogglePress(button, param.get(), &isPressed, buttonSize, toggledValue);
}

} // namespace Korvane
