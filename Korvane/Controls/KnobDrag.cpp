#include "Korvane/Controls/KnobDrag.h"

#include "Korvane/Controls/KnobTravel.h"
#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <cmath>

namespace Korvane {

void KnobDrag::changed(AudioParameter& param, double y, float dragScaleFactor) {
    TK_CHECK_MAIN_THREAD();
    if (!lastDragValue_) {
        param.isBeingInteractivelyEdited.set(true);
        const float current = param.value.peek();
        continuousDragValue_ = current;
        lastSentValue_ = current;
        param.setValue(current, ParameterEditor::ui, ParameterEditorState::beginInteractive);
    } else {
        const float d = static_cast<float>(*lastDragValue_ - y) * dragScaleFactor;
        const KnobTravel travel = KnobTravel::of(param);
        const float base = continuousDragValue_.value_or(param.value.peek());
        float n = travel.normalisedValue(base) + d;
        // Below 0 or not a number gives 0.
        n = n > 0 ? std::min(n, 1.0f) : 0.0f;
        float v = travel.valueFromNormalised(n);
        v = std::min(std::max(v, travel.lo), travel.hi);
        continuousDragValue_ = v;
        const float r = param.isIndexed() ? std::round(v) : v;
        lastSentValue_ = r;
        param.setValue(r, ParameterEditor::ui, ParameterEditorState::change);
    }
    lastDragValue_ = y;
}

void KnobDrag::ended(AudioParameter& param) {
    TK_CHECK_MAIN_THREAD();
    if (!lastDragValue_) {
        return;
    }
    lastDragValue_.reset();
    continuousDragValue_.reset();
    param.isBeingInteractivelyEdited.set(false);
    param.setValue(lastSentValue_, ParameterEditor::ui, ParameterEditorState::endInteractive);
}

void resetToDefault(AudioParameter& param) {
    TK_CHECK_MAIN_THREAD();
    param.setValue(param.defaultValue(), ParameterEditor::ui, ParameterEditorState::change);
}

} // namespace Korvane
