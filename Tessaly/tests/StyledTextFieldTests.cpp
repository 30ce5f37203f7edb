// The styled text field, its cell and the labels: geometry, the control state, focus publishing,
// typing through injected events, drawing.

#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledTextField.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"
#include "Tessaly/tests/TextFieldTestSupport.h"

#include "platform/tk/graphics/BitmapContext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace Tessaly {
namespace {

using testing::FieldFixture;
using testing::recordDrawing;
using S = StyledControlState;

TEST(StyledTextFieldCell, DrawingAndTitleRects) {
    FieldFixture f;
    const tk::Rect bounds{0, 0, 100, 22};
    StyledTextFieldCell cell("Hello");
    cell.setBezeled(true);
    // The style's padding (2, 6, 2, 6) while at rest; the bounds while the editor is placed.
    EXPECT_EQ(cell.drawingRect(bounds), (tk::Rect{6, 2, 88, 18}));

    cell.setBezeled(false);
    const double h = cell.attributedStringValue().size().height;
    ASSERT_GT(h, 0);
    ASSERT_LT(h, 22);
    EXPECT_EQ(cell.titleRect(bounds), (tk::Rect{0, (22 - h) * 0.5, 100, h}));
    cell.setVerticallyCenter(false);
    EXPECT_EQ(cell.titleRect(bounds), bounds);
}

TEST(StyledTextFieldCell, AnEmptyValueIsCentredOnWhatIsDrawn) {
    FieldFixture f;
    const tk::Rect bounds{0, 0, 100, 40};
    StyledTextFieldCell cell;
    const double line = cell.font().metrics().lineHeight;
    ASSERT_GT(line, 0);
    // Neither value nor placeholder: one line of the font, not a rect of height 0.
    EXPECT_DOUBLE_EQ(cell.titleRect(bounds).height(), line);
    cell.setPlaceholderString("Search");
    const double placeholder = cell.attributedString("Search", std::nullopt).size().height;
    EXPECT_DOUBLE_EQ(cell.titleRect(bounds).height(), placeholder);
    EXPECT_DOUBLE_EQ(cell.titleRect(bounds).midY(), 20);
}

TEST(StyledTextFieldCell, TheTextIsCentredAgainAfterItsFontChanged) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 200, 60}));
    field->setBezeled(false);
    auto* cell = field->styledCell();
    ASSERT_NE(cell, nullptr);
    const tk::Rect bounds = field->bounds();
    // Where the text is drawn, and the height it should have now.
    const auto drawn = [&] { return recordDrawing(*field)->texts().at(0); };
    const auto heightNow = [&] { return cell->attributedStringValue().size().height; };

    field->setText("Small");
    const double small = heightNow();
    EXPECT_DOUBLE_EQ(cell->titleRect(bounds).height(), small);
    const double top = drawn().rect.minY();

    cell->setFont(tk::Font::system(24));
    const double large = heightNow();
    ASSERT_GT(large, small);
    EXPECT_DOUBLE_EQ(cell->titleRect(bounds).height(), large);
    EXPECT_LT(drawn().rect.minY(), top);

    // Another text is drawn where it is centred, in the font of now.
    field->setText("Other");
    EXPECT_EQ(drawn().text, "Other");
    EXPECT_DOUBLE_EQ(cell->titleRect(bounds).height(), heightNow());
    // Emptied, the placeholder is centred in the same font.
    field->setText("");
    cell->setPlaceholderString("Placeholder");
    EXPECT_EQ(drawn().text, "Placeholder");
    EXPECT_DOUBLE_EQ(cell->titleRect(bounds).height(),
                     cell->attributedString("Placeholder", std::nullopt).size().height);
    cell->setFont(tk::Font::system(10));
    EXPECT_DOUBLE_EQ(cell->titleRect(bounds).height(),
                     cell->attributedString("Placeholder", std::nullopt).size().height);
    EXPECT_LT(cell->titleRect(bounds).height(), large);
}

// A cell draws what it drew before again while nothing it is drawn from changed: each change shows
// at the next drawing as a cell that was never drawn shows it.
TEST(StyledTextFieldCell, EachChangeShowsAtTheNextDrawing) {
    FieldFixture f({300, 120}, 2);
    const auto makeLabel = [&] {
        auto label = f.add(tk::View::make<StyledTableRowLabel>(tk::Rect{10, 10, 160, 16}));
        label->setBezeled(false);
        label->setDrawsBackground(false);
        label->setText("Pattern 1");
        return label;
    };
    const auto pixels = [&](tk::View& view) {
        tk::BitmapContext bitmap(view.bounds().size, f.win().backingScaleFactor());
        view.draw(bitmap, view.bounds());
        return std::vector<std::uint8_t>(bitmap.pixelData(),
                                         bitmap.pixelData() + bitmap.stride() * bitmap.pixelHeight());
    };
    using Change = void (*)(StyledTableRowLabel&, tk::Window&);
    const std::vector<std::pair<const char*, Change>> changes = {
        {"value", [](StyledTableRowLabel& l, tk::Window&) { l.setText("Pattern 2"); }},
        {"font", [](StyledTableRowLabel& l, tk::Window&) { l.styledCell()->setFont(tk::Font::system(12)); }},
        {"selected", [](StyledTableRowLabel& l, tk::Window&) { l.setSelected(true); }},
        {"disabled", [](StyledTableRowLabel& l, tk::Window&) { l.setEnabled(false); }},
        {"alignment",
         [](StyledTableRowLabel& l, tk::Window&) { l.styledCell()->setAlignment(tk::TextAlignment::right); }},
        {"narrower",
         [](StyledTableRowLabel& l, tk::Window&) {
             l.setFrame({10, 10, 40, 16});
         }},
        {"wider again",
         [](StyledTableRowLabel& l, tk::Window&) {
             l.setFrame({10, 10, 160, 16});
         }},
        {"backing scale", [](StyledTableRowLabel&, tk::Window& w) { w.setBackingScaleFactor(1); }},
        {"placeholder",
         [](StyledTableRowLabel& l, tk::Window&) {
             l.setText("");
             l.styledCell()->setPlaceholderString("Nothing");
         }},
        {"another placeholder",
         [](StyledTableRowLabel& l, tk::Window&) { l.styledCell()->setPlaceholderString("Nothing yet"); }},
        {"value again", [](StyledTableRowLabel& l, tk::Window&) { l.setText("Pattern 2"); }},
    };
    auto kept = makeLabel();
    std::vector<std::uint8_t> before = pixels(*kept);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        changes[i].second(*kept, f.win());
        const std::vector<std::uint8_t> after = pixels(*kept);
        auto fresh = makeLabel();
        for (std::size_t k = 0; k <= i; ++k)
            changes[k].second(*fresh, f.win());
        EXPECT_TRUE(after == pixels(*fresh)) << changes[i].first;
        EXPECT_FALSE(after == before) << changes[i].first << " shows";
        fresh->removeFromSuperview();
        before = after;
    }
}

TEST(StyledTextFieldCell, ControlStateAndColours) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 120, 22}));
    auto* cell = field->styledCell();
    ASSERT_NE(cell, nullptr);
    const auto style = StyledTextFieldCell::style();
    EXPECT_EQ(cell->controlState(), S::defaultState);
    EXPECT_EQ(cell->textColor(), style->textColor(S::defaultState));

    // Focus adds focused, and with it the focused bezel.
    ASSERT_TRUE(f.win().makeFirstResponder(field.get()));
    EXPECT_EQ(cell->controlState(), (S{S::defaultState, S::focused}));
    auto recorded = recordDrawing(*field);
    EXPECT_EQ(recorded->imageNames().front(), "tui-textfield-focus");

    field->setSelected(true);
    EXPECT_TRUE(cell->controlState().contains(S::selected));
    field->setSelected(false);

    field->setEnabled(false);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(cell->controlState(), (S{S::defaultState, S::disabled}));
    EXPECT_EQ(cell->textColor(), style->disabledTextColor());
}

TEST(StyledTextFieldCell, TheRingShowsOnlyWithFocusInAKeyWindow) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 120, 22}));
    field->setText("text");
    auto strokes = [&] { return recordDrawing(*field)->draws(tk::RecordedDraw::Kind::stroke).size(); };
    EXPECT_EQ(strokes(), 0u);
    f.win().makeFirstResponder(field.get());
    EXPECT_EQ(strokes(), 1u);
    auto ring = recordDrawing(*field)->draws(tk::RecordedDraw::Kind::stroke).front();
    EXPECT_NEAR(ring.rect.x(), 2, 1e-9);
    EXPECT_NEAR(ring.rect.y(), 2, 1e-9);
    EXPECT_NEAR(ring.rect.width(), 116, 1e-9);
    EXPECT_NEAR(ring.rect.height(), 18, 1e-9);
    EXPECT_EQ(ring.color, StyledTextFieldCell::style()->focusRingColor(S::focused));
    f.window->unfocus();
    EXPECT_EQ(strokes(), 0u);
}

TEST(StyledTextFieldCell, TheEditorUsesTheStyleAndTheTextsPlace) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 120, 22}));
    field->setText("Hello");
    const tk::Rect resting = recordDrawing(*field)->texts().front().rect;

    f.win().makeFirstResponder(field.get());
    const auto style = StyledTextFieldCell::style();
    const tk::FieldEditorAttributes editor = field->fieldEditorAttributes();
    EXPECT_EQ(editor.font, style->font());
    EXPECT_EQ(editor.textColor, style->textColor());
    EXPECT_EQ(editor.insertionPointColor, style->textColor());
    EXPECT_EQ(editor.selectedBackgroundColor, style->selectedBackgroundColor());
    EXPECT_EQ(editor.selectedTextColor, style->selectedTextColor());
    EXPECT_FALSE(editor.drawsBackground);

    // The cell draws no text of its own while the editor shows it, in the same place and font.
    auto recorded = recordDrawing(*field);
    ASSERT_FALSE(recorded->texts().empty());
    const tk::RecordedDraw text = recorded->texts().front();
    EXPECT_EQ(text.textAttributes.font, style->font());
    EXPECT_DOUBLE_EQ(text.rect.x(), resting.x());
}

TEST(FirstResponderAwareTextField, PublishesEachRealChangeOnTheMainRunLoop) {
    FieldFixture f;
    auto a = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 120, 22}));
    auto b = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 50, 120, 22}));
    std::vector<FirstResponderChange> seen;
    bool completed = false;
    auto token = a->firstResponderPublisher().sink([&](const FirstResponderChange& c) { seen.push_back(c); },
                                                   [&] { completed = true; });
    f.loop.drain(); // the initial value: not focused, as published before
    EXPECT_TRUE(seen.empty());

    f.window->click({20, 20});
    EXPECT_TRUE(seen.empty()); // delivered on the run loop, after the change
    f.loop.drain();
    EXPECT_EQ(seen, (std::vector<FirstResponderChange>{{a.get(), true}}));

    f.window->type("abc"); // no change of focus while typing
    f.window->key(tk::KeyCode::tab);
    f.loop.drain();
    EXPECT_TRUE(b->isFirstResponder());
    EXPECT_EQ(seen.back(), (FirstResponderChange{a.get(), false}));
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(a->text(), "abc"); // the text survives losing the focus
    f.window->key(tk::KeyCode::tab, tk::ModifierFlags::shift);
    f.loop.drain();
    EXPECT_EQ(a->text(), "abc");
    EXPECT_EQ(seen.size(), 3u);

    // Out of the window: nothing further, even when the window's focus moves.
    a->removeFromSuperview();
    f.loop.drain();
    f.win().makeFirstResponder(b.get());
    f.loop.drain();
    EXPECT_EQ(seen.size(), 3u);
    a.reset();
    EXPECT_TRUE(completed);
}

TEST(FirstResponderAwareTextField, MovedToAnotherWindowItWatchesThatOne) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 120, 22}));
    auto stay = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 50, 120, 22}));
    tk::HeadlessWindow second({200, 100});
    auto there = tk::View::make<StyledTextField>(tk::Rect{10, 50, 120, 22});
    second.contentView().addSubview(there);
    std::vector<bool> seen;
    auto token = field->firstResponderPublisher().sink(
        [&](const FirstResponderChange& c) { seen.push_back(c.isFirstResponder); });

    second.contentView().addSubview(field);
    f.loop.drain();
    f.win().makeFirstResponder(stay.get()); // the old window's focus moves: not ours any more
    f.win().makeFirstResponder(nullptr);
    f.loop.drain();
    EXPECT_TRUE(seen.empty());
    second.window().makeFirstResponder(field.get());
    f.loop.drain();
    second.window().makeFirstResponder(there.get());
    f.loop.drain();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(StyledTextField, TypesAndDeletesMultiByteText) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 160, 22}));
    std::vector<std::string> changes;
    field->onChange = [&](tk::TextField&, const std::string& text) { changes.push_back(text); };
    f.window->click({20, 20});
    f.window->type("Grüße ");
    f.window->type("日本");
    EXPECT_EQ(field->text(), "Grüße 日本");
    f.window->key(tk::KeyCode::deleteBackward);
    EXPECT_EQ(field->text(), "Grüße 日");
    f.window->key(tk::KeyCode::leftArrow);
    f.window->key(tk::KeyCode::leftArrow);
    f.window->key(tk::KeyCode::deleteBackward);
    EXPECT_EQ(field->text(), "Grüß 日");
    EXPECT_EQ(changes.back(), "Grüß 日");
    EXPECT_EQ(changes.size(), 4u);
    // What the field draws is its text as it stands, in UTF-8.
    f.window->click({200, 100});
    EXPECT_EQ(recordDrawing(*field)->textStrings(), (std::vector<std::string>{"Grüß 日"}));
}

TEST(StyledTextField, GeometryFollowsTheBezelAndInsets) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledTextField>(tk::Rect{10, 10, 40, 10}, 3.0));
    EXPECT_EQ(field->alignmentRectInsets(), (tk::EdgeInsets{3, 2, 3, 2}));
    const tk::Image bezel = *StyledTextFieldCell::style()->bezelImage(S::defaultState);
    const tk::Size size = field->intrinsicContentSize();
    EXPECT_GE(size.width, bezel.size().width);
    EXPECT_GE(size.height, bezel.size().height);
    field->setBezeled(false);
    EXPECT_EQ(field->alignmentRectInsets(), tk::EdgeInsets{});
    EXPECT_EQ(field->intrinsicContentSize(), field->cell()->cellSize());
}

TEST(StyledLabels, StylesSizesAndInsets) {
    FieldFixture f;
    auto row = f.add(tk::View::make<StyledTableRowLabel>(tk::Rect{0, 0, 10, 16}));
    auto group = f.add(tk::View::make<StyledTableGroupRowLabel>(tk::Rect{0, 20, 10, 16}));
    auto label = f.add(tk::View::make<StyledTextLabel>(tk::Rect{0, 40, 10, 16}));
    row->setText("12:00 - 13:45");

    // A row label sizes to its text in the monospaced-digit font, whatever its frame.
    const tk::Size wanted = row->intrinsicContentSize();
    row->setFrameSize({400, 16});
    EXPECT_EQ(row->intrinsicContentSize(), wanted);
    EXPECT_EQ(row->cell()->font(), Styles::BaseStyles::monospacedDigit10());
    EXPECT_EQ(row->cell()->textColor(), color(ColorResources::grey70));
    EXPECT_EQ(group->cell()->textColor(), color(ColorResources::grey50));
    EXPECT_EQ(label->cell()->textColor(), color(ColorResources::grey60));
    EXPECT_EQ(group->alignmentRectInsets(), StyledTableGroupRowLabelCell::style()->alignmentRectInsets());

    // No bezel picture in the label styles: the base size, bezeled or not.
    label->setText("Label");
    label->setBezeled(false);
    const tk::Size plain = label->intrinsicContentSize();
    label->setBezeled(true);
    EXPECT_EQ(label->intrinsicContentSize().width, plain.width);

    // A selected row label takes the selected colour at the next applyStyle; its font stays.
    auto* cell = dynamic_cast<StyledTableRowLabelCell*>(row->cell());
    ASSERT_NE(cell, nullptr);
    cell->setSelected(true);
    cell->applyStyle();
    EXPECT_EQ(cell->textColor(), StyledTableRowLabelCell::style()->selectedTextColor());
    EXPECT_EQ(cell->font(), Styles::BaseStyles::monospacedDigit10());
}

} // namespace
} // namespace Tessaly
