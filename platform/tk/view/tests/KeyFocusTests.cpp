// Keyboard focus: explicit key view loops for Tab and Shift-Tab, and whether a view counts as
// focused when a field editor edits it.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

struct FocusableView : View {
    using View::View;
    bool accepts = true;
    bool acceptsFirstResponder() const override { return accepts; }
};

// Stands for the text view that edits a control's text in its place.
struct FieldEditor : FocusableView {
    using FocusableView::FocusableView;
    View* client = nullptr;
    View* fieldEditorClient() const override { return client; }
};

class KeyFocus : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{300, 100}};
    std::shared_ptr<FocusableView> a = View::make<FocusableView>(Rect{0, 0, 50, 20});
    std::shared_ptr<FocusableView> b = View::make<FocusableView>(Rect{60, 0, 50, 20});
    std::shared_ptr<FocusableView> c = View::make<FocusableView>(Rect{120, 0, 50, 20});
    std::shared_ptr<FocusableView> d = View::make<FocusableView>(Rect{180, 0, 50, 20});

    void SetUp() override {
        for (auto& v : {a, b, c, d})
            w.contentView().addSubview(v);
    }
    View* focused() const { return dynamic_cast<View*>(w.window().firstResponder()); }
};

TEST_F(KeyFocus, TabFollowsTheKeyViewLinksAndFallsBackToTreeOrder) {
    // a -> c -> b -> a, d left to tree order.
    a->setNextKeyView(c);
    c->setNextKeyView(b);
    b->setNextKeyView(a);
    EXPECT_EQ(c->previousKeyView(), a.get());

    w.window().makeFirstResponder(a.get());
    w.key(KeyCode::tab);
    EXPECT_EQ(focused(), c.get());
    w.key(KeyCode::tab);
    EXPECT_EQ(focused(), b.get());
    w.key(KeyCode::tab, ModifierFlags::shift);
    EXPECT_EQ(focused(), c.get()) << "Shift-Tab goes back along the links";

    c->setHidden(true);
    w.window().makeFirstResponder(a.get());
    w.key(KeyCode::tab);
    EXPECT_EQ(focused(), b.get()) << "a view that cannot take the focus is passed over";
    c->setHidden(false);

    b->accepts = false;
    c->accepts = false;
    w.window().makeFirstResponder(a.get());
    w.key(KeyCode::tab);
    EXPECT_EQ(focused(), d.get()) << "a loop of views that cannot take the focus: tree order";

    b->accepts = true;
    c->setNextKeyView(b);
    d->setNextKeyView(b);
    EXPECT_EQ(b->previousKeyView(), d.get()) << "the last link made is the previous view";
    b->removeFromSuperview();
    b.reset();
    EXPECT_EQ(d->nextKeyView(), nullptr) << "links do not keep views alive";
}

TEST_F(KeyFocus, AFieldEditorEditingAViewGivesThatViewTheFocus) {
    auto editor = View::make<FieldEditor>(Rect{0, 40, 50, 20});
    w.contentView().addSubview(editor);
    EXPECT_FALSE(hasKeyboardFocus(*a)) << "the window itself is first responder";

    w.window().makeFirstResponder(a.get());
    EXPECT_TRUE(hasKeyboardFocus(*a));
    EXPECT_FALSE(hasKeyboardFocus(*b));

    w.window().makeFirstResponder(editor.get());
    EXPECT_FALSE(hasKeyboardFocus(*b));
    editor->client = b.get();
    EXPECT_TRUE(hasKeyboardFocus(*b));
    EXPECT_TRUE(hasKeyboardFocus(*editor));
    b->removeFromSuperview();
    EXPECT_FALSE(hasKeyboardFocus(*b)) << "no window, no focus";
}

} // namespace
} // namespace tk
