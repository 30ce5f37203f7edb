// A slider driven by injected pointer and key events: where the value goes, and when the action
// is sent.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Slider.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tk {
namespace {

class SliderTracking : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 40}};
    std::shared_ptr<Slider> slider = View::make<Slider>(Rect{0, 0, 118, 20});
    std::vector<std::pair<EventType, double>> sent; // (event being handled, value) per action

    void SetUp() override {
        w.contentView().addSubview(slider);
        slider->setMinValue(0);
        slider->setMaxValue(100);
        slider->setTarget(slider);
        slider->setAction("changed:");
        slider->setActionHandler("changed:", [this](const ActionSender&) {
            ASSERT_NE(slider->currentEvent(), nullptr);
            sent.emplace_back(slider->currentEvent()->type, slider->doubleValue());
        });
    }
    // The knob's centre runs from x 9 to x 109 on a 118-point slider (bar inset 2, knob 14).
    static double xFor(double value) { return 9 + value; }
};

TEST_F(SliderTracking, APressMovesTheKnobToThePointerAndEverySlideStepSendsTheAction) {
    w.mouseDown({xFor(30), 10});
    w.mouseDragged({xFor(50), 10});
    w.mouseDragged({400, 10}); // far past the end: the value stops at the maximum
    w.mouseUp({400, 30});      // a release outside still ends the slide
    const std::vector<std::pair<EventType, double>> expected{{EventType::mouseDown, 30},
                                                             {EventType::mouseDragged, 50},
                                                             {EventType::mouseDragged, 100},
                                                             {EventType::mouseUp, 100}};
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(slider->cell()->state(), CellState::off) << "a slide does not toggle the cell";
    EXPECT_EQ(slider->currentEvent(), nullptr);
}

TEST_F(SliderTracking, GrabbingTheKnobOffCentreKeepsTheOffsetInsteadOfJumping) {
    slider->setDoubleValue(40);
    w.mouseDown({xFor(40) + 5, 10});
    w.mouseDragged({xFor(60) + 5, 10});
    w.mouseUp({xFor(60) + 5, 10});
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_DOUBLE_EQ(sent[0].second, 40);
    EXPECT_DOUBLE_EQ(sent[1].second, 60);
}

TEST_F(SliderTracking, ArrowKeysStepByTheKeyIncrementWithinTheRange) {
    w.window().makeFirstResponder(slider.get());
    slider->setDoubleValue(98);
    w.key(KeyCode::rightArrow);
    w.key(KeyCode::upArrow);
    EXPECT_DOUBLE_EQ(slider->doubleValue(), 100) << "5 per key (a twentieth), bounded by the maximum";
    static_cast<SliderCell*>(slider->cell())->setKeyIncrement(10);
    w.key(KeyCode::leftArrow);
    EXPECT_DOUBLE_EQ(slider->doubleValue(), 90);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent.back().first, EventType::keyDown);
}

TEST(SliderCellValues, ValuesStayInTheRangeAndNaNIsRefused) {
    SliderCell cell;
    cell.setMaxValue(10);
    cell.setDoubleValue(11);
    EXPECT_DOUBLE_EQ(cell.doubleValue(), 10);
    cell.setDoubleValue(std::nan(""));
    EXPECT_DOUBLE_EQ(cell.doubleValue(), 10);
    cell.setMinValue(20); // the maximum follows, the value with it
    EXPECT_DOUBLE_EQ(cell.maxValue(), 20);
    EXPECT_DOUBLE_EQ(cell.doubleValue(), 20);
    EXPECT_DOUBLE_EQ(cell.fraction(), 0) << "an empty range is at its start";
}

} // namespace
} // namespace tk
