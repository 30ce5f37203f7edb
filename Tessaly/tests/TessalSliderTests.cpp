// The declarative slider: its model's arithmetic and callbacks, and the hosted slider driven by
// injected pointer events.

#include "Tessaly/Declarative/TessalSlider.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
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

using B = SliderIconClickBehaviour;

std::shared_ptr<TessalSliderModel> makeModel(std::vector<double> starting, B behaviour = B::maxMin,
                                             double increment = 0.1) {
    return std::make_shared<TessalSliderModel>(std::move(starting), 0.5, 0, 1, increment, behaviour);
}

TEST(TessalSliderModel, OneDistinctStartingValueIsTheValueAnythingElseIsMixed) {
    const struct {
        std::vector<double> starting;
        std::optional<double> value;
    } cases[] = {{{0.2, 0.2}, 0.2}, {{0.2, 0.5}, std::nullopt}, {{}, std::nullopt}, {{0.7}, 0.7}};
    for (const auto& c : cases)
        EXPECT_EQ(makeModel(c.starting)->value(), c.value) << c.starting.size();
}

TEST(TessalSliderModel, FractionAndPositionStayInTheRangeAndAnEmptyRangeGivesZero) {
    auto m = makeModel({0.25});
    EXPECT_DOUBLE_EQ(m->fraction(-3), 0);
    EXPECT_DOUBLE_EQ(m->fraction(3), 1);
    EXPECT_DOUBLE_EQ(*m->position(), 0.25);
    m->setPosition(1.7);
    EXPECT_DOUBLE_EQ(*m->value(), 1);
    m->setPosition(std::nullopt);
    EXPECT_FALSE(m->value());
    EXPECT_FALSE(m->position());

    auto empty = std::make_shared<TessalSliderModel>(std::vector<double>{3}, 3, 3, 3, 1, B::maxMin);
    EXPECT_EQ(empty->fraction(3), 0) << "no division by an empty range";
    EXPECT_EQ(*empty->position(), 0);
}

TEST(TessalSliderModel, EndIconsSetTheEndsOrStepFromTheValueOrTheDefaultAndComplete) {
    std::vector<double> completed;
    auto steps = makeModel({0.2, 0.9}, B::increment);
    steps->onSlideComplete = [&](double v) { completed.push_back(v); };
    steps->leftIconClicked(); // mixed: from the default 0.5
    EXPECT_DOUBLE_EQ(*steps->value(), 0.4);
    for (int i = 0; i < 8; ++i)
        steps->rightIconClicked();
    EXPECT_DOUBLE_EQ(*steps->value(), 1) << "bounded by the maximum";

    auto ends = makeModel({0.3});
    ends->leftIconClicked();
    EXPECT_EQ(ends->value(), 0.0);
    ends->rightIconClicked();
    EXPECT_EQ(ends->value(), 1.0);
    EXPECT_EQ(completed.size(), 9u);
}

TEST(TessalSliderModel, ResetAlwaysCompletesButNotifiesOnlyOnAChange) {
    auto m = makeModel({0.5});
    int notified = 0, completed = 0;
    auto token = m->observe([&] { ++notified; });
    m->onSlideComplete = [&](double v) {
        EXPECT_DOUBLE_EQ(v, 0.5);
        ++completed;
    };
    m->reset();
    m->setValue(0.5);
    EXPECT_EQ(notified, 0);
    EXPECT_EQ(completed, 1);
    m->setValue(std::nullopt);
    m->setValue(std::nullopt);
    EXPECT_EQ(notified, 1);
}

// A slider hosted in a window (of `scale` pixels per point); the track is 200 points wide.
struct HostedSlider {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window;
    std::shared_ptr<TessalSliderModel> model;
    std::shared_ptr<tk::ui::HostingView> host;
    std::vector<std::string> calls;

    explicit HostedSlider(std::shared_ptr<TessalSliderModel> m, double scale = 1)
        : window(tk::Size{248, 40}, scale), model(std::move(m)) {
        testing::useBuiltBundles();
        model->onSlideStarted = [this](double v) { calls.push_back("started " + pct(v)); };
        model->onSlideOngoing = [this](double v) { calls.push_back("ongoing " + pct(v)); };
        model->onSlideComplete = [this](double v) { calls.push_back("complete " + pct(v)); };
        const tk::Image icon = tk::Image::draw({14, 14}, 1, [](tk::GraphicsContext&) {});
        host = tk::View::make<tk::ui::HostingView>(
            tk::ui::Node(TessalSlider{.model = model, .leftImage = icon, .rightImage = icon})
                .frame({.maxWidth = tk::ui::kInfinity, .maxHeight = tk::ui::kInfinity}));
        window.setContentView(host);
        settle();
    }
    static std::string pct(double v) { return std::to_string(int(std::lround(v * 100))); }
    void settle() {
        for (int i = 0; i < 3; ++i) {
            loop.drain();
            window.window().layoutIfNeeded();
        }
    }
    tk::View& track() const { return *tk::ui::findNodeView(*host, "slider-track"); }
    // A point on the track (x along it) in window coordinates.
    tk::Point at(double x) const { return track().convertToWindow({x, 12}); }
    double knobCentre(int i = 0) const {
        tk::View* knob = tk::ui::findNodeView(*host, "slider-knob-" + std::to_string(i));
        return knob ? knob->convertTo(tk::Rect{{}, knob->frame().size}, &track()).midX() : -1;
    }
    double knobOpacity(int i) const {
        tk::View* knob = tk::ui::findNodeView(*host, "slider-knob-" + std::to_string(i));
        double alpha = knob ? 1 : -1;
        for (tk::View* v = knob; v; v = v->subviews().empty() ? nullptr : v->subviews().front().get())
            alpha *= v->alpha(); // the opacity sits on a wrapper inside the named view
        return alpha;
    }
};

TEST(TessalSlider, TheTrackIsMeasuredAndTheKnobFollowsTheValue) {
    HostedSlider s(makeModel({0.25}));
    EXPECT_DOUBLE_EQ(s.track().frame().width(), 200);
    EXPECT_DOUBLE_EQ(s.knobCentre(), 50);
    s.model->setValue(0.0);
    s.settle();
    EXPECT_DOUBLE_EQ(s.knobCentre(), 8) << "kept 8 points inside the end";
}

TEST(TessalSlider, ClickingAwayFromTheKnobJumpsThereAndStartsWithTheNewValue) {
    HostedSlider s(makeModel({0.25}));
    s.window.mouseDown(s.at(150));
    s.window.mouseUp(s.at(150));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"started 75", "complete 75"}));
}

TEST(TessalSlider, GrabbingTheKnobMovesNothingForTwentyPointsThenFollowsWithTheOffset) {
    HostedSlider s(makeModel({0.25}));
    s.window.mouseDown(s.at(53)); // 3 points right of the knob's centre
    s.window.mouseDragged(s.at(63));
    s.window.mouseDragged(s.at(68)); // 15 points travelled
    EXPECT_EQ(s.calls, (std::vector<std::string>{"started 25"}));
    s.window.mouseDragged(s.at(78)); // 25 travelled: 78 - 3 = 75 on the track
    s.window.mouseUp(s.at(78));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"started 25", "ongoing 38", "complete 38"}));
}

TEST(TessalSlider, AKnobGrabbedNearItsEdgeStillReachesBothEnds) {
    HostedSlider s(makeModel({0.5}));
    s.window.mouseDown(s.at(107)); // 7 right of the centre
    s.window.mouseDragged(s.at(300));
    s.window.mouseDragged(s.at(300));
    EXPECT_DOUBLE_EQ(*s.model->value(), 1);
    s.window.mouseDragged(s.at(-50));
    s.window.mouseUp(s.at(-50));
    EXPECT_DOUBLE_EQ(*s.model->value(), 0);
}

TEST(TessalSlider, WithinEightPointsOfAnEndTheValueIsThatEnd) {
    HostedSlider s(makeModel({0.5}));
    for (const auto& [x, expected] : std::vector<std::pair<double, double>>{{5, 0}, {196, 1}, {100, 0.5}}) {
        s.window.click(s.at(x));
        EXPECT_DOUBLE_EQ(*s.model->value(), expected) << x;
    }
}

TEST(TessalSlider, ShiftSnapsToIncrementsAndRepeatsOnTheSameStepStaySilent) {
    HostedSlider s(makeModel({0.0}));
    s.window.mouseDown(s.at(150), tk::ModifierFlags::shift);
    s.calls.clear();
    s.window.mouseDragged(s.at(121), tk::ModifierFlags::shift); // 0.605 -> 0.6
    s.window.mouseDragged(s.at(119), tk::ModifierFlags::shift); // 0.595 -> 0.6 again
    s.window.mouseDragged(s.at(139), tk::ModifierFlags::shift); // 0.695 -> 0.7
    s.window.mouseUp(s.at(139), tk::ModifierFlags::shift);
    ASSERT_EQ(s.calls.size(), 3u);
    EXPECT_EQ(s.calls[0], "ongoing 60");
    EXPECT_EQ(s.calls[1], "ongoing 70");
}

TEST(TessalSlider, ShiftWithoutAPositiveIncrementMovesAsWithoutShift) {
    HostedSlider s(makeModel({0.0}, B::maxMin, 0));
    s.window.mouseDown(s.at(50), tk::ModifierFlags::shift);
    s.window.mouseDragged(s.at(150), tk::ModifierFlags::shift);
    s.window.mouseUp(s.at(150), tk::ModifierFlags::shift);
    ASSERT_TRUE(s.model->value());
    EXPECT_DOUBLE_EQ(*s.model->value(), 0.75);
}

TEST(TessalSlider, OptionClickResetsAndCompletesEvenWithoutAChange) {
    HostedSlider s(makeModel({0.5}));
    s.window.click(s.at(150), tk::ModifierFlags::option);
    EXPECT_DOUBLE_EQ(*s.model->value(), 0.5);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"complete 50"}));
}

TEST(TessalSlider, ACancelledDragEndsLikeARelease) {
    HostedSlider s(makeModel({0.5}));
    s.window.mouseDown(s.at(150));
    s.window.cancelDrag();
    EXPECT_EQ(s.calls, (std::vector<std::string>{"started 75", "complete 75"}));
}

TEST(TessalSlider, MixedValuesShowFaintKnobsAndOverFiveFillTheTrack) {
    HostedSlider two(makeModel({0.2, 0.5}));
    EXPECT_DOUBLE_EQ(two.knobOpacity(0), 0.3);
    EXPECT_DOUBLE_EQ(two.knobOpacity(1), 0.3);
    EXPECT_DOUBLE_EQ(two.knobCentre(1), 100);
    EXPECT_EQ(tk::ui::findNodeView(*two.host, "slider-knob-2"), nullptr);
    EXPECT_DOUBLE_EQ(tk::ui::findNodeView(*two.host, "slider-fill")->frame().width(), 0);

    HostedSlider six(makeModel({0.1, 0.2, 0.3, 0.4, 0.5, 0.6}));
    EXPECT_DOUBLE_EQ(six.knobOpacity(0), 0);
    EXPECT_EQ(tk::ui::findNodeView(*six.host, "slider-knob-1"), nullptr);
    EXPECT_DOUBLE_EQ(tk::ui::findNodeView(*six.host, "slider-fill")->frame().width(), 200);
}

// The fill is a picture stretched between its end caps; one that ends between pixels shows the
// track through a seam where its middle meets its right cap. So at 2x, along the fill's middle
// row, every pixel from the left cap's rounded end to the knob is one colour.
TEST(TessalSlider, TheFillIsOneColourUpToTheKnobWhereverTheValueFalls) {
    constexpr double kScale = 2;
    for (double value : {0.6, 0.613, 0.4321, 0.777}) {
        HostedSlider s(makeModel({value}), kScale);
        const tk::View& fill = *tk::ui::findNodeView(*s.host, "slider-fill");
        const tk::Point origin = fill.convertToWindow({0, 0});
        const double knobLeft = s.track().convertToWindow({s.knobCentre() - TessalSlider::kKnobHalf, 0}).x;
        const tk::BitmapContext& picture = s.window.render();
        const int y = int((origin.y + fill.frame().height() / 2) * kScale);
        const int from = int((origin.x + 4) * kScale), to = int(std::ceil(knobLeft * kScale));
        ASSERT_LT(from + 20, to) << value;
        const tk::Color first = picture.pixelColor(from, y);
        for (int x = from + 1; x < to; ++x) {
            const tk::Color c = picture.pixelColor(x, y);
            const double worst =
                255 * std::max({std::abs(c.r - first.r), std::abs(c.g - first.g), std::abs(c.b - first.b)});
            ASSERT_LE(worst, 2) << "value " << value << ": column " << x << " of " << from << "-" << to - 1;
        }
    }
}

TEST(TessalSlider, EndButtonsRunTheModelsIconActions) {
    HostedSlider s(makeModel({0.5}));
    s.window.click(s.track().convertToWindow({-15, 12}));
    EXPECT_EQ(s.model->value(), 0.0);
    s.window.click(s.track().convertToWindow({215, 12}));
    EXPECT_EQ(s.model->value(), 1.0);
}

} // namespace
} // namespace Tessaly
