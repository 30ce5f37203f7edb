#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/Clipboard.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/TextEditor.h"
#include "platform/tk/view/TextField.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(TextEditor, EditsOnCodePointBoundaries) {
    TextEditor e("aé€b"); // 1 + 2 + 3 + 1 bytes
    EXPECT_EQ(e.caret(), 7u);
    e.moveLeft();
    e.moveLeft();
    EXPECT_EQ(e.caret(), 3u) << "one step is one code point";
    e.deleteBackward();
    EXPECT_EQ(e.text(), "a€b");
    e.setCaret(2); // inside the euro sign: moved back to its start
    EXPECT_EQ(e.caret(), 1u);
    e.moveRight(true);
    EXPECT_EQ(e.selectedText(), "€");
    e.insert("x\ny\tz"); // control characters are dropped
    EXPECT_EQ(e.text(), "axyzb");
    EXPECT_EQ(e.caret(), 4u);
    EXPECT_FALSE(e.hasSelection());
}

TEST(TextEditor, SelectionMovesAndWords) {
    TextEditor e("one two three");
    e.moveToStart();
    e.moveRight(false, true);
    EXPECT_EQ(e.caret(), 3u);
    e.moveRight(true, true);
    EXPECT_EQ(e.selectedText(), " two");
    e.moveLeft(); // collapses to the start of the selection
    EXPECT_EQ(e.caret(), 3u);
    EXPECT_FALSE(e.hasSelection());
    e.moveToEnd();
    e.deleteBackward(true);
    EXPECT_EQ(e.text(), "one two ");
    e.moveToStart();
    EXPECT_FALSE(e.deleteBackward()) << "nothing before the start";
    e.deleteForward(true);
    EXPECT_EQ(e.text(), " two ");
    e.selectAll();
    e.insert("z");
    EXPECT_EQ(e.text(), "z");
}

class TextFieldTest : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{300, 100}};
    std::shared_ptr<TextField> field = View::make<TextField>(Rect{10, 10, 200, 24});
    std::vector<std::string> events;

    void SetUp() override {
        w.contentView().addSubview(field);
        field->onBeginEditing = [this](TextField& f) { events.push_back("begin " + f.text()); };
        field->onChange = [this](TextField&, const std::string& t) { events.push_back("change " + t); };
        field->onEndEditing = [this](TextField& f, TextEditingEndReason r) {
            const char* names[] = {"return", "escape", "focusLost"};
            events.push_back(std::string("end ") + names[int(r)] + " " + f.text());
        };
        field->onSubmit = [this](TextField& f) { events.push_back("submit " + f.text()); };
    }
    void focusField() { ASSERT_TRUE(w.window().makeFirstResponder(field.get())); }
};

TEST_F(TextFieldTest, TypingReplacesTheSelectionAndKeysMoveTheCaret) {
    field->setText("old");
    focusField();
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(field->selection(), (std::pair<std::size_t, std::size_t>{0, 3})) << "focus selects all";
    w.type("new");
    EXPECT_EQ(field->text(), "new");
    w.key(KeyCode::leftArrow);
    w.key(KeyCode::leftArrow, ModifierFlags::shift);
    EXPECT_EQ(field->editor().selectedText(), "e");
    w.type("E");
    EXPECT_EQ(field->text(), "nEw");
    w.key(KeyCode::home);
    w.key(KeyCode::deleteForward);
    w.key(KeyCode::end);
    w.key(KeyCode::deleteBackward);
    EXPECT_EQ(field->text(), "E");
    EXPECT_EQ(events,
              (std::vector<std::string>{"begin old", "change new", "change nEw", "change Ew", "change E"}));
}

TEST_F(TextFieldTest, ATooLongTextShowsItsStartUnfocusedAndItsCaretWhileTyping) {
    field->setText(std::string(80, 'w') + " end");
    auto drawnX = [&] {
        RecordingContext context;
        field->draw(context, field->bounds());
        const auto texts = context.texts();
        return texts.empty() ? -1.0 : texts.front().rect.x();
    };
    EXPECT_EQ(drawnX(), field->textRect().x()) << "unfocused: the start";
    focusField();
    w.key(KeyCode::end);
    EXPECT_LT(drawnX(), field->textRect().x()) << "typing: scrolled to the caret at the end";
    w.window().makeFirstResponder(nullptr);
    EXPECT_EQ(drawnX(), field->textRect().x());
}

TEST_F(TextFieldTest, ReturnSubmitsEscapeRestoresAndFocusLossEnds) {
    field->setText("12");
    focusField();
    w.type("34");
    w.key(KeyCode::returnKey);
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(w.window().firstResponder(), field.get()) << "the field keeps the focus";

    w.type("5"); // a new session starts with the next edit
    w.type("6");
    w.key(KeyCode::escape);
    EXPECT_EQ(field->text(), "34") << "Escape restores the text from the start of the session";

    w.type("7");
    w.click({250, 80}); // elsewhere
    EXPECT_EQ(w.window().firstResponder(), &w.window());
    EXPECT_EQ(field->text(), "347");
    EXPECT_EQ(events,
              (std::vector<std::string>{"begin 12", "change 34", "end return 34", "submit 34", "begin 34",
                                        "change 345", "change 3456", "change 34", "end escape 34", "begin 34",
                                        "change 347", "end focusLost 347"}));
}

TEST_F(TextFieldTest, TheKeyHandlerSeesKeysFirst) {
    int escapes = 0;
    field->keyHandler = [&](TextField&, const Event& e) {
        if (e.keyCode != KeyCode::escape)
            return false;
        ++escapes;
        return true;
    };
    field->setText("a");
    focusField();
    w.type("b");
    w.key(KeyCode::escape);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(field->text(), "b") << "the field did not restore: the handler took the key";
    EXPECT_TRUE(field->isEditing());

    // A handler that removes the field ends the edit as a focus loss.
    field->keyHandler = [&](TextField& f, const Event&) {
        f.removeFromSuperview();
        return true;
    };
    w.key(KeyCode::escape);
    EXPECT_EQ(events.back(), "end focusLost b");
    EXPECT_EQ(w.window().firstResponder(), &w.window());
}

TEST_F(TextFieldTest, ClipboardAndMouseSelection) {
    field->setText("hello world");
    focusField();
    w.key(KeyCode::c, ModifierFlags::control);
    EXPECT_EQ(currentBackend().clipboard().text(), "hello world");
    w.key(KeyCode::end);
    w.key(KeyCode::v, ModifierFlags::control);
    EXPECT_EQ(field->text(), "hello worldhello world");

    // A click places the caret near the click; a double click selects all.
    w.click(field->convertToWindow({field->xForPosition(5), 12}));
    EXPECT_EQ(field->caret(), 5u);
    EXPECT_FALSE(field->editor().hasSelection());
    w.doubleClick(field->convertToWindow({field->xForPosition(2), 12}));
    EXPECT_EQ(field->editor().selectedText(), field->text());
    w.key(KeyCode::x, ModifierFlags::command);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(currentBackend().clipboard().text(), "hello worldhello world");

    // A drag selects from the press to the pointer.
    field->setText("abcdef");
    const Point from = field->convertToWindow({field->xForPosition(1), 12});
    const Point to = field->convertToWindow({field->xForPosition(4), 12});
    w.drag(from, to, 3);
    EXPECT_EQ(field->editor().selectedText(), "bcd");
}

TEST_F(TextFieldTest, ADisabledFieldTakesNoFocusAndNoText) {
    field->setEnabled(false);
    EXPECT_FALSE(w.window().makeFirstResponder(field.get()));
    w.click({20, 20});
    w.type("x");
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(events.empty());
}

} // namespace
} // namespace tk
