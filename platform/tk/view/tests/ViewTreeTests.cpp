#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/tests/RecordingView.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using testing::RecordingView;

class ViewTree : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    View& root() { return w.contentView(); }
};

TEST_F(ViewTree, TopmostVisibleSubviewWinsTheHitTest) {
    auto below = View::make<View>(Rect{0, 0, 100, 100});
    auto above = View::make<View>(Rect{50, 0, 100, 100});
    auto child = View::make<View>(Rect{10, 10, 10, 10}); // inside `above`, at window 60..70
    root().addSubview(below);
    root().addSubview(above);
    above->addSubview(child);

    EXPECT_EQ(root().hitTest({20, 20}), below.get());
    EXPECT_EQ(root().hitTest({55, 5}), above.get()) << "the later subview is on top";
    EXPECT_EQ(root().hitTest({65, 15}), child.get()) << "depth first";
    EXPECT_EQ(root().hitTest({190, 90}), &root());
    EXPECT_EQ(root().hitTest({250, 20}), nullptr);

    above->setHidden(true);
    EXPECT_EQ(root().hitTest({65, 15}), below.get()) << "a hidden view and its subtree are skipped";
    above->setHidden(false);
    above->setAllowsHitTesting(false);
    EXPECT_EQ(root().hitTest({65, 15}), below.get()) << "opting out takes the subtree out";

    // Reordering: `below` brought to the top.
    root().addSubview(below, SubviewOrder::above, above.get());
    above->setAllowsHitTesting(true);
    EXPECT_EQ(root().hitTest({55, 5}), below.get());
}

TEST_F(ViewTree, ContainersCanLetClicksThroughAndClippingLimitsTheSubtree) {
    struct PassThrough : View {
        using View::View;
        bool hitTestSelf(Point) const override { return false; }
    };
    auto under = View::make<View>(Rect{0, 0, 200, 100});
    auto stack = View::make<PassThrough>(Rect{0, 0, 100, 100});
    auto item = View::make<View>(Rect{0, 0, 20, 20});
    auto outside = View::make<View>(Rect{120, 0, 20, 20}); // beyond the stack's bounds
    root().addSubview(under);
    root().addSubview(stack);
    stack->addSubview(item);
    stack->addSubview(outside);

    EXPECT_EQ(root().hitTest({50, 50}), under.get()) << "the container's empty part lets the click through";
    EXPECT_EQ(root().hitTest({10, 10}), item.get());
    EXPECT_EQ(root().hitTest({130, 10}), outside.get()) << "without clipping, children outside still hit";
    stack->setClipsToBounds(true);
    EXPECT_EQ(root().hitTest({130, 10}), under.get());
}

TEST_F(ViewTree, CoordinatesConvertThroughFramesBoundsOriginsAndScale) {
    auto outer = View::make<View>(Rect{10, 20, 100, 50});
    auto scaled = View::make<View>(Rect{5, 5, 50, 25});
    scaled->setBoundsSize({100, 50}); // draws at half size
    auto inner = View::make<View>(Rect{20, 10, 10, 10});
    root().addSubview(outer);
    outer->addSubview(scaled);
    scaled->addSubview(inner);

    EXPECT_EQ(inner->convertToWindow({0, 0}), (Point{10 + 5 + 10, 20 + 5 + 5}));
    EXPECT_EQ(inner->convertFromWindow({25, 30}), (Point{0, 0}));
    EXPECT_EQ(inner->convertTo(Point{2, 2}, outer.get()), (Point{5 + 11, 5 + 6}));
    EXPECT_EQ(outer->convertFrom(Point{2, 2}, inner.get()), (Point{16, 11}));
    EXPECT_EQ(scaled->bounds().size, (Size{100, 50}));
    EXPECT_EQ(root().hitTest({26, 31}), inner.get());

    outer->setBoundsOrigin({0, 10}); // scrolled by 10
    EXPECT_EQ(inner->convertToWindow({0, 0}), (Point{25, 20}));

    const Rect r = inner->convertTo(Rect{0, 0, 10, 10}, nullptr);
    EXPECT_EQ(r, (Rect{25, 20, 5, 5}));

    // The scale stays when the frame grows.
    scaled->setFrameSize({100, 50});
    EXPECT_EQ(scaled->bounds().size, (Size{200, 100}));
}

TEST_F(ViewTree, TreeHooksAndRules) {
    struct Hooked : View {
        std::vector<std::string>* log;
        explicit Hooked(std::vector<std::string>* l) : log(l) {}
        void setup() override { log->push_back("setup"); }
        void viewWillMoveToWindow(Window* w) override { log->push_back(w ? "willMove in" : "willMove out"); }
        void viewDidMoveToWindow() override { log->push_back(window() ? "did in" : "did out"); }
    };
    std::vector<std::string> log;
    auto v = View::make<Hooked>(&log);
    auto parent = View::make<View>();
    parent->addSubview(v);
    EXPECT_EQ(v->window(), nullptr);
    root().addSubview(parent);
    EXPECT_EQ(v->window(), &w.window());
    parent->removeFromSuperview();
    EXPECT_EQ(v->window(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"setup", "willMove in", "did in", "willMove out", "did out"}));

    // Adding an ancestor under its own descendant is refused.
    v->addSubview(parent);
    EXPECT_EQ(parent->superview(), nullptr);
    v->addSubview(v);
    EXPECT_TRUE(v->subviews().empty());

    // Moving to another superview leaves the first one.
    auto other = View::make<View>();
    other->addSubview(v);
    EXPECT_TRUE(parent->subviews().empty());
    EXPECT_EQ(v->superview(), other.get());
}

TEST_F(ViewTree, AutoresizingAndLayoutFollowTheWindowSize) {
    struct Laying : View {
        using View::View;
        int layouts = 0;
        void layout() override { ++layouts; }
    };
    auto filler = View::make<Laying>(Rect{10, 10, 180, 80});
    filler->setAutoresizingMask(AutoresizingMask::widthSizable | AutoresizingMask::heightSizable);
    auto pinned = View::make<View>(Rect{170, 0, 30, 10});
    pinned->setAutoresizingMask(AutoresizingMask::minXMargin);
    root().addSubview(filler);
    root().addSubview(pinned);
    w.window().layoutIfNeeded();
    const int before = filler->layouts;

    w.window().setContentSize({300, 150});
    EXPECT_EQ(filler->frame(), (Rect{10, 10, 280, 130}));
    EXPECT_EQ(pinned->frame(), (Rect{270, 0, 30, 10}));
    w.window().layoutIfNeeded();
    EXPECT_EQ(filler->layouts, before + 1);
    w.window().layoutIfNeeded();
    EXPECT_EQ(filler->layouts, before + 1) << "no layout without a change";
}

TEST_F(ViewTree, APinnedViewFollowsTheEdgesOfTheViewItIsPinnedTo) {
    auto panel = View::make<View>(Rect{10, 10, 100, 50});
    auto fill = View::make<View>();
    root().addSubview(panel);
    panel->addSubview(fill);
    fill->setAutoresizingMask(AutoresizingMask::widthSizable);
    fill->pinToEdges(panel.get(), EdgeInsets{1, 2, 3, 4});
    EXPECT_FALSE(fill->translatesAutoresizingMaskIntoConstraints());
    EXPECT_EQ(fill->frame(), (Rect{2, 1, 94, 46}));
    panel->setFrame(Rect{0, 0, 200, 80});
    EXPECT_EQ(fill->frame(), (Rect{2, 1, 194, 76})) << "follows a resize, the mask no longer applies";

    // Pinned to a sibling: follows its moves too.
    auto badge = View::make<View>();
    root().addSubview(badge);
    badge->pinToEdges(panel.get());
    panel->setFrameOrigin({30, 5});
    EXPECT_EQ(badge->frame(), (Rect{30, 5, 200, 80}));
    badge->pinToEdges(nullptr, {});
    EXPECT_EQ(badge->frame(), (Rect{30, 5, 200, 80})) << "no other view: nothing changes";
}

// A view that wants 40 x 20 points.
class Sized : public View {
public:
    using View::View;
    Size intrinsicContentSize() const override { return size; }
    Size size{40, 20};
};

TEST_F(ViewTree, APinGivesWayOnlyToRequiredHuggingAndCompressionResistance) {
    auto panel = View::make<View>(Rect{0, 0, 100, 50});
    auto sized = View::make<Sized>();
    root().addSubview(panel);
    panel->addSubview(sized);
    EXPECT_EQ(sized->contentHuggingPriority(LayoutOrientation::horizontal), kLayoutPriorityDefaultLow);
    EXPECT_EQ(sized->contentCompressionResistancePriority(LayoutOrientation::vertical),
              kLayoutPriorityDefaultHigh);
    sized->setContentHuggingPriority(kLayoutPriorityDefaultHigh, LayoutOrientation::horizontal);
    sized->pinToEdges(panel.get());
    EXPECT_EQ(sized->frame(), (Rect{0, 0, 100, 50})) << "below required the pin stretches it";

    sized->setContentHuggingPriority(kLayoutPriorityRequired, LayoutOrientation::horizontal);
    EXPECT_EQ(sized->frame(), (Rect{30, 0, 40, 50})) << "hugs its width, centred; the height still stretches";
    sized->setContentHuggingPriority(kLayoutPriorityRequired, LayoutOrientation::vertical);
    EXPECT_EQ(sized->frame(), (Rect{30, 15, 40, 20}));

    panel->setFrameSize({30, 10});
    EXPECT_EQ(sized->frame(), (Rect{0, 0, 30, 10})) << "compression resistance below required gives way";
    sized->setContentCompressionResistancePriority(kLayoutPriorityRequired, LayoutOrientation::horizontal);
    EXPECT_EQ(sized->frame(), (Rect{-5, 0, 40, 10})) << "keeps its width, centred on the span";

    sized->size = {20, 10};
    sized->invalidateIntrinsicContentSize();
    EXPECT_EQ(sized->frame(), (Rect{5, 0, 20, 10})) << "a new intrinsic size is placed at once";
}

} // namespace
} // namespace tk
