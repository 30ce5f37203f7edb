// Styled sliders driven by injected events: the slide phases their callbacks report, the wheel,
// and the rects and pictures their cell chooses.

#include "Tessaly/Controls/StyledSlider.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

template <class SliderClass> struct SliderFixture {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{240, 40}};
    std::shared_ptr<SliderClass> slider;
    std::vector<std::string> phases;

    SliderFixture() {
        testing::useBuiltBundles();
        slider = tk::View::make<SliderClass>(tk::Rect{10, 10, 200, 20});
        window.contentView().addSubview(slider);
        slider->setMinValue(0);
        slider->setMaxValue(1);
        slider->setOnSlideStarted([this](double v) { phases.push_back("started " + format(v)); });
        slider->setOnSlideOngoing([this](double v) { phases.push_back("ongoing " + format(v)); });
        slider->setOnSlideComplete([this](double v) { phases.push_back("complete " + format(v)); });
    }
    static std::string format(double v) { return std::to_string(int(std::lround(v * 100))); }
    tk::Event wheel(double dx, double dy, bool inverted = false) {
        tk::Event e;
        e.type = tk::EventType::scrollWheel;
        e.locationInWindow = {100, 20};
        e.scrollingDelta = {dx, dy};
        e.isDirectionInvertedFromDevice = inverted;
        return e;
    }
};

TEST(StyledSlider, ADragReportsStartedOngoingAndCompleteWithTheValueOfEachStep) {
    SliderFixture<StyledSlider> f;
    f.window.mouseDown({12, 20}); // left of the travel: the minimum
    f.window.mouseDragged({300, 20});
    f.window.mouseUp({300, 20});
    EXPECT_EQ(f.phases, (std::vector<std::string>{"started 0", "ongoing 100", "complete 100"}));
}

TEST(StyledSlider, ACancelledSlideEndsItsPhaseAsAReleaseDoes) {
    SliderFixture<StyledSlider> f;
    f.window.mouseDown({12, 20});
    f.window.mouseDragged({300, 20});
    f.window.cancelDrag();
    EXPECT_EQ(f.phases, (std::vector<std::string>{"started 0", "ongoing 100", "complete 100"}));
    EXPECT_FALSE(f.slider->isHighlighted());
}

TEST(StyledSlider, UnsetCallbacksAndOtherButtonsAreSkipped) {
    SliderFixture<StyledSlider> f;
    f.slider->setOnSlideOngoing({});
    f.window.drag({12, 20}, {300, 20}, 2);
    EXPECT_EQ(f.phases, (std::vector<std::string>{"started 0", "complete 100"}));
    f.phases.clear();
    f.window.rightClick({100, 20});
    EXPECT_TRUE(f.phases.empty());
}

TEST(StyledSlider, AKeyStepIsAWholeSlideInOneGo) {
    SliderFixture<StyledSlider> f;
    f.window.window().makeFirstResponder(f.slider.get());
    f.window.key(tk::KeyCode::rightArrow);
    EXPECT_EQ(f.phases, (std::vector<std::string>{"started 5", "ongoing 5", "complete 5"}));
}

TEST(StyledScrollableSlider, TheWheelStepsAQuarterPercentPerPointInTheDevicesDirection) {
    SliderFixture<StyledScrollableSlider> f;
    int actions = 0;
    f.slider->setDoubleValue(0.5);
    f.slider->setOnSlideComplete([&](double) { ++actions; });
    struct Case {
        double dx, dy;
        bool inverted;
        tk::UserInterfaceLayoutDirection direction;
        double change;
    };
    using D = tk::UserInterfaceLayoutDirection;
    const Case cases[] = {
        {0, 4, false, D::leftToRight, 0.01},  // delta 4 on a range of 1
        {0, 4, true, D::leftToRight, -0.01},  // the device scrolls the other way
        {4, 0, false, D::leftToRight, -0.01}, // horizontal counts against vertical
        {4, 0, false, D::rightToLeft, 0.01},  // and with it when the layout runs right to left
        {2, 6, false, D::leftToRight, 0.01},  // both: 6 - 2
    };
    for (const Case& c : cases) {
        f.slider->setDoubleValue(0.5);
        f.slider->setUserInterfaceLayoutDirection(c.direction);
        f.slider->scrollWheel(f.wheel(c.dx, c.dy, c.inverted));
        EXPECT_NEAR(f.slider->doubleValue(), 0.5 + c.change, 1e-12) << c.dx << " " << c.dy;
    }
    EXPECT_EQ(actions, 5);

    f.slider->setDoubleValue(1);
    f.slider->scrollWheel(f.wheel(0, 40));
    EXPECT_DOUBLE_EQ(f.slider->doubleValue(), 1) << "a linear slider stops at its end";
    EXPECT_EQ(actions, 6) << "the action goes out even when the value did not move";

    f.slider->setEnabled(false);
    f.slider->scrollWheel(f.wheel(0, -40));
    EXPECT_DOUBLE_EQ(f.slider->doubleValue(), 1);
    EXPECT_EQ(actions, 6);
}

TEST(StyledScrollableSlider, AWheelEventThroughTheWindowReportsEveryPhaseOnce) {
    SliderFixture<StyledScrollableSlider> f;
    f.window.scroll({100, 20}, 0, 4);
    EXPECT_EQ(f.phases, (std::vector<std::string>{"started 1", "ongoing 1", "complete 1"}));
}

TEST(StyledSliderCell, StateFollowsEnabledAndTracking) {
    SliderFixture<StyledSlider> f;
    StyledSliderCell& cell = *f.slider->styledCell();
    EXPECT_EQ(cell.controlState(), StyledControlState(1));
    f.window.mouseDown({100, 20});
    EXPECT_EQ(cell.controlState(), StyledControlState(9));
    f.window.mouseUp({100, 20});
    f.slider->setEnabled(false);
    EXPECT_EQ(cell.controlState(), StyledControlState(3));
    EXPECT_EQ(cell.sliderType(), tk::SliderType::linear);
    EXPECT_FALSE(cell.isVertical());
}

TEST(StyledSliderCell, BarAndKnobRectsFollowThePicturesAndTheKnobStaysOnTheBar) {
    SliderFixture<StyledSlider> f;
    StyledSliderCell& cell = *f.slider->styledCell();
    const tk::Size knob = StyledSliderCell::style()->knobImage(StyledControlState::defaultState)->size();
    const tk::Size bar = StyledSliderCell::style()->barImage(StyledControlState::defaultState)->size();
    EXPECT_DOUBLE_EQ(cell.knobThickness(), knob.width) << "the knob's own picture";

    const tk::Rect b = cell.barRect(true);
    EXPECT_EQ(b, (tk::Rect{4.0, std::round(10 - bar.height / 2), 192.0, bar.height}))
        << "the plain bar (x 2, width 196) 2 points in on each side, the picture's height, centred";

    for (double value : {0.0, 0.5, 1.0}) {
        f.slider->setDoubleValue(value);
        const tk::Rect k = cell.knobRect(true);
        EXPECT_EQ(k.size, knob);
        EXPECT_GE(k.minX(), 0);
        EXPECT_LE(k.minX(), b.width() - 12);
        EXPECT_DOUBLE_EQ(k.midY(), b.midY());
    }
}

TEST(StyledSliderCell, DrawsTrackFillAndKnobAtHalfOpacityWhenDisabled) {
    for (bool enabled : {true, false}) {
        SliderFixture<StyledSlider> f;
        f.slider->setDoubleValue(0.5);
        f.slider->setEnabled(enabled);
        tk::RecordingContext context;
        f.slider->drawHierarchy(context, tk::Rect{0, 0, 240, 40});
        const auto& images = context.images();
        ASSERT_GE(images.size(), 3u);
        std::vector<std::string> names;
        for (const auto& d : images) {
            names.push_back(d.imageName);
            EXPECT_DOUBLE_EQ(d.opacity, enabled ? 1.0 : 0.5) << d.imageName;
        }
        EXPECT_EQ(names.front(), "tui-slider-alley");
        EXPECT_EQ(names.back(), "tui-slider-handle");
        EXPECT_NE(std::find(names.begin(), names.end(), "tui-slider"), names.end()) << "the filled part";
    }
}

TEST(StyledSlider, AFixedWidthIsAtLeastTheBarPicturesWidth) {
    SliderFixture<StyledSlider> f;
    const tk::Size bar = StyledSliderCell::style()->barImage(StyledControlState::defaultState)->size();
    const tk::Size knob = StyledSliderCell::style()->knobImage(StyledControlState::defaultState)->size();
    f.slider->setFixedWidth(1);
    EXPECT_EQ(f.slider->intrinsicContentSize(), (tk::Size{bar.width, std::max(bar.height, knob.height)}));
    f.slider->setFixedWidth(150);
    EXPECT_DOUBLE_EQ(f.slider->intrinsicContentSize().width, 150);
}

} // namespace
} // namespace Tessaly
