#include "Korvane/Controls/MomentaryPress.h"

#include "Korvane/Controls/PressRules.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/Gesture.h"

namespace Korvane {

tk::ui::Node withMomentaryPress(tk::ui::Node content, tk::ui::State<bool>* isPressed, tk::Size buttonSize,
                                std::function<void()> onRelease) {
    using tk::ui::DragValue;
    return content.gesture(tk::ui::DragGesture{
        .minimumDistance = 0,
        .onChanged =
            [isPressed](const DragValue&) {
                TK_CHECK_MAIN_THREAD();
                if (!isPressed->peek()) {
                    isPressed->set(true);
                }
            },
        .onEnded =
            [isPressed, buttonSize, onRelease](const DragValue& drag) {
                TK_CHECK_MAIN_THREAD();
                isPressed->set(false);
                if (!drag.isCancelled && isInsideButton(drag.location, buttonSize) && onRelease) {
                    onRelease();
                }
            },
        .onCancelled = [isPressed](const DragValue&) { isPressed->set(false); },
    });
}

} // namespace Korvane
