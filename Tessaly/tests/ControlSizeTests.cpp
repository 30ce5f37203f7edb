#include "Tessaly/Declarative/LineBreakMode.h"
#include "Tessaly/Publishers/ControlSizes.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

using Classic = tk::ControlSize;
using Declarative = tk::ui::ControlSize;

TEST(ControlSizesTest, ConvertBothWays) {
    EXPECT_EQ(declarativeControlSize(Classic::regular), Declarative::regular);
    EXPECT_EQ(declarativeControlSize(Classic::small), Declarative::small);
    EXPECT_EQ(declarativeControlSize(Classic::mini), Declarative::mini);
    EXPECT_EQ(declarativeControlSize(Classic::large), Declarative::large);
    EXPECT_EQ(declarativeControlSize(static_cast<Classic>(4)), Declarative::large);
    EXPECT_EQ(classicControlSize(Declarative::mini), Classic::mini);
    EXPECT_EQ(classicControlSize(Declarative::small), Classic::small);
    EXPECT_EQ(classicControlSize(Declarative::regular), Classic::regular);
    EXPECT_EQ(classicControlSize(Declarative::large), Classic::large);
    EXPECT_EQ(static_cast<int>(classicControlSize(Declarative::extraLarge)), 3);
}

TEST(ControlSizesDeathTest, AnUnknownRawSizeStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(declarativeControlSize(static_cast<Classic>(7)), "Unhandled control size: 7");
}

TEST(LineBreakModeDeathTest, TruncationModesMapToTheirLineBreakModesNoneClipsAndOthersStop) {
    EXPECT_EQ(static_cast<int>(lineBreakMode(tk::TruncationMode::head)), 3);
    EXPECT_EQ(static_cast<int>(lineBreakMode(tk::TruncationMode::tail)), 4);
    EXPECT_EQ(static_cast<int>(lineBreakMode(tk::TruncationMode::middle)), 5);
    EXPECT_EQ(lineBreakMode(tk::TruncationMode::none), tk::LineBreakMode::clipping);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(lineBreakMode(static_cast<tk::TruncationMode>(9)), "Unknown truncation mode");
}

} // namespace
} // namespace Tessaly
