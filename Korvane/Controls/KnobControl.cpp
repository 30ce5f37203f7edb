#include "Korvane/Controls/KnobControl.h"

#include "Korvane/Controls/KnobTravel.h"
#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

KnobControl::KnobControl(std::shared_ptr<AudioParameter> knobParam, double minDrag, float dragScaleFactor,
                         int frames, Content makeContent)
    : param(std::move(knobParam)), knobMinDrag(minDrag), knobDragScaleFactor(dragScaleFactor),
      imageCount(frames), content(std::move(makeContent)) {}

int KnobControl::imageIndex(float value) const {
    return KnobTravel::of(*param).imageIndex(value, imageCount);
}

tk::ui::Node KnobFrame::body() {
    TK_CHECK_MAIN_THREAD();
    // Reading the value here rebuilds the picture whenever it changes, so the frame follows it.
    const int frame = KnobTravel::of(*param).imageIndex(param->value.get(), imageCount);
    return content ? content(frame) : tk::ui::Node();
}

tk::ui::Node KnobControl::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    return Node(KnobFrame{param, imageCount, content})
        .gesture(DragGesture{
            .minimumDistance = knobMinDrag,
            .onChanged = [this](const DragValue& drag) { dragChanged(drag); },
            .onEnded = [this](const DragValue& drag) { dragEnded(drag); },
            .onCancelled = [this](const DragValue& drag) { dragEnded(drag); },
        })
        .gesture(TapGesture{.count = 2, .onEnded = [this](tk::Point) { resetToDefault(); }})
        .gesture(TapGesture{.count = 1, .modifiers = tk::ModifierFlags::option, .onEnded = [this](tk::Point) {
                                resetToDefault();
                            }});
}

void KnobControl::dragChanged(const tk::ui::DragValue& drag) {
    drag_->changed(*param, drag.location.y, knobDragScaleFactor);
}

void KnobControl::dragEnded(const tk::ui::DragValue&) {
    drag_->ended(*param);
}

void KnobControl::resetToDefault() {
    Korvane::resetToDefault(*param);
}

} // namespace Korvane
