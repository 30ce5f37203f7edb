#include "Korvane/Controls/TogglePress.h"

#include "Korvane/Controls/PressRules.h"
#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

void togglePressChanged(AudioParameter& param, tk::ui::State<bool>& isPressed) {
    TK_CHECK_MAIN_THREAD();
    if (isPressed.peek()) {
        return;
    }
    isPressed.set(true);
    param.setValue(param.value.peek(), ParameterEditor::ui, ParameterEditorState::beginInteractive);
}

void togglePressEnded(AudioParameter& param, tk::ui::State<bool>& isPressed, tk::Point location,
                      bool cancelled, tk::Size buttonSize,
                      const std::function<float(float current)>& newValue) {
    TK_CHECK_MAIN_THREAD();
    if (!isPressed.peek()) {
        return;
    }
    isPressed.set(false);
    const float current = param.value.peek();
    if (!cancelled && isInsideButton(location, buttonSize)) {
        const float n = newValue(current);
        param.setValue(n, ParameterEditor::ui, ParameterEditorState::change);
        param.setValue(n, ParameterEditor::ui, ParameterEditorState::endInteractive);
    } else {
        param.setValue(current, ParameterEditor::ui, ParameterEditorState::endInteractive);
    }
}

tk::ui::Node withTogglePress(tk::ui::Node content, AudioParameter* param, tk::ui::State<bool>* isPressed,
                             tk::Size buttonSize, std::function<float(float current)> newValue) {
    using tk::ui::DragValue;
    auto ended = [param, isPressed, buttonSize, newValue](const DragValue& drag) {
        togglePressEnded(*param, *isPressed, drag.location, drag.isCancelled, buttonSize, newValue);
    };
    auto cancelled = [param, isPressed, buttonSize, newValue](const DragValue& drag) {
        togglePressEnded(*param, *isPressed, drag.location, true, buttonSize, newValue);
    };
    return content.gesture(tk::ui::DragGesture{
        .minimumDistance = 0,
        .onChanged = [param, isPressed](const DragValue&) { togglePressChanged(*param, *isPressed); },
        .onEnded = ended,
        .onCancelled = cancelled,
    });
}

} // namespace Korvane
