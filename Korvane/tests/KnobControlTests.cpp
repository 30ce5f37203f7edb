#include "Korvane/Controls/KnobControl.h"

#include "Korvane/tests/RecordingParameter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Korvane {
namespace {

using namespace testing;
using tk::Point;

constexpr tk::Size kKnobSize{100, 200};

// A knob that fills the window: 100 x 200 points, content coordinates = window coordinates.
struct Knob {
    explicit Knob(const ParameterShape& shape, double minDrag = 6, float scale = 0.005f)
        : param(makeParameter(shape)), frame(std::make_shared<int>(0)),
          tree(KnobControl(param, minDrag, scale, 51,
                           [frame = frame](int k) {
                               *frame = k;
                               return tk::ui::Rectangle().fill(tk::Color::gray(0.5)).frame(100, 200);
                           }),
               kKnobSize) {}

    std::shared_ptr<RecordingParameter> param;
    std::shared_ptr<int> frame;
    HostedTree tree;
    tk::HeadlessWindow& w() { return tree.window; }
};

// Pointer steps of one drag: down at the first y, a drag event at each following y, up at the last.
void dragThrough(tk::HeadlessWindow& w, const std::vector<double>& ys) {
    auto it = ys.begin();
    w.mouseDown({50, *it});
    for (++it; it != ys.end(); ++it) {
        w.mouseDragged({50, *it});
    }
    w.mouseUp({50, *(ys.end() - 1)});
}

struct DragCase {
    const char* name;
    ParameterShape shape;
    std::vector<double> ys;
    std::vector<Edit> edits;
};

TEST(KnobControl, DragsEditAsBeginChangeEnd) {
    const DragCase cases[] = {
        {"shorter than the minimum distance: nothing", {.value = 0.5f}, {100, 97, 95}, {}},
        {"the first recognised event only begins", {.value = 0.5f}, {100, 94}, {begin(0.5f), end(0.5f)}},
        {"100 points up moves half the travel",
         {.value = 0.25f},
         {150, 144, 44},
         {begin(0.25f), change(0.75f), end(0.75f)}},
        {"down lowers", {.lo = -10, .hi = 10, .value = 0}, {50, 56, 106}, {begin(0), change(-5), end(-5)}},
        {"beyond the top pins at the maximum and turning back lowers at once",
         {.value = 0.9f},
         {150, 144, 100, 60, 70},
         {begin(0.9f), change(1), change(1), change(0.95f), end(0.95f)}},
        {"indexed steps only in whole numbers, once the running value crosses a half",
         {.units = au::ParameterUnit::indexed, .hi = 4, .value = 1},
         {100, 94, 92, 90, 88, 86, 84, 82},
         // 2 points = 0.01 of travel = 0.04 steps; 1 + 7 x 0.04 = 1.28 ... rounds to 1 throughout
         {begin(1), change(1), change(1), change(1), change(1), change(1), change(1), end(1)}},
        {"indexed, a longer slow drag steps",
         {.units = au::ParameterUnit::indexed, .hi = 4, .value = 1},
         {100, 94, 84, 74, 64},
         // 10 points = 0.05 travel = 0.2 steps: 1.2, 1.4, 1.6 (-> 2)
         {begin(1), change(1), change(1), change(2), end(2)}},
    };
    for (const auto& c : cases) {
        Knob knob(c.shape);
        dragThrough(knob.w(), c.ys);
        ASSERT_EQ(knob.param->edits.size(), c.edits.size()) << c.name;
        for (std::size_t i = 0; i < c.edits.size(); ++i) {
            EXPECT_EQ(knob.param->edits[i].state, c.edits[i].state) << c.name << " #" << i;
            EXPECT_NEAR(knob.param->edits[i].value, c.edits[i].value, 1e-5) << c.name << " #" << i;
            EXPECT_EQ(knob.param->edits[i].source, ParameterEditor::ui) << c.name;
        }
        EXPECT_FALSE(knob.param->isBeingInteractivelyEdited.peek()) << c.name;
    }
}

TEST(KnobControl, EditFlagIsSetOnlyWhileDragging) {
    Knob knob({.value = 0.5f});
    knob.w().mouseDown({50, 100});
    knob.w().mouseDragged({50, 90});
    EXPECT_TRUE(knob.param->isBeingInteractivelyEdited.peek());
    knob.w().mouseUp({50, 90});
    EXPECT_FALSE(knob.param->isBeingInteractivelyEdited.peek());
}

TEST(KnobControl, EndSendsTheLastValueSentNotTheStaleInterfaceValue) {
    Knob knob({.value = 0.2f});
    // No draining between the events: the published values have not reached `value` yet.
    dragThrough(knob.w(), {150, 144, 124});
    ASSERT_EQ(knob.param->edits.size(), 3u);
    EXPECT_FLOAT_EQ(knob.param->value.peek(), 0.2f);
    EXPECT_NEAR(knob.param->edits.back().value, 0.3f, 1e-6);
    EXPECT_EQ(knob.param->edits.back().state, ParameterEditorState::endInteractive);
}

TEST(KnobControl, ACancelledDragEndsTheEdit) {
    struct Case {
        const char* name;
        void (*cancel)(Knob&);
    } cases[] = {
        {"pointer grab lost", [](Knob& k) { k.w().cancelDrag(); }},
        {"view removed",
         [](Knob& k) {
             k.tree.host->setRoot(tk::ui::Node());
             k.tree.settle();
         }},
        {"window closed", [](Knob& k) { k.w().close(); }},
    };
    for (const auto& c : cases) {
        Knob knob({.value = 0.5f});
        knob.w().mouseDown({50, 150});
        knob.w().mouseDragged({50, 144});
        knob.w().mouseDragged({50, 124});
        c.cancel(knob);
        const std::vector<Edit> expected{begin(0.5f), change(0.6f), end(0.6f)};
        ASSERT_EQ(knob.param->edits.size(), expected.size()) << c.name;
        EXPECT_EQ(knob.param->edits.back().state, ParameterEditorState::endInteractive) << c.name;
        EXPECT_NEAR(knob.param->edits.back().value, 0.6f, 1e-6) << c.name;
        EXPECT_FALSE(knob.param->isBeingInteractivelyEdited.peek()) << c.name;
    }
}

TEST(KnobControl, DoubleTapAndOptionClickResetWithOneChange) {
    {
        Knob knob({.value = 0.8f, .defaultValue = 0.25f});
        knob.w().doubleClick({50, 100});
        EXPECT_EQ(knob.param->edits, std::vector<Edit>{change(0.25f)});
    }
    {
        Knob knob({.value = 0.8f, .defaultValue = 0.25f});
        knob.w().click({50, 100}, tk::ModifierFlags::option);
        EXPECT_EQ(knob.param->edits, std::vector<Edit>{change(0.25f)});
    }
    {
        Knob knob({.value = 0.8f, .defaultValue = 0.25f});
        knob.w().click({50, 100});
        EXPECT_TRUE(knob.param->edits.empty()) << "a plain tap sends nothing";
    }
}

TEST(KnobControl, FrameFollowsTheValueFromAnySource) {
    Knob knob({.value = 0});
    EXPECT_EQ(*knob.frame, 1);
    knob.param->value.set(1);
    knob.tree.settle();
    EXPECT_EQ(*knob.frame, 51);
    knob.param->setValue(0.5f, ParameterEditor::parameterObserver, ParameterEditorState::change);
    knob.tree.settle();
    EXPECT_EQ(*knob.frame, 26);
}

TEST(KnobControl, AnEmptyRangeShowsTheFirstFrame) {
    auto param = AudioParameter::dummyParam();
    auto frame = std::make_shared<int>(0);
    HostedTree tree(KnobControl(param, 6, 0.005f, 51,
                                [frame](int k) {
                                    *frame = k;
                                    return tk::ui::Rectangle().frame(10, 10);
                                }),
                    {10, 10});
    EXPECT_EQ(*frame, 1);
}

} // namespace
} // namespace Korvane
