// Back, corner and tool buttons driven by injected events: hiding by alpha, the momentary back
// button, the corner button's menu, and the tool button's held and secondary actions.

#include "Tessaly/Controls/NavigationButtons.h"
#include "Tessaly/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;
using Log = std::vector<std::string>;

TEST(BackButton, HidesAtZeroAlphaShowsAboveItAndStaysMomentary) {
    ControlFixture f;
    auto back = f.add(tk::View::make<BackButton>(tk::Rect{10, 10, 28, 22}));
    tk::View& faded = *back; // faded as any view is, not through its own class
    faded.setAlpha(0);
    EXPECT_TRUE(back->isHidden());
    faded.setAlpha(-1);
    EXPECT_TRUE(back->isHidden()) << "a negative alpha neither hides nor shows";
    faded.setAlpha(0.5);
    EXPECT_FALSE(back->isHidden());
    faded.setAlpha(-1);
    EXPECT_FALSE(back->isHidden());
    faded.setAlpha(1);
    EXPECT_EQ(back->alignmentRectInsets(), (tk::EdgeInsets{6, 5, 4, 4}));

    back->setTarget(f.target("back:"));
    back->setAction("back:");
    for (int i = 0; i < 2; ++i) {
        f.window->click({20, 20});
        EXPECT_EQ(back->state(), tk::CellState::off) << "a click never leaves it down";
        EXPECT_EQ(recordDrawing(*back)->imageNames(), (Log{"organiser-navbar-back"}));
    }
    EXPECT_EQ(f.log, (Log{"action", "action"}));
}

class CornerButtonTest : public ::testing::Test {
protected:
    ControlFixture f;
    std::shared_ptr<CornerButton> corner = f.add(tk::View::make<CornerButton>(tk::Rect{10, 10, 24, 22}));
    std::shared_ptr<tk::Menu> menu = std::make_shared<tk::Menu>();

    void SetUp() override {
        menu->addItem("Add Row", "addRow:");
        corner->setTarget(f.target("corner:"));
        corner->setAction("corner:");
    }
    tk::Menu* shown() { return f.backend->menus().shownMenu(); }
};

TEST_F(CornerButtonTest, ASingleClickOpensTheMenuBelowItAndStaysPressedUntilItCloses) {
    corner->setAlternateMenu(menu);
    f.window->click({20, 20});
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(shown()->item(0)->title, "Add Row");
    EXPECT_EQ(f.backend->menus().shownLocation(), (tk::Point{10, 10 + 22 + 4})) << "(minX, maxY + 4)";
    EXPECT_TRUE(corner->isHighlighted());
    EXPECT_TRUE(f.log.empty()) << "the menu, not the action";
    f.backend->menus().dismiss();
    EXPECT_FALSE(corner->isHighlighted());

    f.window->mouseDown({20, 20}, tk::ModifierFlags::none, 2);
    f.window->mouseUp({20, 20}, tk::ModifierFlags::none, 2);
    EXPECT_EQ(f.log, (Log{"action"})) << "a double click is an ordinary click";
}

TEST_F(CornerButtonTest, ARightOrControlClickWithoutAMenuOnlyFlashesAndIsSwallowed) {
    f.window->rightClick({20, 20});
    f.window->click({20, 20}, tk::ModifierFlags::control);
    EXPECT_EQ(shown(), nullptr);
    EXPECT_FALSE(corner->isHighlighted());
    EXPECT_TRUE(f.log.empty());
    corner->setAlternateMenu(menu);
    f.window->rightClick({20, 20});
    EXPECT_NE(shown(), nullptr);
}

class ToolButtonTest : public ::testing::Test {
protected:
    ControlFixture f;
    std::shared_ptr<ToolButton> tool = f.add(tk::View::make<ToolButton>(tk::Rect{10, 10, 26, 22}));

    void SetUp() override {
        tool->setTarget(f.target("primary:", "primary"));
        tool->setAction("primary:");
        tool->setSecondaryTarget(f.target("secondary:", "secondary"));
        tool->setSecondaryAction("secondary:");
    }
};

TEST_F(ToolButtonTest, HoldingSendsOnlyTheSecondaryActionAndAQuickClickOnlyThePrimary) {
    f.window->mouseDown({20, 20}); // nothing queued behind it: held past the double-click interval
    EXPECT_EQ(f.log, (Log{"secondary"}));
    EXPECT_FALSE(tool->isHighlighted());
    f.window->mouseUp({20, 20});
    EXPECT_EQ(f.log, (Log{"secondary"})) << "the late release sends nothing";

    f.log.clear();
    f.window->click({20, 20});
    EXPECT_EQ(f.log, (Log{"primary"}));
    f.log.clear();
    f.window->rightClick({20, 20});
    f.window->click({20, 20}, tk::ModifierFlags::control);
    EXPECT_EQ(f.log, (Log{"secondary", "secondary"}));
}

TEST_F(ToolButtonTest, WithoutASecondaryActionLeftClicksAreOrdinaryAndRightClicksAreSwallowed) {
    tool->setSecondaryAction("");
    f.window->mouseDown({20, 20});
    EXPECT_TRUE(f.log.empty()) << "no hold to wait for";
    f.window->mouseUp({20, 20});
    EXPECT_EQ(f.log, (Log{"primary"}));
    f.window->rightClick({20, 20});
    EXPECT_EQ(f.log, (Log{"primary"}));
}

TEST_F(ToolButtonTest, IsAtLeastAsWideAsItsBezelAndExactlyAsTall) {
    const tk::Size bezel = ToolButtonCell::style()->bezelImage(StyledControlState::defaultState)->size();
    tool->setFixedWidth(10);
    EXPECT_EQ(tool->intrinsicContentSize(), bezel) << "never narrower than its bezel";
    tool->setFixedWidth(std::nullopt);
    tool->setImage(tk::Image::draw({60, 10}, 1, [](tk::GraphicsContext&) {}));
    const double wide = tool->StyledButton::intrinsicContentSize().width;
    ASSERT_GT(wide, bezel.width);
    EXPECT_EQ(tool->intrinsicContentSize(), (tk::Size{wide, bezel.height})) << "a wider image widens it";
}

TEST_F(ToolButtonTest, TheMoreBadgeIsPartOfTheBezelAndFollowsTheButtonsFlag) {
    f.window->render();
    tool->setShowMoreIcon(true);
    EXPECT_TRUE(tool->needsDisplay());
    EXPECT_EQ(recordDrawing(*tool)->imageNames(), (Log{"corner-tool-background", "corner-tool-more"}));
    tool->setBordered(false);
    tool->cell()->setBezeled(false);
    EXPECT_EQ(recordDrawing(*tool)->imageNames(), Log{}) << "no bezel, no badge";
    const tk::Size bezel = ToolButtonCell::style()->bezelImage(StyledControlState::defaultState)->size();
    tool->setBordered(true);
    EXPECT_EQ(tool->intrinsicContentSize().height, bezel.height);
}

} // namespace
} // namespace Tessaly
