#include "Korvane/Controls/FilmStripDials.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/base/IndexString.h"
#include "platform/tk/graphics/RecordingContext.h"

#include "platform/tk/view/TextField.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Korvane {
namespace {

using namespace testing;

const LabelDisplayOptions kOptions{.valueColor = tk::Color::white(),
                                   .labelFontSize = 10,
                                   .valueFontSize = 12,
                                   .editingFontSize = 12,
                                   .showSuffix = true,
                                   .showName = true,
                                   .labelWidth = 50};
constexpr tk::Size kWindow{100, 120};

enum class Dial { zindral, mediumRed, mediumBlue, tiny };

tk::ui::Node makeDial(Dial dial, std::shared_ptr<AudioParameter> param,
                      const LabelDisplayOptions& options = kOptions) {
    switch (dial) {
    case Dial::zindral:
        return ZindralDial(param, ModernDialColor::grey, options, nullptr, [] {});
    case Dial::mediumRed:
        return MediumDial(param, SmallDialColor::red, options, nullptr, [] {});
    case Dial::mediumBlue:
        return MediumDial(param, SmallDialColor::blue, options, nullptr, [] {});
    case Dial::tiny:
        break;
    }
    return TinyDial(param, options, nullptr, [] {});
}

std::unique_ptr<tk::RecordingContext> drawn(HostedTree& tree) {
    tree.settle();
    auto context = std::make_unique<tk::RecordingContext>();
    tree.window.window().render(*context);
    return context;
}

TEST(FilmStripDials, ShowTheFrameOfTheValue) {
    struct Case {
        Dial dial;
        float value;
        const char* image;
    } cases[] = {
        {Dial::mediumRed, 1, "knobs/dial-medium-red-51"},
        {Dial::mediumRed, 0, "knobs/dial-medium-red-01"},
        {Dial::mediumBlue, 0.5f, "knobs/dial-medium-blue-26"},
        {Dial::zindral, 0.5f, "knobs/zindral-dial-grey_26"},
        {Dial::zindral, 0.19f, "knobs/zindral-dial-grey_11"},
        {Dial::tiny, 0.02f, "knobs/dial-small-grey-02"},
    };
    for (const auto& c : cases) {
        useBuiltBundles();
        HostedTree tree(makeDial(c.dial, makeParameter({.value = c.value})), kWindow);
        EXPECT_EQ(drawn(tree)->imageNames(), std::vector<std::string>{c.image});
    }
}

TEST(FilmStripDials, FramesSitInTheirFrameShiftedUp) {
    struct Case {
        Dial dial;
        tk::Rect rect;
    } cases[] = {
        {Dial::zindral, {22, 12, 56, 64}},  // 56 x 64 centred in 100 x 120, 16 up
        {Dial::mediumRed, {16, 2, 68, 84}}, // 68 x 84, 16 up
        {Dial::tiny, {33, 40, 34, 40}},     // 34 x 40, not shifted
    };
    for (const auto& c : cases) {
        useBuiltBundles();
        HostedTree tree(makeDial(c.dial, makeParameter({})), kWindow);
        const auto images = drawn(tree)->images();
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(images[0].deviceRect(), c.rect) << static_cast<int>(c.dial);
    }
}

TEST(FilmStripDials, ShowOneDecimalWithoutAFormatter) {
    useBuiltBundles();
    HostedTree cents(
        makeDial(Dial::zindral,
                 makeParameter(
                     {.units = au::ParameterUnit::absoluteCents, .hi = 100, .value = 50, .name = "Swing"})),
        kWindow);
    EXPECT_EQ(drawn(cents)->textStrings(), (std::vector<std::string>{"SWING", "0.5"}));
    HostedTree percent(
        makeDial(
            Dial::tiny,
            makeParameter({.units = au::ParameterUnit::percent, .hi = 100, .value = 12.34f, .name = "Rest"})),
        kWindow);
    EXPECT_EQ(drawn(percent)->textStrings(), (std::vector<std::string>{"REST", "12.3", "%"}));
}

TEST(FilmStripDials, TinyDialReactsSoonerAndTurnsFurther) {
    // Dragged on the upper part of the picture, away from the label's text (a tap there edits it).
    LabelDisplayOptions valueOnly = kOptions;
    valueOnly.showName = false;
    struct Case {
        Dial dial;
        double firstStep;
        std::vector<Edit> edits;
    } cases[] = {
        {Dial::tiny, 2, {}},
        {Dial::tiny, 3, {begin(0.5f), change(0.6f), end(0.6f)}},
        {Dial::zindral, 5, {}},
        {Dial::zindral, 6, {begin(0.5f), change(0.55f), end(0.55f)}},
    };
    for (const auto& c : cases) {
        useBuiltBundles();
        auto param = makeParameter({.value = 0.5f});
        HostedTree tree(makeDial(c.dial, param, valueOnly), kWindow);
        const double y = c.dial == Dial::tiny ? 44 : 20;
        tree.window.mouseDown({50, y});
        tree.window.mouseDragged({50, y - c.firstStep});
        if (!param->edits.empty()) {
            tree.window.mouseDragged({50, y - c.firstStep - 10});
        }
        tree.window.mouseUp({50, y - c.firstStep - 10});
        ASSERT_EQ(param->edits.size(), c.edits.size())
            << static_cast<int>(c.dial) << " after " << c.firstStep;
        for (std::size_t i = 0; i < c.edits.size(); ++i) {
            EXPECT_EQ(param->edits[i].state, c.edits[i].state);
            EXPECT_NEAR(param->edits[i].value, c.edits[i].value, 1e-5);
        }
    }
}

TEST(FilmStripDials, ATapOnTheNameOpensTheValueFieldAndADragFromTheNameTurnsTheKnob) {
    for (Dial dial : {Dial::zindral, Dial::tiny}) {
        SCOPED_TRACE(static_cast<int>(dial));
        useBuiltBundles();
        auto param = makeParameter({.value = 0.5f, .name = "Gate"});
        HostedTree tree(makeDial(dial, param), kWindow);
        const auto name = drawn(tree)->texts().front();
        ASSERT_EQ(name.text, "GATE");
        const tk::Point onName = name.deviceRect().center();

        tree.window.drag(onName, {onName.x, onName.y - 30}, 6);
        tree.settle();
        ASSERT_FALSE(param->edits.empty()) << "the drag turns the knob";
        EXPECT_EQ(param->edits.front().state, ParameterEditorState::beginInteractive);
        EXPECT_EQ(param->edits.back().state, ParameterEditorState::endInteractive);
        EXPECT_GT(param->edits.back().value, 0.5f);
        EXPECT_EQ(dynamic_cast<tk::TextField*>(tree.window.window().firstResponder()), nullptr)
            << "a drag is no tap";

        tree.window.click(onName);
        tree.settle();
        EXPECT_NE(dynamic_cast<tk::TextField*>(tree.window.window().firstResponder()), nullptr)
            << "a tap on the name opens the field";
    }
}

TEST(FilmStripDials, EveryFrameNameOfEveryStripIsInTheBundle) {
    useBuiltBundles();
    for (const DialStyle& style :
         {zindralDialStyle(), mediumDialStyle(SmallDialColor::blue), mediumDialStyle(SmallDialColor::yellow),
          mediumDialStyle(SmallDialColor::red), mediumDialStyle(SmallDialColor::purple), tinyDialStyle()}) {
        for (int k = 1; k <= kDialImageCount; ++k) {
            const auto image = korvaneResources().image(dialFrameName(style, k));
            ASSERT_TRUE(image.has_value()) << dialFrameName(style, k);
            EXPECT_EQ(image->size(), style.frameSize) << dialFrameName(style, k);
        }
    }
}

TEST(FilmStripDials, FrameNamesArePadded) {
    EXPECT_EQ(dialFrameName(tinyDialStyle(), 7), "knobs/dial-small-grey-07");
    EXPECT_EQ(dialFrameName(tinyDialStyle(), 10), "knobs/dial-small-grey-10");
    EXPECT_EQ(dialFrameName(zindralDialStyle(), 51), "knobs/zindral-dial-grey_51");
    EXPECT_EQ(dialFrameName(mediumDialStyle(SmallDialColor::purple), 1), "knobs/dial-medium-purple-01");
}

} // namespace
} // namespace Korvane
