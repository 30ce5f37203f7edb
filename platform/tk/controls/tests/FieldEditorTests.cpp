// One field editor per window: the focused field edits through it, Tab hands it on, and each
// field's text survives losing and regaining the focus (or leaving the window while it edits).

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/CellTextField.h"
#include "platform/tk/view/FieldEditor.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// A cell whose editor draws in colours of its own.
struct ColouredCell : TextFieldCell {
    FieldEditorAttributes setUpFieldEditorAttributes(FieldEditorAttributes a) const override {
        a.insertionPointColor = Color{0, 1, 0, 1};
        a.selectedBackgroundColor = Color{1, 0, 1, 1};
        a.selectedTextColor = Color{1, 1, 1, 1};
        return a;
    }
};
struct ColouredField : CellTextField {
    using CellTextField::CellTextField;
    std::unique_ptr<TextFieldCell> makeCell() const override { return std::make_unique<ColouredCell>(); }
};

struct ThreeFields : ::testing::Test {
    TestMainLoop loop;
    HeadlessWindow w{{300, 140}};
    std::shared_ptr<CellTextField> a = View::make<CellTextField>(Rect{10, 10, 200, 24});
    std::shared_ptr<CellTextField> b = View::make<ColouredField>(Rect{10, 50, 200, 24});
    std::shared_ptr<CellTextField> c = View::make<CellTextField>(Rect{10, 90, 200, 24});

    void SetUp() override {
        for (const auto& f : {a, b, c})
            w.contentView().addSubview(f);
    }
    FieldEditor* editor() { return w.window().existingFieldEditor(); }
};

TEST_F(ThreeFields, OneEditorFollowsTheFocusAndTabMovesIt) {
    EXPECT_EQ(editor(), nullptr) << "made when first needed";
    w.click({100, 22});
    w.type("one");
    FieldEditor* shared = editor();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->client(), a.get());
    EXPECT_EQ(&a->editor(), &shared->editor()) << "the focused field edits through the window's editor";
    EXPECT_EQ(shared->editor().text(), "one");

    w.key(KeyCode::tab);
    EXPECT_TRUE(b->isFirstResponder());
    EXPECT_EQ(editor(), shared) << "the same editor, now told it edits the next field";
    EXPECT_EQ(shared->client(), b.get());
    w.type("two");
    w.key(KeyCode::tab);
    w.type("three");
    EXPECT_EQ(shared->client(), c.get());

    w.key(KeyCode::tab, ModifierFlags::shift);
    w.key(KeyCode::tab, ModifierFlags::shift);
    EXPECT_EQ(shared->client(), a.get());
    EXPECT_EQ(a->text(), "one");
    EXPECT_EQ(b->text(), "two");
    EXPECT_EQ(c->text(), "three");
    EXPECT_EQ(a->selection(), (std::pair<std::size_t, std::size_t>{0, 3}))
        << "the focus arrives selecting all";
    EXPECT_NE(&b->editor(), &shared->editor()) << "an unfocused field answers its own copy";

    // A second window has an editor of its own.
    HeadlessWindow other{{100, 40}};
    auto lone = View::make<CellTextField>(Rect{0, 0, 100, 24});
    other.contentView().addSubview(lone);
    other.window().makeFirstResponder(lone.get());
    EXPECT_NE(other.window().existingFieldEditor(), shared);
    EXPECT_EQ(shared->client(), a.get());
}

TEST_F(ThreeFields, TheTextSurvivesLosingAndRegainingTheFocus) {
    w.click({100, 22});
    w.type("Zoë");
    w.key(KeyCode::leftArrow);
    w.window().makeFirstResponder(nullptr);
    EXPECT_EQ(editor()->client(), nullptr) << "the editor is idle";
    EXPECT_EQ(a->text(), "Zoë");
    a->setText("Zoë!"); // set while unfocused
    w.window().makeFirstResponder(a.get());
    EXPECT_EQ(editor()->editor().text(), "Zoë!");
    w.key(KeyCode::rightArrow); // collapse the selection at the end
    w.key(KeyCode::deleteBackward);
    w.key(KeyCode::deleteBackward);
    EXPECT_EQ(a->text(), "Zo") << "the two-byte character went whole";

    // Leaving the window while editing: the field keeps what was typed.
    w.type("e");
    a->removeFromSuperview();
    EXPECT_EQ(editor()->client(), nullptr);
    EXPECT_EQ(a->text(), "Zoe");
    // And a field whose window goes while it edits.
    w.window().makeFirstResponder(c.get());
    w.type("kept");
    {
        HeadlessWindow gone{{100, 40}};
        auto field = View::make<CellTextField>(Rect{0, 0, 100, 24});
        gone.contentView().addSubview(field);
        gone.window().makeFirstResponder(field.get());
        gone.type("mine");
        c = field;
    }
    EXPECT_EQ(c->text(), "mine");
}

TEST_F(ThreeFields, TheEditorTakesTheColoursOfTheFieldItEdits) {
    w.window().makeFirstResponder(b.get());
    EXPECT_EQ(editor()->insertionPointColor(), (Color{0, 1, 0, 1})) << "set up before the first drawing";
    EXPECT_EQ(editor()->selectionColor(), (Color{1, 0, 1, 1}));
    EXPECT_EQ(editor()->selectedTextColor(), (Color{1, 1, 1, 1}));
    EXPECT_EQ(b->caretColor(), editor()->insertionPointColor());

    w.window().makeFirstResponder(a.get());
    EXPECT_EQ(editor()->selectionColor(), TextFieldCell::defaultSelectionColor());
    EXPECT_EQ(editor()->selectedTextColor(), std::nullopt);
}

} // namespace
} // namespace tk
