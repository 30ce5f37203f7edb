#include "Korvane/Controls/ImageButton.h"

#include "Korvane/Controls/MomentaryPress.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Event.h"

namespace Korvane {

ImageButton::ImageButton(tk::Image resting, tk::Image pressed, std::function<void(bool)> action)
    : image(std::move(resting)), downImage(std::move(pressed)), onPressed(std::move(action)) {}

tk::ui::Node ImageButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    Node picture = Image(isPressed.get() ? downImage : image);
    return withMomentaryPress(picture, &isPressed, buttonSize, [this] {
        if (onPressed) {
            onPressed(tk::contains(tk::currentModifierFlags(), tk::ModifierFlags::option));
        }
    });
}

} // namespace Korvane
