// The styled combo box: the list opened from its button (open state and indicator), a chosen
// numeric item becoming its value and action, its bezel and size, driven by injected events.

#include "Tessaly/Controls/StyledComboBox.h"
#include "Tessaly/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;
using Log = std::vector<std::string>;

class Combo : public ::testing::Test {
protected:
    ControlFixture f;
    std::shared_ptr<StyledComboBox> box = f.add(tk::View::make<StyledComboBox>(tk::Rect{10, 10, 120, 22}));

    void SetUp() override {
        box->addItem("0.5", 0.5);
        box->addItem("Twelve", 12);
        box->addItem("Loud", std::string("loud"));
        box->setTarget(f.target("set:"));
        box->setAction("set:");
    }
};

TEST_F(Combo, TheButtonOpensTheListAndAChoiceBecomesTheValueAndTheAction) {
    f.window->click({125, 20});
    ASSERT_NE(f.backend->menus().shownMenu(), nullptr);
    EXPECT_TRUE(box->isPopupOpen());
    EXPECT_EQ(box->indicatorImage().name(), "tui-combobox") << "open";
    ASSERT_TRUE(f.backend->menus().chooseItem(1));
    EXPECT_FALSE(box->isPopupOpen());
    EXPECT_EQ(box->indicatorImage().name(), "tui-combobox-up");
    EXPECT_EQ(box->doubleValue(), 12);
    EXPECT_EQ(f.log, (Log{"action"}));

    box->selectItemAtIndex(2);
    EXPECT_EQ(box->doubleValue(), 0) << "a word changes the text, not the value it sends";
    EXPECT_EQ(f.log, (Log{"action"})) << "and sends nothing";
    box->selectItemAtIndex(-1);
    EXPECT_EQ(f.log, (Log{"action"})) << "no selected item: nothing";
}

TEST_F(Combo, DrawsBothPicturesAtTheirPlacesAndHalfStrengthWhenDisabled) {
    const auto images = recordDrawing(*box)->pictures();
    ASSERT_EQ(images.size(), 2u);
    const tk::Image indicator = box->indicatorImage();
    EXPECT_EQ(images[0].rect, box->bezelRect(box->bounds()));
    EXPECT_EQ(images[0].rect.width(), 120 - indicator.size().width);
    EXPECT_EQ(images[1].rect.x(), 120 - indicator.size().width);
    EXPECT_EQ(images[1].rect.size, indicator.size());
    const double closedWidth = box->bezelRect(box->bounds()).width();
    box->setPopupOpen(true);
    EXPECT_EQ(box->bezelRect(box->bounds()).width(), 120 - box->indicatorImage().size().width);
    (void)closedWidth;
    box->setPopupOpen(false);
    box->setEnabled(false);
    for (const auto& d : recordDrawing(*box)->pictures())
        EXPECT_EQ(d.opacity, 0.5);
}

TEST_F(Combo, AsksForItsWidthLessTheInsetsAndShowsItsRingOnlyWithFocusInAKeyWindow) {
    EXPECT_EQ(box->intrinsicContentSize(), (tk::Size{43, 20}));
    EXPECT_EQ(box->focusRingMaskBounds(), box->bezelRect(box->bounds()));
    auto strokes = [&] { return recordDrawing(*box)->draws(tk::RecordedDraw::Kind::stroke).size(); };
    EXPECT_EQ(strokes(), 0u);
    f.window->window().makeFirstResponder(&box->textField());
    EXPECT_EQ(strokes(), 1u);
    f.window->unfocus();
    EXPECT_EQ(strokes(), 0u);
}

TEST_F(Combo, TypingGoesToTheFieldAndDownOpensTheList) {
    f.window->render();
    f.window->click({30, 20});
    f.window->type("7.5");
    EXPECT_EQ(box->stringValue(), "7.5");
    EXPECT_EQ(box->doubleValue(), 7.5);
    EXPECT_EQ(box->indexOfSelectedItem(), -1);
    f.window->key(tk::KeyCode::downArrow);
    EXPECT_TRUE(box->isPopupOpen());
}

} // namespace
} // namespace Tessaly
