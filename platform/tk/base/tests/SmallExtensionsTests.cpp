#include "platform/tk/base/Clamped.h"
#include "platform/tk/base/IndexString.h"
#include "platform/tk/base/SafeIndex.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

TEST(ClampedTest, KeepsValuesInsideEachKindOfRange) {
    EXPECT_EQ(tk::clamped(5, tk::ClosedRange<int>{0, 3}), 3);
    EXPECT_EQ(tk::clamped(-1, tk::ClosedRange<int>{0, 3}), 0);
    EXPECT_EQ(tk::clamped(2, tk::ClosedRange<int>{0, 3}), 2);
    EXPECT_EQ(tk::clamped(5, tk::PartialRangeFrom<int>{10}), 10);
    EXPECT_EQ(tk::clamped(12, tk::PartialRangeFrom<int>{10}), 12);
    EXPECT_EQ(tk::clamped(12, tk::PartialRangeThrough<int>{10}), 10);
    EXPECT_EQ(tk::clamped(7.5f, tk::PartialRangeThrough<float>{10.0f}), 7.5f);
}

TEST(SafeIndexTest, GivesNothingOutsideTheIndices) {
    const std::vector<int> three{10, 20, 30};
    EXPECT_EQ(tk::safeAt(three, 2), 30);
    EXPECT_EQ(tk::safeAt(three, 3), std::nullopt);
    EXPECT_EQ(tk::safeAt(three, -1), std::nullopt);
    EXPECT_EQ(tk::safeAt(std::array<int, 0>{}, 0u), std::nullopt);
}

TEST(PaddedIndexStringTest, PadsSingleDigits) {
    EXPECT_EQ(tk::paddedIndexString(7), "07");
    EXPECT_EQ(tk::paddedIndexString(0), "00");
    EXPECT_EQ(tk::paddedIndexString(10), "10");
    EXPECT_EQ(tk::paddedIndexString(51), "51");
}

} // namespace
