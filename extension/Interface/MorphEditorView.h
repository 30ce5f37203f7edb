#pragma once

// MorphEditorView: the pad that sets the morph position (morph X to the right, morph Y upwards,
// both 0...1). A handle marks the position over a field of dots pushed away from it. A drag is one
// interactive edit of both parameters: begin at the press's location, a change for each movement
// after it, end at the release (a click is a begin and an end); the parameters are marked as being edited
// meanwhile, so values coming back from the host do not pull the handle. Option-click (or Option
// held during a drag, which first ends the running edit) puts the handle back in the centre, each
// parameter with its own begin, change to 0.5 and end.

#include "extension/Interface/MorphDotField.h"

#include "Korvane/Parameters/ParameterEditor.h"
#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Gesture.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>
#include <optional>
#include <utility>

namespace Korvane {
class AudioParameter;
}
namespace tk {
class GraphicsContext;
}

namespace extension {

// The pad's geometry: p = padding, travel Tw = width - 2p, Th = height - 2p.
struct MorphPadGeometry {
    double viewWidth = 264;
    double viewHeight = 120;
    double padding = 12;

    // [any] Handle centre: (p + Tw x, p + Th (1 - y)).
    tk::Point handleCentre(float morphX, float morphY) const;
    // [any] A point of the pad as a morph position, each clamped to 0...1 (NaN counts as 0).
    std::pair<float, float> morphPosition(tk::Point location) const;
};

// [main] The dot field for a canvas of `size` with the handle at `handle`: 24 x 12 dots of diameter
// 3, each pushed away from the handle by up to 30 points, the more the nearer it is.
void drawMorphDots(tk::GraphicsContext& context, tk::Size size, tk::Point handle, const tk::Color& color);

struct MorphEditorView {
    std::shared_ptr<Korvane::AudioParameter> morphX;
    std::shared_ptr<Korvane::AudioParameter> morphY;
    tk::ui::State<bool> isDragging{false};
    tk::ui::State<bool> isOptionClick{false};
    double viewWidth = 264;
    double viewHeight = 120;
    double padding = 12;
    // The values the running edit last sent (the parameters' own values follow a main-queue turn
    // later), so that an edit ends with what it sent.
    tk::ui::State<std::optional<std::pair<float, float>>> lastSent{std::nullopt};
    // The dot field's picture, kept through rebuilds (only ever peeked at, never tracked).
    tk::ui::State<std::shared_ptr<MorphDotField>> dotField{std::make_shared<MorphDotField>()};

    // [main]
    tk::ui::Node body();

    // [main] The gesture's handlers (the body attaches them; tests may call them directly).
    void dragChanged(const tk::ui::DragValue& value);
    void dragEnded(const tk::ui::DragValue& value);
    void dragCancelled(const tk::ui::DragValue& value);

private:
    MorphPadGeometry geometry() const { return {viewWidth, viewHeight, padding}; }
    void apply(tk::Point location, Korvane::ParameterEditorState phase);
    void endEdit();
    void reset();
};

} // namespace extension
