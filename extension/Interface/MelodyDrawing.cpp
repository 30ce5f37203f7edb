#include "extension/Interface/MelodyDrawing.h"

#include "extension/Notes/NoteName.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/graphics/TextLayout.h"

#include <algorithm>
#include <cmath>

namespace extension {

StepGeometry stepGeometry(const NoteArea& area, float sequenceLength, float gate) {
    StepGeometry g;
    double length = std::isfinite(sequenceLength) ? std::trunc(static_cast<double>(sequenceLength)) : 1.0;
    g.length = static_cast<int>(std::clamp(length, 1.0, static_cast<double>(engine::kSteps)));
    g.stepWidth = area.gw / g.length;
    g.margin = g.stepWidth * 0.08;
    g.gateFraction = gate / 100.0f;
    g.gateWidth = g.stepWidth * static_cast<double>(g.gateFraction);
    return g;
}

tk::Rect playheadRect(const NoteArea& area, const StepGeometry& g, int playheadIndex) {
    double width = std::max(0.0, std::min(g.stepWidth - 2 * g.margin, g.gateWidth));
    return {area.gx + g.margin + g.stepWidth * playheadIndex, area.gy, width, area.gh};
}

void drawNoteLines(tk::GraphicsContext& context, const MelodyInput& in) {
    const NoteArea& a = in.area;
    const StepGeometry& g = in.geometry;
    tk::StrokeStyle style;
    style.lineWidth = 3;
    style.lineCap = tk::LineCap::round;
    style.lineJoin = tk::LineJoin::miter;
    style.miterLimit = 10;
    tk::TextAttributes label;
    label.font = in.labelFont;
    label.color = in.noteText;

    for (bool accentedPass : {false, true}) {
        struct Previous {
            double x1 = 0, y = 0;
            bool isNote = false, slides = false;
        } previous;
        for (int i = 0; i < g.length; ++i) {
            const InterpolatedStepUI& s = in.steps[static_cast<size_t>(i)];
            if (s.rest < in.restAmount) {
                previous = {};
                continue;
            }
            bool slides = s.slide < in.slideAmount;
            bool accented = s.accent < in.accentAmount;
            double x0 = a.gx + g.stepWidth * i + g.margin;
            double x1 = std::min(a.gx + g.stepWidth * (i + 1) - g.margin, x0 + g.gateWidth);
            double y = a.gy + (1.0 - static_cast<double>(s.note)) * a.gh;
            if (g.showsLabels()) {
                // 6 points of gap and 14 for the label stay inside the note area.
                y = std::min(y, a.gy + a.gh - 20);
            }
            if (accented == accentedPass) {
                if (previous.isNote && previous.slides) {
                    context.strokeLine({previous.x1, previous.y}, {x0, y}, in.noteLine, style);
                }
                context.strokeLine({x0, y}, {x1, y}, accented ? in.noteLineAccented : in.noteLine, style);
                if (g.showsLabels() && in.midiNote) {
                    tk::TextLayout layout(NoteName(in.midiNote(s.note)).toString(), label);
                    tk::Size size = layout.size();
                    context.drawText(layout, tk::Point{(x0 + x1) / 2 - size.width / 2, y + 6});
                }
            }
            previous = {x1, y, true, slides};
        }
    }
}

} // namespace extension
