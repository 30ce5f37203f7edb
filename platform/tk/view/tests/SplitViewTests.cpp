// Split views lay out their panes around the dividers and move a divider that is dragged.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/SplitView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

struct ThinSplit final : SplitView {
    using SplitView::SplitView;
    double dividerThickness() const override { return 0; }
};

TEST(SplitViews, PanesShareTheLengthAroundTheDividersAndFollowADraggedDivider) {
    TestMainLoop loop;
    HeadlessWindow w({201, 100});
    auto split = View::make<SplitView>(Rect{0, 0, 201, 100});
    auto left = View::make<View>();
    auto right = View::make<View>();
    split->addSubview(left);
    split->addSubview(right);
    w.contentView().addSubview(split);
    w.render();
    EXPECT_EQ(left->frame(), (Rect{0, 0, 100, 100}));
    EXPECT_EQ(split->dividerRect(0), (Rect{100, 0, 1, 100}));
    EXPECT_EQ(right->frame(), (Rect{101, 0, 100, 100}));

    w.drag({100, 50}, {60, 50});
    w.render();
    EXPECT_EQ(left->frame().width(), 60);
    EXPECT_EQ(right->frame(), (Rect{61, 0, 140, 100}));

    split->setFrameSize({401, 100});
    w.render();
    EXPECT_EQ(left->frame().width(), 120) << "the panes keep their shares";

    split->setVertical(false);
    w.render();
    EXPECT_EQ(left->frame(), (Rect{0, 0, 401, 30}));
}

TEST(SplitViews, ZeroThicknessDividersLayThePanesEdgeToEdge) {
    TestMainLoop loop;
    HeadlessWindow w({200, 100});
    auto split = View::make<ThinSplit>(Rect{0, 0, 200, 100});
    auto a = View::make<View>();
    auto b = View::make<View>();
    split->addSubview(a);
    split->addSubview(b);
    w.contentView().addSubview(split);
    w.render();
    EXPECT_EQ(a->frame(), (Rect{0, 0, 100, 100}));
    EXPECT_EQ(b->frame(), (Rect{100, 0, 100, 100}));
}

} // namespace
} // namespace tk
