#include "Korvane/Controls/ParameterHoldButton.h"

#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/Gesture.h"

namespace Korvane {

ParameterHoldButton::ParameterHoldButton(std::shared_ptr<AudioParameter> holdParam, tk::Image resting,
                                         tk::Image pressed)
    : param(std::move(holdParam)), image(std::move(resting)), pressedImage(std::move(pressed)) {}

tk::ui::Node ParameterHoldButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    Node picture = Image(isPressed.get() ? pressedImage : image);
    auto release = [this](const DragValue&) {
        TK_CHECK_MAIN_THREAD();
        if (!*pointerHolds_) {
            return;
        }
        *pointerHolds_ = false;
        isPressed.set(false);
        param->setValue(0, ParameterEditor::ui, ParameterEditorState::change);
        param->setValue(0, ParameterEditor::ui, ParameterEditorState::endInteractive);
    };
    Node pressable = picture.gesture(DragGesture{
        .minimumDistance = 0,
        .onChanged =
            [this](const DragValue&) {
                TK_CHECK_MAIN_THREAD();
                if (*pointerHolds_) {
                    return;
                }
                *pointerHolds_ = true;
                isPressed.set(true);
                param->setValue(param->value.peek(), ParameterEditor::ui,
                                ParameterEditorState::beginInteractive);
                param->setValue(1, ParameterEditor::ui, ParameterEditorState::change);
            },
        .onEnded = release,
        .onCancelled = release,
    });
    return VStack({pressable})
        .onChange<float>(
            param->value.get(), [this](const float&, const float& now) { isPressed.set(now == 1.0f); }, true);
}

} // namespace Korvane
