// Segmented controls driven by injected pointer and key events: selection by tracking mode, the
// pressed segment while the pointer holds it, the key segment, and automatic widths.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/SegmentedControl.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace tk {
namespace {

class Segments : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{300, 100}};
    std::shared_ptr<SegmentedControl> control = View::make<SegmentedControl>(Rect{0, 0, 180, 22});
    std::shared_ptr<Responder> target = std::make_shared<Responder>();
    int actions = 0;

    void SetUp() override {
        control->setSegmentCount(3);
        for (int i = 0; i < 3; ++i)
            control->setWidth(60, i);
        control->setTarget(target);
        control->setAction("go:");
        target->setActionHandler("go:", [this](const ActionSender&) { ++actions; });
        w.contentView().addSubview(control);
    }
};

TEST_F(Segments, AClickSelectsBySwitchTrackingMode) {
    struct Case {
        SegmentSwitchTracking mode;
        std::vector<double> clicks;
        std::vector<bool> selected;
        int selectedSegment;
    };
    const Case cases[] = {
        {SegmentSwitchTracking::selectOne, {70, 150}, {false, false, true}, 2},
        {SegmentSwitchTracking::selectAny, {70, 150}, {false, true, true}, 2},
        {SegmentSwitchTracking::selectAny, {70, 150, 150}, {false, true, false}, 1},
        {SegmentSwitchTracking::momentary, {70, 150}, {false, false, false}, 2},
    };
    for (const Case& c : cases) {
        control->setSelectedSegment(-1);
        control->setTrackingMode(c.mode);
        actions = 0;
        for (double x : c.clicks)
            w.click({x, 10});
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(control->isSelected(i), c.selected[std::size_t(i)]) << int(c.mode) << " segment " << i;
        EXPECT_EQ(control->selectedSegment(), c.selectedSegment) << int(c.mode);
        EXPECT_EQ(actions, int(c.clicks.size()));
    }
}

TEST_F(Segments, ThePressedSegmentFollowsThePointerAndAReleaseElsewhereSelectsNothing) {
    auto* cell = control->segmentedCell();
    control->setSelectedSegment(1);
    w.mouseDown({10, 10});
    EXPECT_EQ(cell->segmentHighlightState(0), 2) << "pressed, not selected";
    EXPECT_EQ(cell->segmentHighlightState(1), 0);
    w.mouseDragged({70, 10});
    EXPECT_EQ(cell->segmentHighlightState(0), 0) << "the pointer left the pressed segment";
    w.mouseUp({70, 10});
    EXPECT_EQ(control->selectedSegment(), 1) << "released on another segment: no change";
    w.mouseDown({70, 10});
    EXPECT_EQ(cell->segmentHighlightState(1), 3) << "pressed while selected";
    w.mouseUp({70, 10});
    EXPECT_EQ(cell->pressedSegment(), -1);
}

TEST_F(Segments, DisabledSegmentsTakeNoClickAndTheKeyboardSkipsThem) {
    control->setEnabled(false, 1);
    w.click({70, 10});
    EXPECT_EQ(control->selectedSegment(), -1);
    EXPECT_EQ(actions, 0);
    w.window().makeFirstResponder(control.get());
    auto* cell = control->segmentedCell();
    EXPECT_EQ(cell->keySegment(), 0);
    w.key(KeyCode::rightArrow);
    EXPECT_EQ(cell->keySegment(), 2) << "over the disabled one";
    w.key(KeyCode::rightArrow);
    EXPECT_EQ(cell->keySegment(), 2) << "stops at the end";
    w.key(KeyCode::space);
    EXPECT_EQ(control->selectedSegment(), 2);
    EXPECT_EQ(actions, 1);
}

TEST_F(Segments, AnAutomaticWidthIsTheLabelInTheCellsFontPlusPadding) {
    control->setLabel("Everything", 0);
    control->setWidth(0, 0);
    auto* cell = control->segmentedCell();
    const double label = std::ceil(measureText("Everything", cell->titleAttributes()).width);
    EXPECT_EQ(cell->effectiveWidth(0), label + 2 * SegmentedCell::kAutoPadding);
    EXPECT_EQ(cell->segmentRect(1, control->bounds()).x(), label + 2 * SegmentedCell::kAutoPadding);
    EXPECT_EQ(control->intrinsicContentSize(), (Size{label + 16 + 120, SegmentedCell::kDefaultHeight}));
}

} // namespace
} // namespace tk
