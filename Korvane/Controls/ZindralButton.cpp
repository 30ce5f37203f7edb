#include "Korvane/Controls/ZindralButton.h"

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Controls/MomentaryPress.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

ZindralButton::ZindralButton(std::string title, ZindralButtonColor buttonColor, std::function<void()> pressed)
    : color(buttonColor), buttonText(std::move(title)), onPressed(std::move(pressed)) {}

tk::ui::Node ZindralButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const bool pressed = isPressed.get();
    Node picture =
        Image(korvaneImage(zindralButtonPicture(pressed))).frame(buttonSize.width, buttonSize.height);
    Node title = korvFont(Text(buttonText), KorvFont::dosisMedium, 13)
                     .foregroundColor(Colors::ZindralYellowText())
                     .offset(0, -4);
    Node button = ZStack({picture, title}).frame(buttonSize.width, buttonSize.height);
    return withMomentaryPress(button, &isPressed, buttonSize, [this] {
        if (onPressed) {
            onPressed();
        }
    });
}

} // namespace Korvane
