// Cursor buttons driven by injected pointer events: the cursor pushed while the pointer is over the
// button and taken off again however the hover ends, the layer's pressed look, the dark highlight,
// and the cycling button stepping its pop-up.

#include "Tessaly/Controls/CursorButtons.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/controls/PopUpButton.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;

class CursorButtonTest : public ::testing::Test {
protected:
    ControlFixture f;
    std::shared_ptr<CursorButton> button = f.add(tk::View::make<CursorButton>(tk::Rect{10, 10, 40, 20}));
    tk::Window& window() { return f.window->window(); }
    const tk::ImageCursor* shown() { return window().cursorStack().topImage().get(); }
};

TEST_F(CursorButtonTest, ShowsItsCursorWhileHoveredAndTakesOnlyItsOwnPushOff) {
    ASSERT_FALSE(button->cursorImage().isEmpty()) << "cursor-cycle from the program's resources";
    f.window->moveMouse({20, 20});
    EXPECT_EQ(shown(), button->cursorObject().get());
    ASSERT_TRUE(f.window->native()->imageCursor());
    EXPECT_EQ(f.window->native()->imageCursor()->hotSpot, (tk::Point{3, 4}));
    window().cursorStack().push(tk::Cursor::crosshair); // someone else's, on top
    f.window->moveMouse({100, 100});
    EXPECT_EQ(window().cursorStack().top(), tk::Cursor::crosshair) << "the other push stays";
    window().cursorStack().pop();
    EXPECT_TRUE(window().cursorStack().empty()) << "ours was taken off, once";
    f.window->moveMouse({150, 150});
    EXPECT_TRUE(window().cursorStack().empty()) << "no pop of what it did not push";
}

TEST_F(CursorButtonTest, HidingOrRemovingAHoveredButtonTakesItsCursorOff) {
    f.window->moveMouse({20, 20});
    ASSERT_NE(shown(), nullptr);
    button->setHidden(true);
    EXPECT_TRUE(window().cursorStack().empty());
    EXPECT_FALSE(f.window->native()->imageCursor());
    button->setHidden(false);
    f.window->moveMouse({21, 20});
    ASSERT_NE(shown(), nullptr);
    button->removeFromSuperview();
    EXPECT_TRUE(window().cursorStack().empty());
}

TEST_F(CursorButtonTest, ANewHotSpotTakesEffectWithTheNextPictureAndTheAreaFollowsTheBounds) {
    const auto before = button->cursorObject();
    button->setCursorHotSpot({8, 8});
    EXPECT_EQ(button->cursorObject(), before);
    button->setCursorImage(button->cursorImage());
    EXPECT_EQ(button->cursorObject()->hotSpot, (tk::Point{8, 8}));
    button->setFrameSize({80, 30});
    ASSERT_NE(button->trackingArea(), nullptr);
    EXPECT_EQ(button->trackingArea()->rect(), (tk::Rect{0, 0, 80, 30}));
}

TEST_F(CursorButtonTest, APressFadesTheLayer) {
    button->setWantsLayer(true);
    f.window->mouseDown({20, 20});
    EXPECT_EQ(button->layer()->opacity(), 0.5);
    f.window->mouseUp({20, 20});
    EXPECT_EQ(button->layer()->opacity(), 1.0);
}

TEST(DarkHighlightButton, DimsItsImageWhenPressedOrDisabledAndSetsItsCursorRect) {
    ControlFixture f;
    auto button = f.add(tk::View::make<DarkHighlightButton>(tk::Rect{10, 10, 40, 20}));
    button->setImage(tk::Image::draw({8, 8}, 1, [](tk::GraphicsContext&) {}).withName("glyph"));
    button->setImagePosition(tk::ImagePosition::imageOnly);
    auto opacity = [&] { return recordDrawing(*button)->images().at(0).opacity; };
    EXPECT_EQ(opacity(), 1.0);
    button->setEnabled(false);
    EXPECT_EQ(opacity(), 0.5);
    button->setCustomCursor(tk::Cursor::pointingHand);
    EXPECT_EQ(button->cursor(), tk::Cursor::pointingHand);

    PopUpCyclingButtonCell cycling;
    cycling.setImage(tk::Image::draw({8, 8}, 1, [](tk::GraphicsContext&) {}));
    cycling.setEnabled(false);
    tk::RecordingContext context;
    cycling.drawImage(cycling.image(), {0, 0, 8, 8}, *button, context);
    EXPECT_EQ(context.images().at(0).opacity, 1.0) << "enabled or not, full strength unless pressed";
}

TEST(PopUpCyclingButton, AClickStepsItsPopUpAndShiftStepsBack) {
    ControlFixture f;
    // Any pop-up button answers the stepping actions, not only the library's styled one.
    auto pop = f.add(tk::View::make<tk::PopUpButton>(tk::Rect{10, 10, 150, 22}));
    pop->addItems({"A", "B", "C"});
    auto cycle = f.add(tk::View::make<PopUpCyclingButton>(tk::Rect{170, 10, 22, 22}));
    cycle->setTarget(pop);
    EXPECT_EQ(cycle->imagePosition(), tk::ImagePosition::imageTrailing);
    pop->selectItemAtIndex(2);
    f.window->click({175, 15});
    EXPECT_EQ(pop->indexOfSelectedItem(), 0) << "from the last item round to the first";
    f.window->click({175, 15}, tk::ModifierFlags::shift);
    EXPECT_EQ(pop->indexOfSelectedItem(), 2);
    f.window->click({175, 15}, tk::ModifierFlags::option | tk::ModifierFlags::command);
    EXPECT_EQ(pop->indexOfSelectedItem(), 0) << "other modifiers keep the direction";
}

} // namespace
} // namespace Tessaly
