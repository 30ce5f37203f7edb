// What the melody display draws: step geometry, the playhead, and the note lines in their two
// passes (recorded, not compared as pixels).

#include "extension/Interface/MelodyDrawing.h"

#include "platform/tk/graphics/RecordingContext.h"

#include <gtest/gtest.h>

namespace {

using extension::InterpolatedStepUI;
using extension::MelodyInput;
using extension::NoteArea;

TEST(MelodyDrawing, StepGeometryAndThePlayhead) {
    NoteArea area;
    struct Case {
        float length, gate;
        double width, margin, playheadWidth;
        bool labels;
    };
    for (const Case& c : std::vector<Case>{{16, 50, 34.5, 2.76, 17.25, true},
                                           {16, 90, 34.5, 2.76, 28.98, true},
                                           {64, 50, 8.625, 0.69, 4.3125, false},
                                           {0, 50, 552, 44.16, 276, true},             // clamped to 1
                                           {99.7f, 10, 8.625, 0.69, 0.8625, false}}) { // clamped to 64
        auto g = extension::stepGeometry(area, c.length, c.gate);
        EXPECT_NEAR(g.stepWidth, c.width, 1e-9) << c.length;
        EXPECT_NEAR(g.margin, c.margin, 1e-9) << c.length;
        EXPECT_EQ(g.showsLabels(), c.labels) << c.length;
        tk::Rect playhead = extension::playheadRect(area, g, 3);
        EXPECT_NEAR(playhead.size.width, c.playheadWidth, 1e-5) << c.length << " " << c.gate;
        EXPECT_NEAR(playhead.origin.x, area.gx + g.margin + 3 * g.stepWidth, 1e-9);
        EXPECT_EQ(playhead.origin.y, area.gy);
        EXPECT_EQ(playhead.size.height, area.gh);
    }
}

struct Lines {
    std::vector<tk::RecordedDraw> strokes;
    std::vector<std::string> labels;
};

// Steps: a note, rest, slide and accent flag each (rest, slide and accent amounts 0.5).
struct Step {
    float note;
    bool rest = false, slides = false, accented = false;
};

MelodyInput input(const std::vector<Step>& steps, float gate = 50) {
    MelodyInput in;
    in.geometry = extension::stepGeometry(in.area, static_cast<float>(steps.size()), gate);
    for (size_t i = 0; i < steps.size(); ++i) {
        in.steps[i] = InterpolatedStepUI{steps[i].note, steps[i].slides ? 0.0f : 1.0f,
                                         steps[i].rest ? 0.0f : 1.0f, steps[i].accented ? 0.0f : 1.0f};
    }
    in.restAmount = in.slideAmount = in.accentAmount = 0.5f;
    in.midiNote = [](float value) { return 60 + static_cast<int>(value * 12); };
    in.noteLine = tk::Color(0.5, 0.6, 0.7);
    in.noteLineAccented = tk::Color(1, 0.8, 0.2);
    in.noteText = tk::Color(0.4, 0.4, 0.4);
    return in;
}

Lines draw(const MelodyInput& in) {
    tk::RecordingContext context;
    extension::drawNoteLines(context, in);
    return {context.draws(tk::RecordedDraw::Kind::stroke), context.textStrings()};
}

TEST(MelodyDrawing, NotesRestsSlidesAndAccents) {
    // Step 0 slides into a rest (no connector), step 2 slides into the accented step 3, whose
    // connector is drawn in the second pass in the plain colour; step 3 slides at the end (nothing
    // after it, no wrap to step 0).
    MelodyInput in =
        input({{1.0f, false, true}, {0.5f, true}, {0.0f, false, true}, {0.5f, false, true, true}});
    Lines lines = draw(in);
    const double w = 138, m = w * 0.08, gate = w * 0.5;
    ASSERT_EQ(lines.strokes.size(), 4u); // three lines and one connector
    // Pass 1: steps 0 and 2.
    EXPECT_EQ(lines.strokes[0].rect, (tk::Rect{32 + m, 16, gate, 0})) << "note value 1 at the top";
    EXPECT_EQ(lines.strokes[0].color, in.noteLine);
    EXPECT_EQ(lines.strokes[1].rect.origin.y, 16 + 122 - 20) << "note value 0 stops above the label";
    // Pass 2: the connector from step 2 into step 3, then step 3 itself.
    EXPECT_EQ(lines.strokes[2].color, in.noteLine);
    EXPECT_EQ(lines.strokes[2].rect.origin.x, 32 + 2 * w + m + gate);
    EXPECT_EQ(lines.strokes[2].rect.size.width, w - gate);
    EXPECT_EQ(lines.strokes[3].color, in.noteLineAccented);
    EXPECT_EQ(lines.strokes[3].stroke.lineWidth, 3);
    EXPECT_EQ(lines.strokes[3].stroke.lineCap, tk::LineCap::round);
    EXPECT_EQ(lines.labels, (std::vector<std::string>{"C5", "C4", "F#4"}));
}

TEST(MelodyDrawing, NarrowStepsHaveNoLabelsAndReachTheBottom) {
    std::vector<Step> steps(64, Step{0.0f});
    Lines lines = draw(input(steps));
    ASSERT_EQ(lines.strokes.size(), 64u);
    EXPECT_TRUE(lines.labels.empty());
    EXPECT_EQ(lines.strokes[0].rect.origin.y, 16 + 122);
}

TEST(MelodyDrawing, ARestBreaksTheSlideEvenAfterASlidingNote) {
    Lines lines = draw(input({{0.2f, false, true}, {0.3f, true, true}, {0.4f}}));
    EXPECT_EQ(lines.strokes.size(), 2u);
}

} // namespace
