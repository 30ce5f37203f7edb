#include "Korvane/Controls/ImageButton.h"
#include "Korvane/Controls/LeftRightArrowButton.h"
#include "Korvane/Controls/ModeToggleButton.h"
#include "Korvane/Controls/ParameterHoldButton.h"
#include "Korvane/Controls/ToggleButton.h"
#include "Korvane/Controls/ZindralButton.h"
#include "Korvane/Controls/ZindralToggleButton.h"
#include "Korvane/Controls/ZindralToggleButtonNarrow.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/graphics/RecordingContext.h"

#include <gtest/gtest.h>

#include <functional>

namespace Korvane {
namespace {

using namespace testing;
using tk::Point;

const ParameterShape kModes{.units = au::ParameterUnit::indexed,
                            .hi = 3,
                            .valueStrings = std::vector<std::string>{"Abcd", "Abca", "Abbc", "Aaab"}};

enum class Kind { toggle, mode, zindralToggle, narrow, arrow };

struct Pressed {
    std::shared_ptr<RecordingParameter> param;
    tk::Size size;
    std::unique_ptr<HostedTree> tree;
};

Pressed show(Kind kind, ParameterShape shape) {
    useBuiltBundles();
    Pressed p;
    p.param = makeParameter(shape);
    tk::ui::Node node;
    switch (kind) {
    case Kind::toggle:
        node = ToggleButton(p.param, tk::Color::white(), std::nullopt, 13);
        p.size = ToggleButton::buttonSize;
        break;
    case Kind::mode:
        node = ModeToggleButton(p.param, 2, tk::Color::white(), ToggleButtonStyle::modern, 13);
        p.size = ModeToggleButton::buttonSize;
        break;
    case Kind::zindralToggle:
        node = ZindralToggleButton(p.param, 2, ZindralButtonColor::yellow);
        p.size = ZindralToggleButton::buttonSize;
        break;
    case Kind::narrow:
        node = ZindralToggleButtonNarrow(p.param, std::nullopt);
        p.size = ZindralToggleButtonNarrow::buttonSize;
        break;
    case Kind::arrow:
        node = LeftRightArrowButton(p.param, 0);
        p.size = LeftRightArrowButton::buttonSize;
        break;
    }
    p.tree = std::make_unique<HostedTree>(node, p.size);
    return p;
}

struct PressCase {
    const char* name;
    Kind kind;
    ParameterShape shape;
    // Pointer path in fractions of the button size: down at the first point, drags, up at the last.
    std::vector<Point> path;
    std::vector<Edit> edits;
};

TEST(ParameterToggles, PressesEditAsBeginChangeEnd) {
    const Point centre{0.5, 0.5};
    const PressCase cases[] = {
        {"toggle at 0 turns on", Kind::toggle, {.value = 0}, {centre}, {begin(0), change(1), end(1)}},
        {"toggle at 1 turns off", Kind::toggle, {.value = 1}, {centre}, {begin(1), change(0), end(0)}},
        {"toggle at 0.5 turns off",
         Kind::toggle,
         {.value = 0.5f},
         {centre},
         {begin(0.5f), change(0), end(0)}},
        {"dragged off: no change", Kind::mode, kModes, {centre, {1.5, 0.5}}, {begin(0), end(0)}},
        {"released on the right edge: outside",
         Kind::toggle,
         {.value = 0},
         {centre, {1.0, 0.5}},
         {begin(0), end(0)}},
        {"released on the bottom edge: outside",
         Kind::toggle,
         {.value = 0},
         {centre, {0.5, 1.0}},
         {begin(0), end(0)}},
        {"dragged off and back: acts",
         Kind::toggle,
         {.value = 0},
         {centre, {2, 2}, centre},
         {begin(0), change(1), end(1)}},
        {"pick-one button sets its index", Kind::mode, kModes, {centre}, {begin(0), change(2), end(2)}},
        {"an on pick-one button sets its index again",
         Kind::zindralToggle,
         {.units = au::ParameterUnit::indexed, .hi = 3, .value = 2},
         {centre},
         {begin(2), change(2), end(2)}},
        {"narrow toggle flips", Kind::narrow, {.value = 0}, {centre}, {begin(0), change(1), end(1)}},
        {"arrow flips", Kind::arrow, {.value = 1}, {centre}, {begin(1), change(0), end(0)}},
    };
    for (const auto& c : cases) {
        auto p = show(c.kind, c.shape);
        auto at = [&](Point f) { return Point{f.x * p.size.width, f.y * p.size.height}; };
        auto& w = p.tree->window;
        w.mouseDown(at(c.path.front()));
        for (std::size_t i = 1; i < c.path.size(); ++i) {
            w.mouseDragged(at(c.path[i]));
        }
        w.mouseUp(at(c.path.back()));
        EXPECT_EQ(p.param->edits, c.edits) << c.name;
    }
}

TEST(ParameterToggles, ACancelledPressEndsWithTheValueUnchanged) {
    for (Kind kind : {Kind::toggle, Kind::mode, Kind::zindralToggle, Kind::narrow, Kind::arrow}) {
        auto p = show(kind, kModes);
        p.tree->window.mouseDown({5, 5});
        p.tree->window.cancelDrag();
        EXPECT_EQ(p.param->edits, (std::vector<Edit>{begin(0), end(0)})) << static_cast<int>(kind);
        p.tree->window.mouseUp({5, 5});
        EXPECT_EQ(p.param->edits.size(), 2u) << "nothing after the cancel";
    }
}

std::vector<std::string> drawnImages(HostedTree& tree) {
    tree.settle();
    tk::RecordingContext context;
    tree.window.window().render(context);
    return context.imageNames();
}

TEST(ParameterToggles, ShowTheirPictureForPressedAndOn) {
    struct Case {
        Kind kind;
        float value;
        const char* resting;
        const char* pressed;
    } cases[] = {
        {Kind::zindralToggle, 0, "zindral-button-grey-off", "zindral-button-grey-off-down"},
        {Kind::zindralToggle, 2.5f, "zindral-button-grey-on-yellow", "zindral-button-grey-on-yellow-down"},
        {Kind::narrow, 1, "zindral-button-narrow-grey-on-yellow",
         "zindral-button-narrow-grey-on-yellow-down"},
        {Kind::mode, 1, "modern-button", "modern-button-down"},
        {Kind::toggle, 1, "modern-button-on", "modern-button-on-down"},
        {Kind::arrow, 0, "zindral-button-small-yellow-left", "zindral-button-small-yellow-left-down"},
        {Kind::arrow, 1, "zindral-button-small-yellow-right", "zindral-button-small-yellow-right-down"},
    };
    for (const auto& c : cases) {
        auto shape = kModes;
        shape.value = c.value;
        auto p = show(c.kind, shape);
        EXPECT_EQ(drawnImages(*p.tree), std::vector<std::string>{c.resting});
        p.tree->window.mouseDown({5, 5});
        EXPECT_EQ(drawnImages(*p.tree), std::vector<std::string>{c.pressed});
        p.tree->window.mouseUp({-5, -5});
        EXPECT_EQ(drawnImages(*p.tree), std::vector<std::string>{c.resting});
    }
}

TEST(ParameterToggles, TitlesFromValueStringsAndNames) {
    struct Case {
        Kind kind;
        ParameterShape shape;
        std::vector<std::string> texts;
    } cases[] = {
        {Kind::mode, kModes, {"ABBC"}},
        {Kind::zindralToggle, kModes, {"ABBC"}},
        {Kind::zindralToggle, {.hi = 3}, {""}}, // no value strings: an empty title
        {Kind::toggle, {.name = "Gate"}, {"GATE"}},
        {Kind::narrow, {}, {}}, // no title: only the picture
    };
    for (const auto& c : cases) {
        auto p = show(c.kind, c.shape);
        p.tree->settle();
        tk::RecordingContext context;
        p.tree->window.window().render(context);
        std::vector<std::string> shown;
        for (const auto& text : context.textStrings()) {
            shown.push_back(text);
        }
        if (c.texts == std::vector<std::string>{""}) {
            EXPECT_TRUE(shown.empty() || shown == c.texts) << static_cast<int>(c.kind);
        } else {
            EXPECT_EQ(shown, c.texts) << static_cast<int>(c.kind);
        }
    }
}

struct Held {
    std::shared_ptr<RecordingParameter> param = makeParameter({});
    std::unique_ptr<HostedTree> tree;
    Held() {
        useBuiltBundles();
        tree = std::make_unique<HostedTree>(
            ParameterHoldButton(param, Images::modernButton(), Images::modernButtonDown()), tk::Size{88, 27});
    }
};

TEST(ParameterHoldButton, HoldsTheValueAtOneWhilePressed) {
    Held held;
    held.tree->window.mouseDown({40, 10});
    EXPECT_EQ(held.param->edits, (std::vector<Edit>{begin(0), change(1)}));
    held.tree->window.mouseDragged({400, 100});
    held.tree->window.mouseUp({400, 100}); // wherever it ends
    EXPECT_EQ(held.param->edits, (std::vector<Edit>{begin(0), change(1), change(0), end(0)}));
}

TEST(ParameterHoldButton, EveryEndBelongsToAPress) {
    Held held;
    // Automation holds it at 1: the pressed picture shows, no edit is made.
    held.param->setValue(1, ParameterEditor::parameterObserver, ParameterEditorState::change);
    EXPECT_EQ(drawnImages(*held.tree), std::vector<std::string>{"modern-button-down"});
    held.param->edits.clear();

    held.tree->window.mouseDown({40, 10});
    held.tree->window.mouseUp({40, 10});
    EXPECT_EQ(held.param->edits, (std::vector<Edit>{begin(1), change(1), change(0), end(0)}));
    held.tree->settle();

    held.param->edits.clear();
    held.tree->window.mouseDown({40, 10});
    held.tree->window.cancelDrag();
    EXPECT_EQ(held.param->edits, (std::vector<Edit>{begin(0), change(1), change(0), end(0)}));
    held.tree->settle();

    held.param->edits.clear();
    held.param->setValue(1, ParameterEditor::parameterObserver, ParameterEditorState::change);
    EXPECT_EQ(drawnImages(*held.tree), std::vector<std::string>{"modern-button-down"});
    held.param->setValue(0, ParameterEditor::parameterObserver, ParameterEditorState::change);
    held.tree->settle();
    EXPECT_EQ(held.param->edits.size(), 2u) << "only the two automation values, no edit of the button";
    EXPECT_EQ(drawnImages(*held.tree), std::vector<std::string>{"modern-button"});
}

TEST(MomentaryButtons, ActOnlyOnAReleaseInside) {
    useBuiltBundles();
    int presses = 0;
    HostedTree tree(ZindralButton("Seed", ZindralButtonColor::yellow, [&] { ++presses; }),
                    ZindralButton::buttonSize);
    tree.window.click({20, 20});
    EXPECT_EQ(presses, 1);
    tree.window.drag({20, 20}, {60, 20});
    EXPECT_EQ(presses, 1) << "dragged off";
    tree.window.mouseDown({20, 20});
    tree.window.cancelDrag();
    EXPECT_EQ(presses, 1) << "cancelled";
    tree.window.mouseDown({20, 20});
    EXPECT_EQ(drawnImages(tree), std::vector<std::string>{"zindral-button-yellow-down"});
    tree.window.mouseUp({20, 20});
    EXPECT_EQ(drawnImages(tree), std::vector<std::string>{"zindral-button-yellow"});
    EXPECT_EQ(presses, 2);
}

TEST(MomentaryButtons, ImageButtonTellsWhetherOptionIsHeld) {
    useBuiltBundles();
    std::vector<bool> presses;
    HostedTree tree(ImageButton(Images::zindralButtonYellow(), Images::zindralButtonYellowDown(),
                                [&](bool option) { presses.push_back(option); }),
                    ImageButton::buttonSize);
    tree.window.click({20, 20}, tk::ModifierFlags::option);
    tree.window.click({20, 20});
    tree.window.click({20, 20}, tk::ModifierFlags::shift);
    EXPECT_EQ(presses, (std::vector<bool>{true, false, false}));
}

} // namespace
} // namespace Korvane
