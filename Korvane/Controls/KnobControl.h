#pragma once

// KnobControl: the drag-to-turn control under every film-strip dial. It draws nothing itself: it
// shows content(frame) for the frame that the parameter's value maps to (1...imageCount), and turns
// pointer input into edits of the parameter:
//   - a vertical drag (recognised after knobMinDrag points): begin, a change per movement, end at
//     the release; a cancelled drag (grab lost, view removed, window closed) ends like a release;
//   - a double-tap, or a single tap with Option held: the default value, in one change.
// The frame follows every change of the parameter's value, whoever made it.

#include "Korvane/Controls/KnobDrag.h"
#include "Korvane/Controls/ViewLocal.h"

#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Gesture.h"

#include <functional>
#include <memory>

namespace Korvane {

class AudioParameter;

// The picture of a KnobControl for the parameter's current value. It alone reads the value, so a
// change of it rebuilds only the picture, which keeps its size.
struct KnobFrame {
    std::shared_ptr<AudioParameter> param{};
    int imageCount = 0;
    std::function<tk::ui::Node(int frame)> content{};

    // [main]
    tk::ui::Node body();
};

class KnobControl {
public:
    using Content = std::function<tk::ui::Node(int frame)>;

    KnobControl(std::shared_ptr<AudioParameter> param, double knobMinDrag, float knobDragScaleFactor,
                int imageCount, Content content);

    std::shared_ptr<AudioParameter> param;
    double knobMinDrag;
    float knobDragScaleFactor;
    int imageCount;
    Content content;

    // [main]
    tk::ui::Node body();

    // [main] The frame (1-based) that shows `value`.
    int imageIndex(float value) const;
    // [main] The gesture handlers.
    void dragChanged(const tk::ui::DragValue& drag);
    void dragEnded(const tk::ui::DragValue& drag);
    void resetToDefault();

private:
    ViewLocal<KnobDrag> drag_;
};

} // namespace Korvane
