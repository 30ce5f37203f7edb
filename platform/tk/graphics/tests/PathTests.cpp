#include "platform/tk/graphics/NinePart.h"
#include "platform/tk/graphics/Path.h"

#include <gtest/gtest.h>

#include <numbers>

namespace tk {
namespace {

TEST(Path, RectIsFiveElementsAndReadsBackAsRect) {
    const Path p = Path::rect(Rect{1, 2, 3, 4});
    ASSERT_EQ(p.elements().size(), 5u);
    EXPECT_EQ(p.asRect(), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(p.boundingBox(), (Rect{1, 2, 3, 4}));
    EXPECT_FALSE(Path::ellipse(Rect{0, 0, 4, 4}).asRect().has_value());
}

TEST(Path, ArcEndsOnTheCircleInTheChosenDirection) {
    Path p;
    p.addArc(Point{0, 0}, 10, 0, std::numbers::pi / 2);
    ASSERT_FALSE(p.isEmpty());
    const Point end = *p.currentPoint();
    EXPECT_NEAR(end.x, 0, 1e-9);
    EXPECT_NEAR(end.y, 10, 1e-9);
    // Angle growing from 0 to pi/2 passes through positive x and y only.
    EXPECT_GE(p.boundingBox().minX(), -1e-9);
    EXPECT_GE(p.boundingBox().minY(), -1e-9);

    Path q;
    q.addArc(Point{0, 0}, 10, 0, std::numbers::pi / 2, /*clockwise=*/true);
    // The other way round: three quarters of the circle, through negative x and y.
    EXPECT_LT(q.boundingBox().minX(), -9);
    EXPECT_LT(q.boundingBox().minY(), -9);
}

TEST(Path, RoundedRectKeepsSquareCornersWhereRadiusIsZero) {
    const Path plain = Path::roundedRect(Rect{0, 0, 20, 10}, CornerRadii{});
    int curves = 0;
    for (const auto& e : plain.elements())
        curves += e.type == Path::ElementType::curveTo;
    EXPECT_EQ(curves, 0);
    EXPECT_EQ(plain.boundingBox(), (Rect{0, 0, 20, 10}));

    const Path oneCorner = Path::roundedRect(Rect{0, 0, 20, 10}, CornerRadii{0, 4, 0, 0});
    curves = 0;
    for (const auto& e : oneCorner.elements())
        curves += e.type == Path::ElementType::curveTo;
    EXPECT_EQ(curves, 1);
    EXPECT_EQ(oneCorner.elements().front().points[0], (Point{0, 0}));
}

TEST(Path, TransformedMovesEveryPoint) {
    const Path p = Path::line(Point{1, 1}, Point{2, 3}).transformed(AffineTransform::translation(10, 20));
    EXPECT_EQ(p.elements()[0].points[0], (Point{11, 21}));
    EXPECT_EQ(p.elements()[1].points[0], (Point{12, 23}));
}

TEST(Path, ContainsFollowsTheFillRule) {
    EXPECT_TRUE(Path::rect(Rect{0, 0, 10, 10}).contains(Point{5, 5}));
    EXPECT_FALSE(Path::rect(Rect{0, 0, 10, 10}).contains(Point{15, 5}));
    const Path circle = Path::ellipse(Rect{0, 0, 10, 10});
    EXPECT_TRUE(circle.contains(Point{5, 5}));
    EXPECT_FALSE(circle.contains(Point{0.5, 0.5})) << "outside the curve, inside the box";

    // A square with a same-direction inner square (non-zero: filled) and the even-odd hole.
    Path ring = Path::rect(Rect{0, 0, 10, 10});
    ring.addRect(Rect{3, 3, 4, 4});
    EXPECT_TRUE(ring.contains(Point{5, 5}, FillRule::nonZero));
    EXPECT_FALSE(ring.contains(Point{5, 5}, FillRule::evenOdd));
    EXPECT_TRUE(ring.contains(Point{1, 5}, FillRule::evenOdd));

    Path open;
    open.moveTo(Point{0, 0});
    open.lineTo(Point{10, 0});
    open.lineTo(Point{0, 10});
    EXPECT_TRUE(open.contains(Point{2, 2})) << "an open sub-path fills as closed";
    EXPECT_FALSE(Path{}.contains(Point{0, 0}));
}

TEST(NinePart, PiecesCoverTheDestinationWithFixedCorners) {
    // 30 x 20 picture, caps 5 top, 6 left, 7 bottom, 8 right, drawn into 100 x 50 at (10, 10).
    const auto pieces = ninePartPieces(Size{30, 20}, EdgeInsets{5, 6, 7, 8}, Rect{10, 10, 100, 50});
    ASSERT_EQ(pieces.size(), 9u);
    const Rect expectedDest[9] = {
        {10, 10, 6, 5},   {16, 10, 86, 5}, {102, 10, 8, 5}, {10, 15, 6, 38}, {16, 15, 86, 38},
        {102, 15, 8, 38}, {10, 53, 6, 7},  {16, 53, 86, 7}, {102, 53, 8, 7},
    };
    const Rect expectedSource[9] = {
        {0, 0, 6, 5},  {6, 0, 16, 5}, {22, 0, 8, 5},  {0, 5, 6, 8},   {6, 5, 16, 8},
        {22, 5, 8, 8}, {0, 13, 6, 7}, {6, 13, 16, 7}, {22, 13, 8, 7},
    };
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(pieces[i].destination, expectedDest[i]) << i;
        EXPECT_EQ(pieces[i].source, expectedSource[i]) << i;
    }
}

TEST(NinePart, ZeroCapsStretchTheWholePictureAndTightDestinationsShrinkCaps) {
    const auto whole = ninePartPieces(Size{10, 10}, EdgeInsets{}, Rect{0, 0, 40, 20});
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].source, (Rect{0, 0, 10, 10}));
    EXPECT_EQ(whole[0].destination, (Rect{0, 0, 40, 20}));

    // Caps of 10 + 10 into a width of 10: each cap gets half, the middle nothing.
    const auto tight = ninePartPieces(Size{30, 30}, EdgeInsets{0, 10, 0, 10}, Rect{0, 0, 10, 30});
    ASSERT_EQ(tight.size(), 2u);
    EXPECT_EQ(tight[0].destination, (Rect{0, 0, 5, 30}));
    EXPECT_EQ(tight[1].destination, (Rect{5, 0, 5, 30}));

    // Caps that leave no middle still cover the stretched middle.
    const auto noMiddle = ninePartPieces(Size{20, 10}, EdgeInsets{0, 10, 0, 10}, Rect{0, 0, 50, 10});
    ASSERT_EQ(noMiddle.size(), 3u);
    EXPECT_EQ(noMiddle[1].destination, (Rect{10, 0, 30, 10}));
    EXPECT_FALSE(noMiddle[1].source.isEmpty());

    EXPECT_TRUE(ninePartPieces(Size{}, EdgeInsets{}, Rect{0, 0, 10, 10}).empty());
}

} // namespace
} // namespace tk
