// The clickable image view and the small views: clicks published (also when disabled), dimming
// while pressed, focusing a control from its image, the styled flipped view's layer and the split
// view without dividers.

#include "Tessaly/Controls/SmallViews.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/controls/Button.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

using testing::ControlFixture;

TEST(ClickableImageView, PublishesEveryClickAndDimsOnlyWhenEnabled) {
    ControlFixture f;
    auto view = f.add(tk::View::make<ClickableImageView>(tk::Rect{10, 10, 20, 20}));
    int clicks = 0;
    auto token = view->clicked().sink([&](const ClickableImageView::Click&) { ++clicks; });
    f.window->mouseDown({15, 15});
    EXPECT_EQ(view->alpha(), 0.5);
    f.window->mouseUp({15, 15});
    EXPECT_EQ(view->alpha(), 1.0);
    EXPECT_EQ(clicks, 1);
    view->setEnabled(false);
    f.window->mouseDown({15, 15});
    EXPECT_EQ(view->alpha(), 1.0) << "a disabled view keeps its alpha";
    f.window->mouseUp({15, 15});
    EXPECT_EQ(clicks, 2) << "the click is published whether or not it is enabled";
    EXPECT_EQ(view->gestureRecognizers().size(), 1u) << "made with its recogniser";
}

TEST(FocusControlsOnClick, AClickFocusesItsControlUntilTheControlIsGone) {
    ControlFixture f;
    auto icon = f.add(tk::View::make<ClickableImageView>(tk::Rect{10, 10, 20, 20}));
    auto control = f.add(tk::View::make<tk::Button>(tk::Rect{40, 10, 60, 20}));
    std::vector<tk::Cancellable> cancellables;
    focusControlsOnClick({{icon, control}}, cancellables);
    f.window->unfocus();
    f.window->click({15, 15});
    EXPECT_TRUE(f.window->window().isKeyWindow()) << "the window is made key";
    EXPECT_EQ(f.window->window().firstResponder(), control.get());
    control->removeFromSuperview();
    control.reset();
    f.window->click({15, 15}); // nothing left to focus: nothing happens
    EXPECT_NE(f.window->window().firstResponder(), nullptr);
}

TEST(StyledFlippedView, PaintsItsLayerWithTheSharedStyleTakenWhenMade) {
    ControlFixture f;
    auto a = tk::View::make<StyledFlippedView>();
    auto b = tk::View::make<StyledFlippedView>();
    ASSERT_NE(a->layer(), nullptr);
    EXPECT_EQ(a->layer()->backgroundColor(), color(ColorResources::backgroundNormal));
    auto saved = StyledFlippedView::style();
    auto red = std::make_shared<BaseStyle>(*saved);
    red->setBackgroundColor(tk::Color::red());
    StyledFlippedView::setStyle(red);
    auto c = tk::View::make<StyledFlippedView>();
    EXPECT_EQ(c->layer()->backgroundColor(), tk::Color::red());
    EXPECT_EQ(b->layer()->backgroundColor(), color(ColorResources::backgroundNormal)) << "made before";
    StyledFlippedView::setStyle(saved);
}

TEST(NoDividerSplitView, LaysItsPanesEdgeToEdge) {
    ControlFixture f;
    auto split = f.add(tk::View::make<NoDividerSplitView>(tk::Rect{0, 0, 200, 100}));
    auto left = tk::View::make<tk::View>();
    auto right = tk::View::make<tk::View>();
    split->addSubview(left);
    split->addSubview(right);
    f.window->render();
    EXPECT_EQ(left->frame().maxX(), right->frame().minX());
    EXPECT_EQ(split->dividerThickness(), 0);
}

} // namespace
} // namespace Tessaly
