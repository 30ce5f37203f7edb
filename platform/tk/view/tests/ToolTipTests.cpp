// Tool tips appear after the pointer rests over a view for the delay on the injected clock, and go
// when the pointer leaves, on a press, and when the view goes.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ToolTips.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

class ToolTips : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{300, 200}};
    std::shared_ptr<View> button = View::make<View>(Rect{20, 20, 80, 24});
    std::shared_ptr<View> icon = View::make<View>(Rect{4, 4, 16, 16}); // inside the button, no tip
    std::shared_ptr<View> other = View::make<View>(Rect{150, 20, 80, 24});

    void SetUp() override {
        button->setToolTip("Saves the pattern");
        other->setToolTip("Other");
        button->addSubview(icon);
        w.contentView().addSubview(button);
        w.contentView().addSubview(other);
    }
    std::string shown() const { return w.window().toolTips().shownText(); }
    void rest(double s) { loop.advance(seconds(s)); }
};

TEST_F(ToolTips, ATipShowsAfterTheDelayAndGoesWhenThePointerLeaves) {
    w.moveMouse({30, 30});
    rest(0.9);
    EXPECT_EQ(shown(), "");
    w.moveMouse({40, 30}); // moving within the view does not restart the wait
    rest(0.2);
    EXPECT_EQ(shown(), "Saves the pattern");
    View* tip = w.window().toolTips().shownTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(w.window().isOverlayView(tip));
    EXPECT_EQ(tip->frame().y(), 30 + 20) << "below the pointer";

    w.moveMouse({28, 28}); // over the icon: the button's tip still
    EXPECT_EQ(shown(), "Saves the pattern");
    w.moveMouse({160, 30});
    EXPECT_EQ(shown(), "") << "another view: hidden at once, its own tip after the delay";
    rest(1.0);
    EXPECT_EQ(shown(), "Other");
    w.moveMouse({290, 190});
    EXPECT_EQ(shown(), "");
    rest(2);
    EXPECT_EQ(shown(), "") << "no tip where no view has one";
}

TEST_F(ToolTips, APressDismissesUntilThePointerComesBack) {
    w.moveMouse({30, 30});
    rest(1);
    w.click({30, 30});
    EXPECT_EQ(shown(), "");
    w.moveMouse({32, 30});
    rest(2);
    EXPECT_EQ(shown(), "") << "still over the view that was clicked";
    w.moveMouse({290, 190});
    w.moveMouse({30, 30});
    rest(1);
    EXPECT_EQ(shown(), "Saves the pattern");
}

TEST_F(ToolTips, AViewThatGoesTakesItsTipWithIt) {
    w.moveMouse({30, 30});
    rest(0.5);
    button->removeFromSuperview();
    rest(1);
    EXPECT_EQ(shown(), "") << "pending: dropped";

    w.moveMouse({160, 30});
    rest(1);
    ASSERT_EQ(shown(), "Other");
    other->setHidden(true);
    EXPECT_EQ(shown(), "");
    EXPECT_TRUE(w.window().overlayViews().empty());
}

TEST_F(ToolTips, ATipNearTheBottomEdgeStaysInTheWindowAndIsDrawn) {
    auto low = View::make<View>(Rect{200, 170, 100, 30});
    low->setToolTip("Near the corner");
    w.contentView().addSubview(low);
    w.moveMouse({295, 190});
    rest(1);
    View* tip = w.window().toolTips().shownTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_LE(tip->frame().maxX(), 300);
    EXPECT_LE(tip->frame().maxY(), 190) << "above the pointer when there is no room below";

    HeadlessWindow picture({220, 80}, 2);
    picture.window().setBackgroundColor(windowBackgroundColor());
    auto target = View::make<View>(Rect{10, 10, 100, 20});
    target->setToolTip("Tool tips follow the pointer");
    picture.contentView().addSubview(target);
    picture.moveMouse({20, 15});
    rest(1);
    const auto folder = testing::buildFolder() / "pictures" / "tk" / "controls";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(picture.writePNG(folder / "tooltip.png"));
}

} // namespace
} // namespace tk
