// Check boxes and the favourite star, driven by injected clicks: the states a click leads to, where
// the box and the title go, what is drawn, and the star's dimming while pressed.

#include "Tessaly/Controls/StyledCheckBox.h"
#include "Tessaly/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;

TEST(StyledCheckBox, AClickTurnsMixedAndOffOnAndOnOff) {
    ControlFixture f;
    auto box = f.add(tk::View::make<StyledCheckBox>(tk::Rect{10, 10, 120, 18}));
    box->setTitle("Follow");
    box->setAllowsMixedState(true);
    box->setState(tk::CellState::mixed);
    EXPECT_EQ(box->checkBoxCell()->controlState().rawValue(), 0x41u);
    f.window->click({15, 19});
    EXPECT_EQ(box->state(), tk::CellState::on);
    f.window->click({15, 19});
    EXPECT_EQ(box->state(), tk::CellState::off);
    f.window->click({15, 19});
    EXPECT_EQ(box->state(), tk::CellState::on) << "never mixed from a click";
}

TEST(StyledCheckBox, TheBoxSitsAtTheLeftAndALongTitleIsCutToTheBounds) {
    testing::useBuiltBundles();
    StyledCheckBoxCell cell("A title much longer than the little check box has room for");
    const tk::Rect bounds{0, 0, 80, 20};
    EXPECT_EQ(cell.imageRect(bounds), (tk::Rect{-2, 2, 16, 16}));
    const tk::Rect title = cell.titleRect(bounds);
    EXPECT_EQ(title.x(), 16);
    EXPECT_EQ(title.width(), 64) << "min(text width, bounds width - x)";
    EXPECT_EQ(title.y(), std::round(10 - title.height() / 2));
    cell.setVerticallyCenterTitle(false);
    EXPECT_EQ(cell.titleRect(bounds).y(), 0);
    EXPECT_EQ(cell.focusRingMaskBounds(bounds, *tk::View::make<tk::View>()), cell.imageRect(bounds))
        << "the ring surrounds the box";
}

TEST(StyledCheckBox, DrawsTheBoxOfItsStateAndNotTheBezel) {
    ControlFixture f;
    auto box = f.add(tk::View::make<StyledCheckBox>(tk::Rect{10, 10, 120, 18}));
    box->setTitle("Follow");
    auto names = [&] { return recordDrawing(*box)->imageNames(); };
    EXPECT_EQ(names(), (std::vector<std::string>{"tui-checkbox"}));
    box->setState(tk::CellState::on);
    EXPECT_EQ(names(), (std::vector<std::string>{"tui-checkbox-on"}));
    box->setHighlighted(true);
    EXPECT_EQ(names(), (std::vector<std::string>{"tui-checkbox-on-down"}));
    box->setHighlighted(false);
    box->setEnabled(false);
    const auto images = recordDrawing(*box)->images();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].opacity, 0.5);
}

TEST(FavouriteCheckBox, ShowsStarsIgnoresImagesAndDimsWhilePressed) {
    ControlFixture f;
    auto star = f.add(tk::View::make<FavouriteCheckBox>(tk::Rect{10, 10, 120, 18}));
    auto* cell = star->checkBoxCell();
    EXPECT_EQ(cell->image().name(), "organiser-icon-star-empty");
    EXPECT_EQ(cell->alternateImage().name(), "organiser-icon-star");
    cell->setImage(tk::Image());
    EXPECT_EQ(cell->image().name(), "organiser-icon-star-empty") << "setting the image is ignored";
    EXPECT_EQ(cell->buttonImageSize(), cell->image().size());

    f.window->mouseDown({15, 19});
    EXPECT_EQ(star->alpha(), 0.5);
    f.window->mouseUp({200, 150});
    EXPECT_EQ(star->alpha(), 1.0) << "released outside: no toggle, full opacity again";
    EXPECT_EQ(star->state(), tk::CellState::off);
    f.window->click({15, 19});
    EXPECT_EQ(star->state(), tk::CellState::on);
    EXPECT_EQ(recordDrawing(*star)->imageNames(), (std::vector<std::string>{"organiser-icon-star"}));
}

TEST(FavouriteCheckBoxCell, LaysOutA16PointBoxWhenItsStyleHasNoStarForTheState) {
    testing::useBuiltBundles();
    auto saved = FavouriteCheckBoxCell::style()->buttonImages();
    FavouriteCheckBoxCell::style()->setButtonImages({});
    FavouriteCheckBoxCell cell;
    EXPECT_EQ(cell.buttonImageSize(), (tk::Size{16, 16}));
    FavouriteCheckBoxCell::style()->setButtonImages(saved);
}

} // namespace
} // namespace Tessaly
