// A text field whose look is its cell's: who draws the text when, where the editor edits, and how
// the cell cuts a line that does not fit.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/CellTextField.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ToolTips.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// A cell that edits in the right half of the field, in its own colours.
struct HalfCell : TextFieldCell {
    Rect editWithFrame(const Rect& frame, View&) override {
        return Rect{frame.midX(), frame.y(), frame.width() / 2, frame.height()};
    }
    Rect selectWithFrame(const Rect& frame, View& view) override { return editWithFrame(frame, view); }
    FieldEditorAttributes setUpFieldEditorAttributes(FieldEditorAttributes a) const override {
        a.textColor = Color{1, 0, 0, 1};
        a.insertionPointColor = Color{0, 1, 0, 1};
        return a;
    }
};

struct HalfField : CellTextField {
    using CellTextField::CellTextField;
    std::unique_ptr<TextFieldCell> makeCell() const override { return std::make_unique<HalfCell>(); }
};

std::vector<RecordedDraw> textsDrawnBy(View& view) {
    RecordingContext context;
    view.draw(context, view.bounds());
    return context.texts();
}

TEST(CellTextField, TheCellDrawsAtRestAndTheEditorWhereTheCellSays) {
    TestMainLoop loop;
    HeadlessWindow w{{300, 100}};
    auto field = View::make<HalfField>(Rect{10, 10, 200, 24});
    auto other = View::make<CellTextField>(Rect{10, 50, 200, 24});
    w.contentView().addSubview(field);
    w.contentView().addSubview(other);
    field->setPlaceholderString("Name");

    // Empty and unfocused: the cell draws the placeholder.
    auto texts = textsDrawnBy(*field);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Name");

    w.click({150, 20}); // focus, and a click in the editor's half
    w.type("ab");
    EXPECT_EQ(field->text(), "ab");
    EXPECT_TRUE(field->cell()->showsFirstResponder());
    EXPECT_EQ(field->textRect(), (Rect{100, 0, 100, 24}));
    texts = textsDrawnBy(*field);
    ASSERT_EQ(texts.size(), 1u); // only the editor's text, in the editor's colour
    EXPECT_EQ(texts[0].color, (Color{1, 0, 0, 1}));
    EXPECT_GE(texts[0].rect.x(), 100);
    EXPECT_EQ(field->caretColor(), (Color{0, 1, 0, 1}));

    // A click in the editor's half places the caret by the editor's layout.
    w.click({101, 20});
    EXPECT_EQ(field->caret(), 0u);

    w.click({20, 60}); // the focus goes elsewhere: the cell draws again, and the text stays
    EXPECT_FALSE(field->cell()->showsFirstResponder());
    texts = textsDrawnBy(*field);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "ab");

    field->setEnabled(false);
    EXPECT_FALSE(field->cell()->isEnabled());
    w.click({150, 20});
    EXPECT_FALSE(field->isFirstResponder());
}

TEST(CellTextField, ExpansionToolTipsShowTheWholeTextOnlyWhereItIsCut) {
    TestMainLoop loop;
    HeadlessWindow w{{300, 100}};
    auto field = View::make<CellTextField>(Rect{10, 10, 60, 24});
    w.contentView().addSubview(field);
    field->setText("A pattern name far too long");
    EXPECT_EQ(field->shownToolTip(), "") << "off by default";
    field->setAllowsExpansionToolTips(true);
    w.moveMouse({20, 20});
    loop.advance(seconds(1.1));
    EXPECT_EQ(w.window().toolTips().shownText(), "A pattern name far too long");

    field->setText("Short");
    EXPECT_EQ(field->shownToolTip(), "") << "the text fits";
    field->setText("A pattern name far too long");
    w.window().makeFirstResponder(field.get());
    EXPECT_EQ(field->shownToolTip(), "") << "the editor shows the text while focused";
    field->setToolTip("Own tip");
    EXPECT_EQ(field->shownToolTip(), "Own tip");
}

TEST(TextFieldCell, TheTextIsTheHostingFieldsWhileThereIsOne) {
    TestMainLoop loop;
    auto field = View::make<CellTextField>(Rect{0, 0, 200, 24});
    field->setText("In the field");
    TextFieldCell& cell = *field->cell();
    EXPECT_EQ(cell.stringValue(), "In the field");
    cell.setStringValue("Set on the cell");
    EXPECT_EQ(field->text(), "Set on the cell");

    // Hosted by no field (or by a view that is not one), the cell keeps its own text.
    cell.setControlView(nullptr);
    EXPECT_EQ(cell.stringValue(), "");
    cell.setStringValue("Own");
    EXPECT_EQ(cell.stringValue(), "Own");
    EXPECT_EQ(field->text(), "Set on the cell");
    auto plain = View::make<View>(Rect{0, 0, 10, 10});
    cell.setControlView(plain.get());
    EXPECT_EQ(cell.stringValue(), "Own");
    cell.setControlView(field.get());
    EXPECT_EQ(cell.stringValue(), "Set on the cell");
}

TEST(TextFieldCell, ALineThatDoesNotFitIsTightenedThenCut) {
    TextFieldCell cell("Tightening the line");
    const double width = measureText("Tightening the line", cell.titleAttributes()).width;
    const Rect justShort{0, 0, width - 2, 20};
    auto drawn = [&] {
        RecordingContext context;
        cell.drawText(cell.attributedStringValue(), justShort, context);
        return context.texts().at(0).textAttributes;
    };
    EXPECT_EQ(drawn().letterSpacing, 0);
    EXPECT_EQ(drawn().truncation, TruncationMode::tail);
    EXPECT_EQ(drawn().lineLimit, 1);
    cell.setAllowsDefaultTighteningForTruncation(true);
    EXPECT_LT(drawn().letterSpacing, 0);
    cell.setLineBreakMode(LineBreakMode::wordWrapping);
    cell.setMaximumNumberOfLines(3);
    EXPECT_EQ(drawn().lineLimit, 3);
    EXPECT_EQ(drawn().truncation, TruncationMode::none);
}

} // namespace
} // namespace tk
