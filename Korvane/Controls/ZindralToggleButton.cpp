#include "Korvane/Controls/ZindralToggleButton.h"

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Controls/ButtonTitle.h"
#include "Korvane/Controls/PressRules.h"
#include "Korvane/Controls/TogglePress.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

ZindralToggleButton::ZindralToggleButton(std::shared_ptr<AudioParameter> toggleParam, int index,
                                         ZindralButtonColor buttonColor)
    : param(std::move(toggleParam)), valueIndex(index), color(buttonColor) {}

tk::ui::Node ZindralToggleButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const bool pressed = isPressed.get();
    const bool on = isOnAtIndex(param->value.get(), valueIndex);
    Node picture =
        Image(korvaneImage(zindralTogglePicture(pressed, on))).frame(buttonSize.width, buttonSize.height);
    Node title =
        korvFont(Text(valueStringTitle(*param, valueIndex)).textCase(TextCase::uppercase),
                 KorvFont::dosisMedium, 13)
            .foregroundColor(pressed ? Colors::zindralToggleTextPressed() : Colors::zindralToggleText())
            .offset(0, -6);
    Node button = ZStack({picture, title}).frame(buttonSize.width, buttonSize.height);
    const float index = static_cast<float>(valueIndex);
    return withTogglePress(button, param.get(), &isPressed, buttonSize, [index](float) { return index; });
}

} // namespace Korvane
