// The tracking slider driven by injected drags, wheel events and hovering: stepping, the slide
// phases (a cancelled slide still completes), its action, and the cursor it shows.

#include "Tessaly/Controls/TrackingSlider.h"
#include "Tessaly/tests/ControlTestSupport.h"

#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using Log = std::vector<std::string>;

// A parent that records the wheel events that reach it.
class WheelRecorder : public tk::View {
public:
    using tk::View::View;
    int wheels = 0;
    bool scrollWheel(const tk::Event&) override {
        ++wheels;
        return true;
    }
};

class TrackingSliderTest : public ::testing::Test {
protected:
    ControlFixture f{{200, 120}};
    std::shared_ptr<WheelRecorder> parent = f.add(tk::View::make<WheelRecorder>(tk::Rect{0, 0, 200, 120}));
    std::shared_ptr<TrackingSlider> slider =
        TrackingSlider::imageViewWithImage(tk::Image::draw({14, 24}, 1, [](tk::GraphicsContext& c) {
            c.fillRect({4, 2, 6, 20}, tk::Color::white());
        }));
    std::shared_ptr<tk::Responder> target = std::make_shared<tk::Responder>();
    Log log;
    int clicks = 0;
    tk::Cancellable clickToken;

    void SetUp() override {
        slider->setFrameOrigin({20, 20});
        parent->addSubview(slider);
        slider->setTarget(target);
        slider->setAction("slid:");
        target->setActionHandler("slid:",
                                 [this](const tk::ActionSender&) { log.push_back("action " + value()); });
        slider->setOnSlideStarted([this](double v) { log.push_back("started " + format(v)); });
        slider->setOnSlideComplete([this](double v) { log.push_back("complete " + format(v)); });
        clickToken = slider->clicked().sink([this](const ClickableImageView::Click&) { ++clicks; });
    }
    static std::string format(double v) {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", v);
        return text;
    }
    std::string value() const { return format(slider->doubleValue()); }
    // A press in the middle and a drag `dy` points up: the slide has begun.
    void begin(double dy = 4) {
        f.window->mouseDown({27, 32});
        f.window->mouseDragged({27, 32 - dy});
        y_ = 32 - dy;
    }
    // `n` drags of `step` points each (negative: up), one event time step apart.
    void dragBy(double step, int n) {
        for (int i = 0; i < n; ++i) {
            y_ += step;
            f.window->mouseDragged({27, y_});
        }
    }
    double y_ = 32;
};

TEST_F(TrackingSliderTest, AFastDragStepsOncePerEventAndASlowOneNot) {
    EXPECT_EQ(slider->frame().size, (tk::Size{14, 24})) << "sized to its image";
    begin();
    EXPECT_EQ(log, (Log{"started 0.00"}));
    EXPECT_EQ(clicks, 1) << "a slide begins with a click";
    EXPECT_FALSE(slider->valueWasEdited());
    dragBy(-2, 10); // 200 points a second upwards
    EXPECT_NEAR(slider->doubleValue(), 0.1, 1e-9);
    EXPECT_TRUE(slider->valueWasEdited());
    dragBy(-0.04, 5); // 4 points a second: too slow
    EXPECT_NEAR(slider->doubleValue(), 0.1, 1e-9);
    dragBy(3, 2); // down lowers it
    f.window->mouseUp({27, y_});
    EXPECT_EQ(log, (Log{"started 0.00", "action 0.08", "complete 0.08"})) << "not continuous: one action";
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrackingSliderTest, AContinuousSliderSendsEveryStepEvenAtTheEndOfTheRange) {
    slider->setContinuous(true);
    slider->setHorizontal(true);
    slider->setDoubleValue(0.99);
    f.window->mouseDown({27, 32});
    f.window->mouseDragged({31, 32});
    f.window->mouseDragged({33, 32});
    f.window->mouseDragged({35, 32});
    f.window->mouseDragged({35, 10}); // straight up: no speed along the axis
    f.window->mouseUp({35, 10});
    EXPECT_EQ(log, (Log{"started 0.99", "action 1.00", "action 1.00", "action 1.00", "complete 1.00"}));
}

TEST_F(TrackingSliderTest, ACancelledSlideCompletesAsAnEnd) {
    begin();
    dragBy(-2, 3);
    f.window->cancelDrag();
    EXPECT_EQ(log, (Log{"started 0.00", "action 0.03", "complete 0.03"}));
    EXPECT_FALSE(slider->isSliding());
}

TEST_F(TrackingSliderTest, DisablingMidSlideCompletesItOnceAndADisabledSliderIgnoresDrags) {
    begin();
    dragBy(-2, 2);
    slider->setEnabled(false);
    EXPECT_EQ(log, (Log{"started 0.00", "complete 0.02"})) << "completed, no action";
    dragBy(-2, 2);
    f.window->mouseUp({27, y_});
    EXPECT_EQ(log.size(), 2u);
    EXPECT_NEAR(slider->doubleValue(), 0.02, 1e-9);

    log.clear();
    clicks = 0;
    begin();
    dragBy(-2, 3);
    f.window->mouseUp({27, y_});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(clicks, 0);
}

TEST_F(TrackingSliderTest, APlainClickIsNoSlide) {
    f.window->mouseDown({27, 32});
    EXPECT_EQ(slider->alpha(), 0.5) << "dimmed while pressed";
    f.window->mouseUp({27, 32});
    EXPECT_EQ(slider->alpha(), 1.0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(log.empty()) << "no action, no phases";
    EXPECT_FALSE(slider->acceptsFirstResponder());
}

TEST_F(TrackingSliderTest, TheWheelStepsAfterTheViewsBehindItSawTheEvent) {
    struct Case {
        bool horizontal;
        bool inverted;
        double dx, dy;
        const char* value; // from 0.5
    };
    const Case cases[] = {
        {false, false, 0, 3, "0.51"},     {false, true, 0, 3, "0.49"}, {false, false, 0, -1, "0.49"},
        {true, false, 2, 0, "0.51"},      {true, true, 2, 0, "0.51"},  {true, false, 0, 5, "0.50"},
        {false, false, 0.001, 0, "0.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.horizontal ? "horizontal" : "vertical") + (c.inverted ? " inverted" : ""));
        slider->setHorizontal(c.horizontal);
        slider->setDoubleValue(0.5);
        log.clear();
        parent->wheels = 0;
        tk::Event e;
        e.type = tk::EventType::scrollWheel;
        e.locationInWindow = {27, 32};
        e.scrollingDelta = {c.dx, c.dy};
        e.isDirectionInvertedFromDevice = c.inverted;
        f.window->window().sendEvent(e);
        EXPECT_EQ(value(), c.value);
        EXPECT_EQ(parent->wheels, 1);
        EXPECT_EQ(log.size(), std::string(c.value) == "0.50" ? 0u : 1u) << "the action goes with each step";
    }
    slider->setEnabled(false);
    parent->wheels = 0;
    f.window->scroll({27, 32}, 0, 3);
    EXPECT_EQ(value(), "0.50");
    EXPECT_EQ(parent->wheels, 1) << "a disabled slider still lets the wheel through";
}

TEST_F(TrackingSliderTest, ValuesStayInTheRange) {
    slider->setMinimumValue(-10);
    slider->setMaximumValue(10);
    slider->setDoubleValue(-2.7);
    EXPECT_EQ(slider->intValue(), -2) << "truncated toward zero";
    EXPECT_EQ(slider->integerValue(), -2);
    slider->setIntegerValue(40);
    EXPECT_EQ(slider->doubleValue(), 10);
    slider->setFloatValue(-11.5f);
    EXPECT_EQ(slider->doubleValue(), -10);
    slider->setDoubleValue(std::nan(""));
    EXPECT_EQ(slider->doubleValue(), -10) << "NaN is no value";
    slider->setMinimumValue(-1e300);
    slider->setDoubleValue(-1e200);
    EXPECT_EQ(slider->intValue(), std::numeric_limits<std::int32_t>::min()) << "saturates";
    EXPECT_EQ(slider->integerValue(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(TrackingSlider::movementDirection(0), TrackingSlider::MovementDirection::horizontal);
    EXPECT_EQ(TrackingSlider::movementDirection(1), TrackingSlider::MovementDirection::vertical);
    EXPECT_EQ(TrackingSlider::movementDirection(2), std::nullopt);
    EXPECT_FALSE(slider->isHorizontal()) << "vertical by default";
}

TEST_F(TrackingSliderTest, TheValuePublisherSendsTheValueOfEachAction) {
    std::vector<double> values;
    auto token = slider->valuePublisher().sink([&](const double& v) { values.push_back(v); });
    slider->setContinuous(true);
    slider->applyIncrement(3, true);
    slider->applyIncrement(0, true);
    slider->applyIncrement(-1, false);
    slider->applyIncrement(-1, true);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_NEAR(values[0], 0.01, 1e-9);
    EXPECT_NEAR(values[1], 0, 1e-9);
}

TEST_F(TrackingSliderTest, ItShowsItsCursorWhileHoveredAndTakesOffOnlyItsOwnPush) {
    tk::Window& w = f.window->window();
    f.window->moveMouse({100, 100});
    f.window->moveMouse({27, 32});
    EXPECT_EQ(w.cursorStack().topImage(), slider->cursor());
    EXPECT_EQ(slider->cursor()->hotSpot, (tk::Point{3, 4}));
    // Someone pushes above it; leaving takes off the slider's push only.
    w.cursorStack().push(tk::Cursor::crosshair);
    f.window->moveMouse({100, 100});
    EXPECT_EQ(w.cursorStack().top(), tk::Cursor::crosshair);
    EXPECT_EQ(w.cursorStack().topImage(), nullptr);
    w.cursorStack().pop();
    EXPECT_TRUE(w.cursorStack().empty());

    // Hidden or removed while hovered: the cursor goes with it.
    f.window->moveMouse({27, 32});
    slider->setHidden(true);
    EXPECT_TRUE(w.cursorStack().empty());
    slider->setHidden(false);
    f.window->moveMouse({100, 100});
    f.window->moveMouse({27, 32});
    ASSERT_FALSE(w.cursorStack().empty());
    slider->removeFromSuperview();
    EXPECT_TRUE(w.cursorStack().empty());
}

} // namespace
} // namespace Tessaly
