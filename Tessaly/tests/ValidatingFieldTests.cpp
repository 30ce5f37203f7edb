// Validating fields and their message popover, driven by injected clicks and keys.

#include "Tessaly/Controls/StyledSearchField.h"
#include "Tessaly/Controls/ValidatingFields.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/TextFieldTestSupport.h"

#include "platform/tk/view/ToolTips.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace Tessaly {
namespace {

using testing::FieldFixture;
using testing::recordDrawing;
using S = StyledControlState;

// The pictures drawn (a nine-part picture draws its pieces).
std::set<std::string> picturesOf(const tk::RecordingContext& context) {
    const auto names = context.imageNames();
    return {names.begin(), names.end()};
}

class ValidatingTextFieldTest : public ::testing::Test {
protected:
    FieldFixture f{{300, 160}};
    std::shared_ptr<ValidatingTextField> field =
        f.add(tk::View::make<ValidatingTextField>(tk::Rect{40, 20, 120, 22}));
    std::shared_ptr<ValidatingTextField> other =
        f.add(tk::View::make<ValidatingTextField>(tk::Rect{40, 120, 120, 22}));
    SimpleTextViewPopover& popover = field->popoverController().popover();

    // A client that rejects text longer than three characters, saying why.
    void SetUp() override {
        field->onChange = [this](tk::TextField&, const std::string& text) {
            const bool ok = text.size() <= 3;
            field->setValid(ok);
            field->setMessage(ok ? std::nullopt : std::optional<std::string>("Too long: " + text));
        };
    }
    std::string shownMessage() const { return popover.contentTextField().text(); }
};

TEST_F(ValidatingTextFieldTest, TheMessageSetWhileTypingShowsBelowTheFieldAndFollowsTheText) {
    f.window->click({50, 30});
    f.loop.drain();
    f.window->type("abc");
    EXPECT_FALSE(popover.isShown());
    f.window->type("d");
    ASSERT_TRUE(popover.isShown());
    EXPECT_EQ(shownMessage(), "Too long: abcd");
    EXPECT_EQ(popover.currentPositioningView(), field.get());
    const tk::Rect first = popover.frame();
    EXPECT_DOUBLE_EQ(first.minY(), field->frame().maxY()); // the max-Y edge: below the field
    EXPECT_TRUE(field->isFirstResponder()) << "showing the popover takes no focus";

    // A longer message: sized to it, still pointing at the field from the same side.
    f.window->type("efghijklmnop");
    EXPECT_EQ(shownMessage(), "Too long: abcdefghijklmnop");
    const tk::Rect longer = popover.frame();
    EXPECT_GT(longer.width(), first.width());
    EXPECT_DOUBLE_EQ(longer.minY(), first.minY());
    EXPECT_NEAR(longer.midX(), field->frame().midX(), 1);
    const tk::Size text = popover.contentTextField().intrinsicContentSize();
    EXPECT_GE(popover.contentSize().width, text.width + 24);
    EXPECT_GE(popover.contentSize().height, text.height + 24);

    // Back to valid text: the next keystroke closes it.
    for (int i = 0; i < 13; ++i)
        f.window->key(tk::KeyCode::deleteBackward);
    EXPECT_EQ(field->text(), "abc");
    EXPECT_FALSE(popover.isShown());
    EXPECT_EQ(popover.currentPositioningView(), nullptr);
}

TEST_F(ValidatingTextFieldTest, FocusChangesOpenAndCloseIt) {
    field->setValid(false);
    field->setMessage("Needs a name");
    f.window->click({50, 30});
    EXPECT_FALSE(popover.isShown()); // the focus change arrives on the run loop
    f.loop.drain();
    EXPECT_TRUE(popover.isShown());
    EXPECT_EQ(shownMessage(), "Needs a name");
    // A click on the popover does not take the focus from the field.
    const tk::Rect p = popover.frame();
    f.window->click({p.midX(), p.maxY() - 4});
    f.loop.drain();
    EXPECT_TRUE(field->isFirstResponder());

    f.window->key(tk::KeyCode::tab);
    f.loop.drain();
    EXPECT_TRUE(other->isFirstResponder());
    EXPECT_FALSE(popover.isShown());

    f.window->key(tk::KeyCode::tab, tk::ModifierFlags::shift);
    f.loop.drain();
    EXPECT_TRUE(popover.isShown());
    f.window->close();
    EXPECT_FALSE(popover.isShown()); // closing the window closes the popover
}

TEST_F(ValidatingTextFieldTest, AFieldLeavingItsWindowTakesItsPopoverAlong) {
    field->setMessage("Needs a name");
    f.window->click({50, 30});
    f.loop.drain();
    ASSERT_TRUE(popover.isShown());
    field->removeFromSuperview();
    EXPECT_FALSE(popover.isShown());

    FieldFixture g;
    auto properties = g.add(tk::View::make<ValidatingPropertiesField>());
    properties->setFrame({20, 20, 100, 20});
    properties->setMessage("Out of range");
    g.window->click({60, 30});
    g.loop.drain();
    ASSERT_TRUE(properties->popoverController().popover().isShown());
    properties->removeFromSuperview();
    EXPECT_FALSE(properties->popoverController().popover().isShown());
}

TEST_F(ValidatingTextFieldTest, InvalidWithoutMessageShowsTheLookOnly) {
    field->setText("x");
    f.win().display();
    field->setValid(false);
    EXPECT_TRUE(f.win().needsDisplay()) << "setting validity redraws";
    f.window->click({50, 30});
    f.loop.drain();
    EXPECT_FALSE(popover.isShown());
    EXPECT_TRUE(field->styledCell()->controlState().contains(S::invalid));
    EXPECT_EQ(recordDrawing(*field)->imageNames().front(), "tui-textfield-error");
    field->setValid(true);
    EXPECT_EQ(recordDrawing(*field)->imageNames().front(), "tui-textfield-focus");
}

TEST(ValidatingPropertiesField, DrawsItsOwnBezelAndRingAndShowsItsMessage) {
    FieldFixture f{{300, 120}};
    auto field = f.add(tk::View::make<ValidatingPropertiesField>());
    field->setFrame({20, 20, 100, 20});
    auto& popover = field->popoverController().popover();
    field->setValid(false);
    EXPECT_EQ(field->innerField().cell()->textColor(), color(ColorResources::error));
    auto unfocused = recordDrawing(*field);
    EXPECT_EQ(picturesOf(*unfocused), (std::set<std::string>{"tui-textfield-error"}));
    EXPECT_TRUE(unfocused->draws(tk::RecordedDraw::Kind::stroke).empty());

    field->setMessage("Out of range");
    f.window->click({60, 30});
    f.loop.drain();
    EXPECT_TRUE(field->isSelected());
    EXPECT_TRUE(popover.isShown());
    EXPECT_DOUBLE_EQ(popover.frame().minY(), field->frame().maxY());
    auto focused = recordDrawing(*field);
    EXPECT_EQ(picturesOf(*focused), (std::set<std::string>{"tui-textfield"}));
    const auto fills = focused->draws(tk::RecordedDraw::Kind::fill);
    const auto strokes = focused->draws(tk::RecordedDraw::Kind::stroke);
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].color, color(ColorResources::error));
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.back().color, color(ColorResources::error).withAlpha(0.3));
    field->setValid(true);
    auto validFocused = recordDrawing(*field);
    ASSERT_EQ(validFocused->draws(tk::RecordedDraw::Kind::stroke).size(), 1u);
    EXPECT_EQ(validFocused->draws(tk::RecordedDraw::Kind::stroke)[0].color,
              color(ColorResources::highlightSystem));
    EXPECT_EQ(validFocused->draws(tk::RecordedDraw::Kind::fill).back().color,
              color(ColorResources::highlightSystem).withAlpha(0.3));

    // A message set while typing shows at the next keystroke; no message closes it.
    f.window->type("1");
    field->setMessage("Below 10");
    f.window->type("2");
    EXPECT_EQ(popover.contentTextField().text(), "Below 10");
    field->setMessage(std::nullopt);
    f.window->type("3");
    EXPECT_FALSE(popover.isShown());
    EXPECT_EQ(field->innerField().text(), "123");
}

TEST(ValidatingPropertiesField, ItsHandleSitsBeforeTheTextAndAClickOrDragOnItFocusesTheField) {
    FieldFixture f{{300, 120}};
    const tk::Image grip = tk::Image::draw({10, 18}, 1, [](tk::GraphicsContext& c) {
        c.fillRect({3, 1, 4, 16}, tk::Color::white());
    });
    auto field = f.add(tk::View::make<ValidatingPropertiesField>(grip));
    auto other = f.add(tk::View::make<ValidatingTextField>(tk::Rect{20, 80, 100, 22}));
    field->setFrame({20, 20, 120, 30});
    f.win().layoutIfNeeded();
    TrackingSlider* icon = field->icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->isContinuous());
    EXPECT_EQ(icon->frame(), (tk::Rect{3, 3, 14, 24}));
    const tk::Rect text = field->innerField().frame();
    EXPECT_DOUBLE_EQ(text.minX(), 3 + 14 + 8);
    EXPECT_DOUBLE_EQ(text.maxX(), 120 - 3);
    EXPECT_NEAR(text.midY(), 15, 0.5) << "centred at its own height";
    EXPECT_GT(text.height(), 0);

    // Setting validity redraws the bezel.
    f.win().display();
    field->setValid(false);
    EXPECT_TRUE(f.win().needsDisplay());

    // A click on the handle makes the window key and puts the caret in the field.
    field->setMessage("Not a number");
    f.window->unfocus();
    f.window->click({30, 35});
    f.loop.drain();
    EXPECT_TRUE(f.win().isKeyWindow());
    EXPECT_TRUE(field->innerField().isFirstResponder());
    EXPECT_TRUE(field->isSelected());
    EXPECT_TRUE(field->popoverController().popover().isShown());

    // Dragging the handle steps its value and focuses the field too; the text is left alone.
    ASSERT_TRUE(f.win().makeFirstResponder(other.get()));
    f.loop.drain();
    EXPECT_FALSE(field->popoverController().popover().isShown());
    f.window->drag({30, 35}, {30, 15}, 5);
    f.loop.drain();
    EXPECT_GT(icon->doubleValue(), 0);
    EXPECT_TRUE(field->innerField().isFirstResponder());
    EXPECT_EQ(field->innerField().text(), "");
}

// The client owns validity and message; the popover follows the text and the focus only, so a
// validity change leaves it as it is until the next keystroke.
TEST(ValidatingFields, AValidityChangeLeavesThePopoverToTheNextKeystroke) {
    FieldFixture f{{300, 160}};
    auto text = f.add(tk::View::make<ValidatingTextField>(tk::Rect{20, 20, 100, 22}));
    auto properties = f.add(tk::View::make<ValidatingPropertiesField>());
    properties->setFrame({20, 70, 100, 20});
    struct Case {
        ValidatingField& field;
        SimpleTextViewPopover& popover;
        tk::Point inside;
    };
    for (const Case& c : {Case{*text, text->popoverController().popover(), {30, 30}},
                          Case{*properties, properties->popoverController().popover(), {60, 80}}}) {
        f.window->click(c.inside);
        f.loop.drain();
        c.field.setMessage("Already taken");
        c.field.setValid(false);
        EXPECT_FALSE(c.popover.isShown()) << "validity and message alone wait";
        f.window->type("x");
        f.loop.drain();
        ASSERT_TRUE(c.popover.isShown());
        EXPECT_EQ(c.popover.contentTextField().text(), "Already taken");
        c.field.setValid(true);
        EXPECT_TRUE(c.popover.isShown()) << "validity is not consulted";
        c.field.setMessage(std::nullopt);
        f.window->type("y");
        f.loop.drain();
        EXPECT_FALSE(c.popover.isShown());
    }
}

TEST(ValidatingFields, FocusShowsOnlyInTheKeyWindowAsInEveryFieldAndTheyRedrawAsThatChanges) {
    FieldFixture f{{300, 200}};
    auto text = f.add(tk::View::make<ValidatingTextField>(tk::Rect{20, 20, 120, 22}));
    auto search = f.add(tk::View::make<StyledSearchField>(tk::Rect{20, 60, 120, 22}));
    auto properties = f.add(tk::View::make<ValidatingPropertiesField>());
    properties->setFrame({20, 100, 120, 20});
    properties->setValid(false);
    struct Case {
        tk::View& view;
        tk::Point inside;
        std::string focusedPicture;
        std::string restingPicture;
    };
    for (const Case& c : {Case{*text, {30, 30}, "tui-textfield-focus", "tui-textfield"},
                          Case{*search, {100, 70}, "tui-searchfield-focus", "tui-searchfield"},
                          Case{*properties, {60, 110}, "tui-textfield", "tui-textfield-error"}}) {
        SCOPED_TRACE(c.focusedPicture);
        const auto looks = [&](const std::string& picture, std::size_t rings) {
            const auto drawn = recordDrawing(c.view);
            return picturesOf(*drawn).contains(picture) &&
                   drawn->draws(tk::RecordedDraw::Kind::stroke).size() == rings;
        };
        f.window->click(c.inside);
        f.loop.drain();
        EXPECT_TRUE(looks(c.focusedPicture, 1));
        f.win().display();
        f.window->unfocus();
        EXPECT_TRUE(c.view.needsDisplay()) << "redrawn as the window stops being key";
        EXPECT_TRUE(looks(c.restingPicture, 0)) << "focused in a window that is not key";
        f.win().display();
        f.window->focus();
        EXPECT_TRUE(c.view.needsDisplay());
        EXPECT_TRUE(looks(c.focusedPicture, 1));
    }
}

TEST(ValidatingFields, TheirToolTipsShowWhenThePointerRests) {
    FieldFixture f{{300, 120}};
    auto text = f.add(tk::View::make<ValidatingTextField>(tk::Rect{20, 20, 100, 22}));
    auto properties = f.add(tk::View::make<ValidatingPropertiesField>());
    properties->setFrame({20, 70, 100, 20});
    ValidatingField& a = *text;
    ValidatingField& b = *properties;
    a.setToolTip("A note from 0 to 127");
    b.setToolTip("Tempo in beats a minute");
    EXPECT_EQ(b.toolTip(), "Tempo in beats a minute");
    const auto shownAfterResting = [&](tk::Point p) {
        f.window->moveMouse(p);
        f.loop.advance(tk::seconds(1.5));
        return f.win().toolTips().shownText();
    };
    EXPECT_EQ(shownAfterResting({30, 30}), "A note from 0 to 127");
    EXPECT_EQ(shownAfterResting({60, 80}), "Tempo in beats a minute") << "over the inner field";
    b.setToolTip(std::nullopt);
    EXPECT_EQ(b.toolTip(), std::nullopt);
    f.window->moveMouse({290, 110});
    EXPECT_EQ(shownAfterResting({60, 80}), "");
}

TEST(ValidatingPropertiesField, WithoutAHandleTheTextFillsIt) {
    FieldFixture f;
    auto field = f.add(tk::View::make<ValidatingPropertiesField>());
    field->setFrame({20, 20, 100, 20});
    f.win().layoutIfNeeded();
    EXPECT_EQ(field->icon(), nullptr);
    EXPECT_EQ(field->innerField().frame(), (tk::Rect{0, 0, 100, 20}));
}

// From the bezel's left edge (resting) or the ring's (focused) to the text, invalid: the properties
// field without a handle keeps the distance a styled text field keeps, in both looks.
TEST(ValidatingPropertiesField, ItsTextStartsAsFarInsideTheBezelAndRingAsAStyledFieldsText) {
    FieldFixture f{{300, 120}};
    auto text = f.add(tk::View::make<ValidatingTextField>(tk::Rect{20, 20, 120, 22}));
    auto properties = f.add(tk::View::make<ValidatingPropertiesField>());
    properties->setFrame({20, 70, 120, 20});
    text->setText("-12");
    properties->innerField().setText("300 ms");
    text->setValid(false);
    properties->setValid(false);
    // In window coordinates, from what the window draws within the view's rows.
    const auto textInset = [&](const tk::View& view, bool focused) {
        tk::RecordingContext drawn;
        f.window->contentView().drawHierarchy(drawn, f.window->contentView().bounds());
        std::optional<double> edge, start;
        const tk::Rect rows = view.frame();
        const auto within = [&](const tk::RecordedDraw& d) {
            return d.deviceRect().midY() > rows.minY() && d.deviceRect().midY() < rows.maxY();
        };
        for (const tk::RecordedDraw& d :
             focused ? drawn.draws(tk::RecordedDraw::Kind::stroke) : drawn.pictures())
            if (!edge && within(d))
                edge = d.deviceRect().minX();
        for (const tk::RecordedDraw& d : drawn.texts())
            if (!start && within(d))
                start = d.deviceRect().minX();
        EXPECT_TRUE(edge && start) << (focused ? "focused" : "resting");
        return start.value_or(0) - edge.value_or(0);
    };
    EXPECT_DOUBLE_EQ(textInset(*properties, false), textInset(*text, false));
    f.window->click({60, 30});
    f.loop.drain();
    const double styled = textInset(*text, true);
    f.window->click({60, 80});
    f.loop.drain();
    EXPECT_TRUE(properties->isSelected());
    EXPECT_DOUBLE_EQ(textInset(*properties, true), styled);
}

} // namespace
} // namespace Tessaly
