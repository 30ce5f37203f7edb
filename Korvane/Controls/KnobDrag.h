#pragma once

// What a knob does with one vertical drag: the edit it sends to its parameter at the first
// recognised event, at every movement and at the end. The knob view owns one and feeds it the
// drag's events; the drag state lives here so it can be followed without a view.
//
//   first event   edit flag set; begin with the current value; nothing moves (the minimum drag
//                 distance never moves the knob)
//   each move     position += (previous y - y) x scale; value from position, clamped; change with
//                 the value (rounded half away from zero for an indexed parameter). The unrounded
//                 value carries over to the next move, so slow drags still step indexed values.
//   end / cancel  edit flag cleared; end with the last value sent (the parameter's own value is
//                 published later, on the main queue, and may still be the old one)

#include <optional>

namespace Korvane {

class AudioParameter;

// How a knob follows a drag: recognised after `minimumDistance` points, `scaleFactor` of knob
// position per point.
struct KnobDragSettings {
    double minimumDistance;
    float scaleFactor;
};

class KnobDrag {
public:
    // [main] One recognised drag event at vertical location y (points, down is positive);
    // `dragScaleFactor` is the knob-position change per point.
    void changed(AudioParameter& param, double y, float dragScaleFactor);
    // [main] The drag ended (released) or was cancelled; both end the edit. Does nothing when no
    // drag runs.
    void ended(AudioParameter& param);

    bool isDragging() const { return lastDragValue_.has_value(); }

private:
    std::optional<double> lastDragValue_;
    std::optional<float> continuousDragValue_;
    float lastSentValue_ = 0;
};

// [main] The knob's reset (double-tap, Option-click): the default value in one change.
void resetToDefault(AudioParameter& param);

} // namespace Korvane
