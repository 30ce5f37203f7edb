#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/DialLabel.h"
#include "Korvane/Controls/LabelNameFormatter.h"

#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/TextField.h"

#include <gtest/gtest.h>

namespace Korvane {
namespace {

using namespace testing;

const LabelDisplayOptions kOptions{.valueColor = tk::Color::white(),
                                   .labelFontSize = 11,
                                   .valueFontSize = 14,
                                   .editingFontSize = 14,
                                   .showSuffix = true,
                                   .showName = true,
                                   .labelWidth = 60};
constexpr tk::Size kWindow{160, 100};
constexpr tk::Point kOnLabel{80, 55};
constexpr tk::Point kElsewhere{3, 3};

struct Label {
    explicit Label(const ParameterShape& shape, std::shared_ptr<const LabelFormatter> formatter = nullptr)
        : param((useBuiltBundles(), makeParameter(shape))),
          tree(DialLabel(param, tk::Color::gray(0.6), kOptions, KorvFont::rocket,
                         formatter ? formatter : std::make_shared<DefaultLabelFormatter>(*param, 1),
                         [this] { ++editingEnded; }),
               kWindow) {}

    std::vector<std::string> shownTexts() {
        tree.settle();
        tk::RecordingContext context;
        tree.window.window().render(context);
        return context.textStrings();
    }
    void open() {
        tree.window.click(kOnLabel);
        tree.settle();
    }
    void typeAndReturn(const std::string& text) {
        open();
        tree.window.type(text);
        tree.window.key(tk::KeyCode::returnKey);
        tree.settle();
    }

    std::shared_ptr<RecordingParameter> param;
    int editingEnded = 0;
    HostedTree tree;
};

const ParameterShape kCents{
    .units = au::ParameterUnit::absoluteCents, .hi = 100, .value = 50, .name = "Swing"};

TEST(DialLabel, ShowsNameValueAndSuffix) {
    struct Case {
        ParameterShape shape;
        std::vector<std::string> texts;
    } cases[] = {
        {{.units = au::ParameterUnit::hertz, .hi = 20000, .value = 440, .name = "Cutoff"},
         {"CUTOFF", "440.0", "Hz"}},
        {{.units = au::ParameterUnit::seconds, .hi = 10, .value = 2, .name = "Time"}, {"TIME", "2.0"}},
        {kCents, {"SWING", "0.5"}},
    };
    for (const auto& c : cases) {
        Label label(c.shape);
        EXPECT_EQ(label.shownTexts(), c.texts);
    }
}

TEST(DialLabel, TheSuffixStandsFourPointsAfterTheNumber) {
    Label label({.units = au::ParameterUnit::hertz, .hi = 20000, .value = 440, .name = "Cutoff"});
    label.tree.settle();
    tk::RecordingContext context;
    label.tree.window.window().render(context);
    const auto texts = context.texts();
    ASSERT_EQ(texts.size(), 3u);
    const tk::Rect number = texts[1].deviceRect();
    const tk::Rect suffix = texts[2].deviceRect();
    EXPECT_NEAR(suffix.x() - (number.x() + number.width()), 4, 0.01);
    EXPECT_EQ(texts[1].textAttributes.font.name(), "Rocket");
    EXPECT_EQ(texts[1].textAttributes.font.size(), 14);
    EXPECT_EQ(texts[1].color, tk::Color::white());
    EXPECT_EQ(texts[0].textAttributes.font.size(), 11);
}

TEST(DialLabel, TypedValuesAreOneChange) {
    struct Case {
        const char* name;
        ParameterShape shape;
        const char* typed;
        std::vector<Edit> edits;
    } cases[] = {
        {"cents are typed as hundreds", kCents, "0.75", {change(75)}},
        {"clamped to the range", {.hi = 1, .value = 0.5f}, "5", {change(1)}},
        {"clamped below", {.lo = -1, .hi = 1}, "-7", {change(-1)}},
        {"indexed values are rounded as the knob rounds",
         {.units = au::ParameterUnit::indexed, .hi = 4},
         "2.5",
         {change(3)}},
        {"indexed, below a half", {.units = au::ParameterUnit::indexed, .hi = 4}, "1.49", {change(1)}},
        {"letters", {.value = 0.5f}, "abc", {}},
        {"a leading space", {.value = 0.5f}, " 0.7", {}},
        {"trailing characters", {.value = 0.5f}, "0.7x", {}},
        {"not a number", {.value = 0.5f}, "nan", {}},
        {"infinity", {.value = 0.5f}, "inf", {}},
        {"beyond float range", {.value = 0.5f}, "1e39", {}},
        {"nothing typed", {.value = 0.5f}, "", {}},
    };
    for (const auto& c : cases) {
        Label label(c.shape);
        label.typeAndReturn(c.typed);
        EXPECT_EQ(label.param->edits, c.edits) << c.name;
        EXPECT_EQ(label.editingEnded, 1) << c.name;
        EXPECT_FALSE(label.tree.host->rootView() == nullptr);
        // The field has closed, and the value row shows the current value again.
        const auto texts = label.shownTexts();
        ASSERT_FALSE(texts.empty()) << c.name;
        EXPECT_EQ(texts[1], DefaultLabelFormatter(*label.param, 1).format(label.param->value.peek()))
            << c.name;
    }
}

TEST(DialLabel, EscapeFinishesWithoutApplying) {
    Label label({.value = 0.5f});
    label.open();
    label.tree.window.type("0.9");
    label.tree.window.key(tk::KeyCode::escape);
    label.tree.settle();
    EXPECT_TRUE(label.param->edits.empty());
    EXPECT_EQ(label.editingEnded, 1);
    EXPECT_EQ(label.shownTexts(), (std::vector<std::string>{"GATE", "0.5"}));
    EXPECT_EQ(dynamic_cast<tk::TextField*>(label.tree.window.window().firstResponder()), nullptr);
}

TEST(DialLabel, LosingFocusClosesWithoutFinishing) {
    Label label({.value = 0.5f});
    label.open();
    label.tree.window.type("0.9");
    label.tree.window.click(kElsewhere);
    label.tree.settle();
    EXPECT_TRUE(label.param->edits.empty());
    EXPECT_EQ(label.editingEnded, 0);
    EXPECT_EQ(label.shownTexts(), (std::vector<std::string>{"GATE", "0.5"}));
    // The typed text is still there when the field opens again.
    label.open();
    label.tree.window.key(tk::KeyCode::returnKey);
    label.tree.settle();
    EXPECT_EQ(label.param->edits, std::vector<Edit>{change(0.9f)});
}

TEST(DialLabel, ATapWhileEditingDoesNothing) {
    Label label({.value = 0.5f});
    label.open();
    label.tree.window.type("0.25");
    label.tree.window.click(kOnLabel);
    label.tree.settle();
    label.tree.window.key(tk::KeyCode::returnKey);
    label.tree.settle();
    EXPECT_EQ(label.param->edits, std::vector<Edit>{change(0.25f)});
}

TEST(DialLabel, ReadsNamesThroughANameFormatter) {
    ParameterShape shape{.units = au::ParameterUnit::indexed,
                         .hi = 1,
                         .valueStrings = std::vector<std::string>{"Up", "Down"},
                         .name = "Direction"};
    Label label(shape, std::make_shared<LabelNameFormatter>(std::vector<std::string>{"Up", "Down"}));
    EXPECT_EQ(label.shownTexts(), (std::vector<std::string>{"DIRECTION", "Up"}));
    label.typeAndReturn("DOWN");
    EXPECT_EQ(label.param->edits, std::vector<Edit>{change(1)});
    EXPECT_EQ(label.shownTexts(), (std::vector<std::string>{"DIRECTION", "Down"}));
}

} // namespace
} // namespace Korvane
