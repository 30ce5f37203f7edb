#include "platform/tk/base/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tk {
namespace {

TEST(Geometry, RectEdgesStandardiseNegativeSizes) {
    const Rect r{10, 20, -4, 6};
    EXPECT_DOUBLE_EQ(r.minX(), 6);
    EXPECT_DOUBLE_EQ(r.maxX(), 10);
    EXPECT_DOUBLE_EQ(r.midX(), 8);
    EXPECT_DOUBLE_EQ(r.minY(), 20);
    EXPECT_DOUBLE_EQ(r.maxY(), 26);
    EXPECT_EQ(r.standardized(), (Rect{6, 20, 4, 6}));
    EXPECT_TRUE(r.isEmpty());
    EXPECT_TRUE((Rect{0, 0, 5, 0}).isEmpty());
    EXPECT_FALSE((Rect{0, 0, 5, 1}).isEmpty());
}

TEST(Geometry, InsetOffsetUnionIntersection) {
    const Rect r{0, 0, 100, 50};
    EXPECT_EQ(r.insetBy(10, 5), (Rect{10, 5, 80, 40}));
    EXPECT_EQ(r.insetBy(-2, -2), (Rect{-2, -2, 104, 54}));
    EXPECT_EQ(r.insetBy(EdgeInsets{1, 2, 3, 4}), (Rect{2, 1, 94, 46}));
    EXPECT_EQ(r.offsetBy(3, -4), (Rect{3, -4, 100, 50}));

    EXPECT_EQ(r.unionWith(Rect{90, 40, 20, 20}), (Rect{0, 0, 110, 60}));
    EXPECT_EQ(r.unionWith(Rect{}), r);
    EXPECT_EQ(Rect{}.unionWith(r), r);

    EXPECT_EQ(r.intersection(Rect{90, 40, 20, 20}), (Rect{90, 40, 10, 10}));
    EXPECT_TRUE(r.intersection(Rect{100, 0, 10, 10}).isEmpty()) << "touching edges do not overlap";
    EXPECT_FALSE(r.intersects(Rect{200, 200, 1, 1}));
}

TEST(Geometry, ContainsIsHalfOpen) {
    const Rect r{0, 0, 10, 10};
    EXPECT_TRUE(r.contains(Point{0, 0}));
    EXPECT_TRUE(r.contains(Point{9.99, 9.99}));
    EXPECT_FALSE(r.contains(Point{10, 5}));
    EXPECT_FALSE(r.contains(Point{5, 10}));
    EXPECT_TRUE(r.contains(Rect{0, 0, 10, 10}));
    EXPECT_FALSE(r.contains(Rect{5, 5, 10, 1}));
}

TEST(Geometry, IntegralPixelAlignmentAndFlipping) {
    EXPECT_EQ((Rect{0.2, 0.7, 1.5, 1.0}).integral(), (Rect{0, 0, 2, 2}));
    EXPECT_EQ((Rect{0.2, 0.7, 1.5, 1.0}).alignedToPixels(2), (Rect{0, 0.5, 2, 1.5}));
    EXPECT_EQ(flippedRect(Rect{10, 0, 20, 30}, 100), (Rect{10, 70, 20, 30}));
    EXPECT_EQ(flippedRect(flippedRect(Rect{1, 2, 3, 4}, 50), 50), (Rect{1, 2, 3, 4}));
}

TEST(Geometry, AspectFitAndFill) {
    const Rect bounds{0, 0, 100, 50};
    EXPECT_EQ(aspectFitRect(Size{20, 20}, bounds), (Rect{25, 0, 50, 50}));
    EXPECT_EQ(aspectFillRect(Size{20, 20}, bounds), (Rect{0, -25, 100, 100}));
    EXPECT_TRUE(aspectFitRect(Size{0, 10}, bounds).isEmpty());
}

TEST(Geometry, TransformsComposeInDrawingOrder) {
    const auto t = AffineTransform::translation(10, 0).scaledBy(2, 2);
    // Scale first, then translate: (1,1) -> (2,2) -> (12,2).
    EXPECT_EQ(t.apply(Point{1, 1}), (Point{12, 2}));
    EXPECT_EQ(AffineTransform::scale(2, 2).concatenating(AffineTransform::translation(10, 0)), t);
    EXPECT_EQ(t.apply(Size{3, 4}), (Size{6, 8}));

    const auto r = AffineTransform::rotation(std::numbers::pi / 2);
    const Point p = r.apply(Point{1, 0});
    EXPECT_NEAR(p.x, 0, 1e-12);
    EXPECT_NEAR(p.y, 1, 1e-12);
    const Rect box = r.apply(Rect{0, 0, 2, 1});
    EXPECT_NEAR(box.minX(), -1, 1e-12);
    EXPECT_NEAR(box.width(), 1, 1e-12);
    EXPECT_NEAR(box.height(), 2, 1e-12);
}

TEST(Geometry, InverseUndoesAndSingularHasNone) {
    const auto t = AffineTransform::translation(5, -3).rotatedBy(0.3).scaledBy(2, 0.5);
    const auto inv = t.inverted();
    ASSERT_TRUE(inv.has_value());
    const Point q = inv->apply(t.apply(Point{7, 11}));
    EXPECT_NEAR(q.x, 7, 1e-9);
    EXPECT_NEAR(q.y, 11, 1e-9);
    EXPECT_FALSE(AffineTransform::scale(0, 1).inverted().has_value());
    EXPECT_TRUE(AffineTransform::identity().isIdentity());
}

} // namespace
} // namespace tk
