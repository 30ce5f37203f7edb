#pragma once

// How the melody display draws the line: step geometry from the note area, the length and the gate,
// and the note lines themselves (unaccented steps first, accented ones on top, slides joined to the
// next note, labels under notes when the steps are wide enough).

#include "engine/SequenceTables.h"
#include "extension/Settings/InterpolatedStepUI.h"
#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Font.h"

#include <array>
#include <functional>

namespace tk {
class GraphicsContext;
}

namespace extension {

// The note area (points, in the display's coordinates).
struct NoteArea {
    double gx = 32;
    double gy = 16;
    double gw = 552;
    double gh = 122;
};

struct StepGeometry {
    int length = 1;         // L: steps shown, 1...64
    double stepWidth = 0;   // W = gw / L
    double margin = 0;      // M = W * 0.08
    float gateFraction = 0; // G = gate / 100
    double gateWidth = 0;   // W * G
    // Notes carry their name below them only when steps are at least this wide.
    static constexpr double kLabelledStepWidth = 20;
    bool showsLabels() const { return stepWidth >= kLabelledStepWidth; }
};

// [any] L = sequenceLength truncated toward zero and clamped to 1...64 (non-finite: 1).
StepGeometry stepGeometry(const NoteArea& area, float sequenceLength, float gate);

// [any] The playhead's rect: width min(W - 2M, W * G), height gh, at x = gx + M + W * p, y = gy.
tk::Rect playheadRect(const NoteArea& area, const StepGeometry& geometry, int playheadIndex);

struct MelodyInput {
    NoteArea area;
    StepGeometry geometry;
    std::array<InterpolatedStepUI, engine::kSteps> steps{};
    float restAmount = 0;
    float slideAmount = 0;
    float accentAmount = 0;
    // The MIDI note a step's note value plays (for its label).
    std::function<int(float noteValue)> midiNote;
    tk::Color noteLine;
    tk::Color noteLineAccented;
    tk::Color noteText;
    tk::Font labelFont;
};

// [main] Strokes the note lines (width 3, round caps) and labels them.
void drawNoteLines(tk::GraphicsContext& context, const MelodyInput& input);

} // namespace extension
