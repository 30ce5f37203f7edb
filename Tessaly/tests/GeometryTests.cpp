#include "Tessaly/Geometry/GeometryOperators.h"
#include "Tessaly/Geometry/Multiplicable.h"
#include "Tessaly/Geometry/PixelAlignment.h"
#include "Tessaly/Geometry/RoundedPath.h"

#include <gtest/gtest.h>

#include <numbers>

namespace Tessaly {
namespace {

using tk::Rect;

TEST(TessalyGeometry, MultiplicableScalesEveryComponentWithoutStandardising) {
    EXPECT_EQ(Rect(1, 2, 3, 4) * 2, Rect(2, 4, 6, 8));
    EXPECT_EQ(tk::Size(3, 4) / 2, tk::Size(1.5, 2));
    EXPECT_EQ(tk::Point(3, -4) * 0.5, tk::Point(1.5, -2));
    EXPECT_EQ(Rect(1, 1, -4, 2) * 2, Rect(2, 2, -8, 4)) << "a negative size stays negative";
    static_assert(Multiplicable<tk::Point> && Multiplicable<tk::Size> && Multiplicable<Rect>);
}

TEST(TessalyGeometry, SmallOperators) {
    EXPECT_EQ(min(tk::Point(1, 5), tk::Point(3, 2)), tk::Point(1, 2));
    EXPECT_EQ(max(tk::Size(1, 5), tk::Size(3, 2)), tk::Size(3, 5));
    tk::Size s{1, 2};
    s += tk::Size(2, 2);
    EXPECT_EQ(s, tk::Size(3, 4));
    EXPECT_EQ(farCorner(Rect(1, 2, 3, 4)), tk::Point(4, 6));
    EXPECT_TRUE(hasArea(tk::Size(-1, 2))) << "negative counts as non-zero";
    EXPECT_FALSE(hasArea(Rect(5, 5, 0, 2)));
    const tk::EdgeInsets insets{1, 2, 3, 4};
    EXPECT_EQ(reduced(tk::Size(10, 10), insets), tk::Size(4, 6));
    EXPECT_EQ(size(insets), tk::Size(6, 4));
    EXPECT_EQ(-insets, tk::EdgeInsets(-1, -2, -3, -4));
}

TEST(TessalyGeometry, PixelAlignedCentring) {
    struct Case {
        Rect result;
        Rect expected;
    };
    const Rect square{0, 0, 10, 10};
    const Case cases[] = {
        {centeredPixelAlignedRect({10, 10}, {100, 100, 25, 25}, 2), {7.5, 7.5, 10, 10}},
        {centeredPixelAlignedRect({10, 10}, {100, 100, 25, 25}, 1), {8, 8, 10, 10}},
        {centeredPixelAlignedRect({10, 10}, {0, 0, 25, 25}, -1), {8, 8, 10, 10}},
        // Centred on the container's midX (17.5 at scale 2 stays; at 1 rounds to 18).
        {centeredHorizontally({0, 3, 5, 4}, {0, 0, 40, 10}, 2), {17.5, 3, 5, 4}},
        {centeredHorizontally({0, 3, 5, 4}, {0, 0, 40, 10}, 1), {18, 3, 5, 4}},
        {centeredHorizontally(square, {0, 0, 100, 10}, 1, std::pair{0.0, 20.0}), {20, 0, 10, 10}},
        {centeredHorizontally(square, {0, 0, 10, 10}, 1, std::pair{5.0, 20.0}), {5, 0, 10, 10}},
        {centeredVertically({2, 0, 4, 5}, {0, 0, 10, 40}, 2), {2, 17.5, 4, 5}},
        {pixelAligned({0.3, 0.3, 1, 1}, 2), {0, 0, 1.5, 1.5}},
        {pixelAligned({0.3, 0.3, 1, 1}, 0), {0.3, 0.3, 1, 1}},
        {inset({0, 0, 20, 10}, {1, 2, 3, 4}, true), {2, 1, 14, 6}},
        {inset({0, 0, 20, 10}, {1, 2, 3, 4}, false), {2, 3, 14, 6}},
        {inset({0, 0, 20, 10}, {0.5, 0, 0, 0}, true), {0, 0, 20, 10}},
        {outset({10, 10, 20, 10}, {1, 2, 3, 4}, true), {8, 9, 26, 14}},
        {constrained({90, -5, 20, 10}, {0, 0, 100, 100}), {80, 0, 20, 10}},
        {constrained({30, 30, 200, 150}, {10, 20, 100, 100}), {10, 20, 200, 150}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].result, cases[i].expected) << "case " << i;
}

TEST(TessalyGeometry, CentringAtScaleKeepsTheSizeOfWholePixelRects) {
    // A half-point x at scale 2 is a whole pixel: the rect must not grow to cover a whole point.
    const Rect r = centeredHorizontally({0, 0.5, 7, 3.5}, {0, 0, 20, 10}, 2);
    EXPECT_EQ(r, Rect(6.5, 0.5, 7, 3.5));
    const Rect v = centeredVertically({0.5, 0, 3.5, 7}, {0, 0, 10, 20}, 2);
    EXPECT_EQ(v, Rect(0.5, 6.5, 3.5, 7));
}

// The corner points the outline passes through, without the curves' control points.
std::vector<tk::Point> outline(const tk::Path& path) {
    std::vector<tk::Point> points;
    for (const auto& e : path.elements()) {
        const tk::Point p = e.type == tk::Path::ElementType::curveTo ? e.points[2] : e.points[0];
        if (e.type != tk::Path::ElementType::closeSubpath && (points.empty() || points.back() != p))
            points.push_back(p);
    }
    return points;
}

void expectOutline(const tk::Path& path, const std::vector<tk::Point>& expected) {
    const auto points = outline(path);
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].x, expected[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(points[i].y, expected[i].y, 1e-9) << "point " << i;
    }
}

TEST(TessalyGeometry, RoundedPathCorners) {
    const Rect r{0, 0, 40, 20};
    const std::vector<tk::Point> plain{{0, 0}, {40, 0}, {40, 20}, {0, 20}, {0, 0}};
    expectOutline(roundedRectPath(r, {}), plain);
    expectOutline(roundedRectPath(r, {-3, -1, -2, -5}), plain); // negative radii: square corners

    const tk::Path topRight = roundedRectPath(r, {0, 5, 0, 0});
    expectOutline(topRight, {{0, 0}, {35, 0}, {40, 5}, {40, 20}, {0, 20}, {0, 0}});
    EXPECT_TRUE(topRight.contains({34, 1}));
    EXPECT_FALSE(topRight.contains({39.5, 0.5})) << "only the top-right corner is cut";
    EXPECT_TRUE(topRight.contains({0.2, 0.2}));
}

TEST(TessalyGeometry, RoundedPathRadiiThatOverflowAreScaledTogether) {
    // The left side (20 high) holds 15 + 15: every radius is scaled by 20 / 30.
    const tk::Path path = roundedRectPath({0, 0, 100, 20}, {15, 3, 3, 15});
    const auto points = outline(path);
    const double k = 20.0 / 30.0;
    EXPECT_NEAR(points[0].x, 15 * k, 1e-9);
    EXPECT_NEAR(points[1].x, 100 - 3 * k, 1e-9);
    for (const tk::Point& p : points) {
        EXPECT_GE(p.y, -1e-9);
        EXPECT_LE(p.y, 20 + 1e-9) << "the outline never leaves the rect";
    }
    // Radii that fit stay as given.
    EXPECT_EQ(outline(roundedRectPath({0, 0, 100, 20}, {10, 0, 0, 10}))[0], tk::Point(10, 0));
}

} // namespace
} // namespace Tessaly
