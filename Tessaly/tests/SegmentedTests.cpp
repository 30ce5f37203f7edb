// The styled segmented control: each segment's state and bezel, the hidden selection, widths in
// the label font, and the focus ring's bounds, driven by injected events.

#include "Tessaly/Controls/StyledSegmentedControl.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/graphics/TextLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;
using Log = std::vector<std::string>;

class StyledSegments : public ::testing::Test {
protected:
    ControlFixture f;
    std::shared_ptr<StyledSegmentedControl> control =
        f.add(tk::View::make<StyledSegmentedControl>(tk::Rect{10, 10, 240, 24}));

    void SetUp() override {
        control->setSegmentCount(3);
        for (int i = 0; i < 3; ++i)
            control->segmentedCell()->tk::SegmentedCell::setWidth(80, i);
        control->setLabel("One", 0);
        control->setLabel("Two", 1);
        control->setLabel("Three", 2);
    }
    std::uint64_t state(int segment) const { return control->styledCell()->controlState(segment).rawValue(); }
};

TEST_F(StyledSegments, TheSelectedSegmentShowsOnlyWhenTheSelectionIsNotHidden) {
    control->setSelectedSegment(1);
    EXPECT_EQ(state(1), 0x01u) << "hidden by default";
    EXPECT_EQ(recordDrawing(*control)->imageNames(),
              (Log{"tui-window-tab", "tui-window-tab", "tui-window-tab"}));
    control->setHideSelection(false);
    EXPECT_EQ(state(1), 0x05u);
    EXPECT_EQ(recordDrawing(*control)->imageNames()[1], "tui-window-tab-selected");
}

TEST_F(StyledSegments, APressedSegmentIsHighlightedAndADisabledCellMarksEverySegment) {
    control->setSelectedSegment(1);
    auto* cell = control->styledCell();
    EXPECT_EQ(cell->styledHighlightState(1), 3) << "no press: 3 for the selected segment";
    EXPECT_EQ(cell->styledHighlightState(0), 0);
    f.window->mouseDown({20, 20});
    EXPECT_EQ(state(0), 0x09u);
    EXPECT_EQ(recordDrawing(*control)->imageNames()[0], "tui-window-tab-down");
    f.window->mouseUp({20, 20});
    EXPECT_EQ(control->selectedSegment(), 0);
    control->setEnabled(false);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(cell->controlState(i).contains(StyledControlState::disabled)) << i;
}

TEST_F(StyledSegments, ASetWidthBecomesTheLabelInTheStyleFontPlusPadding) {
    control->setWidth(5, 2);
    tk::TextAttributes measure;
    measure.font = StyledSegmentedCell::style()->font();
    EXPECT_DOUBLE_EQ(control->width(2), tk::measureText("Three", measure).width + 42);
}

TEST_F(StyledSegments, TheRingBoundsAreKnownOnceTheKeySegmentWasDrawnAndFollowIt) {
    auto* cell = control->styledCell();
    EXPECT_EQ(cell->focusRingMaskBounds({}, *control), tk::Rect{}) << "nothing drawn yet";
    f.window->render();
    const tk::Rect first = cell->focusRingMaskBounds({}, *control);
    EXPECT_EQ(first, cell->bezelRect(0, cell->cachedSegmentFrames().at(0)));
    const double tab =
        StyledSegmentedCell::style()->bezelImage(StyledControlState::defaultState)->size().height;
    EXPECT_EQ(first.height(), tab) << "as tall as the picture";
    EXPECT_EQ(first.y(), std::round(12 - tab / 2));

    f.window->window().makeFirstResponder(control.get());
    f.window->render();
    f.window->key(tk::KeyCode::rightArrow);
    EXPECT_TRUE(control->needsDisplay()) << "a new key segment redraws";
    EXPECT_EQ(cell->focusRingMaskBounds({}, *control).x(), 80);
    EXPECT_EQ(recordDrawing(*control)->draws(tk::RecordedDraw::Kind::stroke).size(), 1u);
}

} // namespace
} // namespace Tessaly
