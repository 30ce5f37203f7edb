// Popovers beside a view: placement and size while shown, and how each behaviour closes - all
// without moving the keyboard focus of the view that opened them.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Popover.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/tests/RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tk {
namespace {

using testing::RecordingView;

class PopoverTest : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{300, 200}};
    std::shared_ptr<RecordingView> field = View::make<RecordingView>(Rect{100, 20, 100, 22});
    std::shared_ptr<RecordingView> elsewhere = View::make<RecordingView>(Rect{10, 150, 50, 30});
    Popover popover;

    void SetUp() override {
        field->acceptsFocus = true;
        w.contentView().addSubview(field);
        w.contentView().addSubview(elsewhere);
        popover.setContentView(View::make<View>());
        popover.setContentSize({120, 40});
        ASSERT_TRUE(w.window().makeFirstResponder(field.get()));
        field->log.clear();
    }
    void show() { popover.show(field->bounds(), *field, RectEdge::maxY); }
    bool fieldSaw(const std::string& prefix) const {
        return std::any_of(field->log.begin(), field->log.end(),
                           [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }
};

TEST_F(PopoverTest, ShowsBelowTheViewAndResizesInPlaceWithoutTakingTheFocus) {
    show();
    ASSERT_TRUE(popover.isShown());
    const Rect f = popover.frame();
    EXPECT_EQ(f, (Rect{90, 42, 120, 40 + Popover::kArrowHeight}));
    popover.setContentSize({160, 60});
    EXPECT_EQ(popover.frame(), (Rect{70, 42, 160, 60 + Popover::kArrowHeight})) << "same rect, same side";
    // A click on the panel leaves the focus where it is.
    w.click({popover.frame().midX(), popover.frame().maxY() - 5});
    popover.close();
    EXPECT_FALSE(popover.isShown());
    EXPECT_EQ(w.window().firstResponder(), field.get());
    EXPECT_TRUE(field->log.empty()) << "neither resigned nor asked to become again";
}

TEST_F(PopoverTest, WithoutRoomOnThePreferredEdgeItTakesTheOppositeOne) {
    field->setFrameOrigin({100, 150}); // 28 points above the window's bottom: too little below
    show();
    EXPECT_EQ(popover.edge(), RectEdge::minY);
    EXPECT_DOUBLE_EQ(popover.frame().maxY(), 150) << "above the field, not over it";
    popover.setContentSize({120, 200}); // room on neither side: the preferred one, moved in
    EXPECT_EQ(popover.edge(), RectEdge::maxY);
    EXPECT_DOUBLE_EQ(popover.frame().minY(), 0);
    popover.setContentSize({120, 40});
    field->setFrameOrigin({100, 20});
    show();
    EXPECT_EQ(popover.edge(), RectEdge::maxY);
    EXPECT_DOUBLE_EQ(popover.frame().minY(), 42);
}

TEST_F(PopoverTest, ApplicationDefinedStaysUntilToldAndLeavesEscapeToTheFocus) {
    show();
    w.click({30, 160});
    EXPECT_TRUE(popover.isShown());
    EXPECT_EQ(elsewhere->log.front(), "down 20,10");
    ASSERT_TRUE(w.window().makeFirstResponder(field.get()));
    w.key(KeyCode::escape);
    EXPECT_TRUE(popover.isShown());
    EXPECT_TRUE(fieldSaw("key")) << "the focused view gets its Escape";
    w.window().close();
    EXPECT_FALSE(popover.isShown()) << "closing the window closes it";
}

TEST_F(PopoverTest, TransientClosesAtAPressOutsideOrEscapeAndKeepsTheFocus) {
    popover.setBehavior(Popover::Behavior::transient);
    show();
    w.click({popover.frame().midX(), popover.frame().maxY() - 5});
    EXPECT_TRUE(popover.isShown()) << "a press on the panel";
    w.key(KeyCode::escape);
    EXPECT_FALSE(popover.isShown());
    EXPECT_FALSE(fieldSaw("key")) << "the popover took its Escape";
    EXPECT_EQ(w.window().firstResponder(), field.get());

    show();
    w.click({30, 160});
    EXPECT_FALSE(popover.isShown());
    EXPECT_EQ(elsewhere->log.front(), "down 20,10") << "the press still lands";
    ASSERT_TRUE(w.window().makeFirstResponder(field.get())); // the click took the focus
    w.key(KeyCode::escape);
    EXPECT_TRUE(fieldSaw("key")) << "closed: Escape is the focus's again";

    show();
    w.unfocus(); // a press in another window
    EXPECT_FALSE(popover.isShown());
}

TEST_F(PopoverTest, ABehaviourChangedWhileShownTakesEffect) {
    show();
    popover.setBehavior(Popover::Behavior::transient);
    w.key(KeyCode::escape);
    EXPECT_FALSE(popover.isShown());
    popover.setBehavior(Popover::Behavior::applicationDefined);
    show();
    w.key(KeyCode::escape);
    EXPECT_TRUE(popover.isShown());
}

} // namespace
} // namespace tk
