#include "Korvane/Controls/ZindralToggleButtonNarrow.h"

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Controls/PressRules.h"
#include "Korvane/Controls/TogglePress.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

ZindralToggleButtonNarrow::ZindralToggleButtonNarrow(std::shared_ptr<AudioParameter> toggleParam,
                                                     std::optional<std::string> title)
    : param(std::move(toggleParam)), buttonText(std::move(title)) {}

tk::ui::Node ZindralToggleButtonNarrow::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const bool pressed = isPressed.get();
    const bool on = param->value.get() == 1.0f;
    Node picture = Image(korvaneImage(zindralToggleNarrowPicture(pressed, on)))
                       .frame(buttonSize.width, buttonSize.height);
    std::vector<Node> layers{picture};
    if (buttonText) {
        layers.push_back(
            korvFont(Text(*buttonText), KorvFont::dosisMedium, 13)
                .foregroundColor(pressed ? Colors::zindralToggleTextPressed() : Colors::zindralToggleText())
                .offset(0, -2));
    }
    Node button = ZStack(std::move(layers)).frame(buttonSize.width, buttonSize.height);
    return withTogglePress(button, param.get(), &isPressed, buttonSize, toggledValue);
}

} // namespace Korvane
