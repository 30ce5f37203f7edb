#include "Korvane/Controls/LeftRightArrowButton.h"

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Controls/PressRules.h"
#include "Korvane/Controls/TogglePress.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

LeftRightArrowButton::LeftRightArrowButton(std::shared_ptr<AudioParameter> arrowParam, float left)
    : param(std::move(arrowParam)), leftValue(left) {}

tk::ui::Node LeftRightArrowButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const bool showsLeft = param->value.get() == leftValue;
    Node button = Image(korvaneImage(leftRightArrowPicture(isPressed.get(), showsLeft)))
                      .frame(buttonSize.width, buttonSize.height);
    return withTogglePress(button, param.get(), &isPressed, buttonSize, toggledValue);
}

} // namespace Korvane
