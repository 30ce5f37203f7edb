#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Controls/PressRules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Korvane {
namespace {

struct PictureCase {
    const char* button;
    std::string_view (*picture)(bool pressed, bool on);
    const char* restingOff;
    const char* restingOn;
    const char* pressedOff;
    const char* pressedOn;
};

std::string_view modeModern(bool pressed, bool on) {
    return modeTogglePicture(ToggleButtonStyle::modern, pressed, on);
}
std::string_view modeRetro(bool pressed, bool on) {
    return modeTogglePicture(ToggleButtonStyle::retro, pressed, on);
}
std::string_view arrow(bool pressed, bool left) {
    return leftRightArrowPicture(pressed, left);
}

TEST(ButtonPictures, ByPressedAndOnState) {
    const PictureCase cases[] = {
        {"ZindralToggleButton", zindralTogglePicture, "zindral-button-grey-off",
         "zindral-button-grey-on-yellow", "zindral-button-grey-off-down",
         "zindral-button-grey-on-yellow-down"},
        {"ZindralToggleButtonNarrow", zindralToggleNarrowPicture, "zindral-button-narrow-grey-off",
         "zindral-button-narrow-grey-on-yellow", "zindral-button-narrow-grey-off-down",
         "zindral-button-narrow-grey-on-yellow-down"},
        {"ModeToggleButton modern", modeModern, "modern-button", "modern-button-on", "modern-button-down",
         "modern-button-on-down"},
        {"ModeToggleButton retro", modeRetro, "retro-button", "modern-button-on", "retro-button",
         "retro-button-down"},
        {"ToggleButton", modernPicture, "modern-button", "modern-button-on", "modern-button-down",
         "modern-button-on-down"},
        // "on" here means the arrow points left.
        {"LeftRightArrowButton", arrow, "zindral-button-small-yellow-right",
         "zindral-button-small-yellow-left", "zindral-button-small-yellow-right-down",
         "zindral-button-small-yellow-left-down"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.picture(false, false), c.restingOff) << c.button;
        EXPECT_EQ(c.picture(false, true), c.restingOn) << c.button;
        EXPECT_EQ(c.picture(true, false), c.pressedOff) << c.button;
        EXPECT_EQ(c.picture(true, true), c.pressedOn) << c.button;
    }
    EXPECT_EQ(zindralButtonPicture(false), "zindral-button-yellow");
    EXPECT_EQ(zindralButtonPicture(true), "zindral-button-yellow-down");
    EXPECT_EQ(settingsPicture(false), "settings-button");
    EXPECT_EQ(settingsPicture(true), "settings-button-down");
}

TEST(PressRules, OnStateTruncatesTowardZero) {
    struct Case {
        float value;
        int index;
        bool on;
    } cases[] = {
        {2, 2, true},      {2.9f, 2, true}, {3, 2, false},        {-0.5f, 0, true},
        {1.99f, 2, false}, {NAN, 0, false}, {INFINITY, 0, false}, {1e30f, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isOnAtIndex(c.value, c.index), c.on) << c.value << " at " << c.index;
    }
}

TEST(PressRules, ToggleAndInsideTest) {
    EXPECT_EQ(toggledValue(0), 1);
    EXPECT_EQ(toggledValue(-0.0f), 1);
    EXPECT_EQ(toggledValue(1), 0);
    EXPECT_EQ(toggledValue(0.5f), 0);

    const tk::Size size{48, 56};
    EXPECT_TRUE(isInsideButton({0, 0}, size));
    EXPECT_TRUE(isInsideButton({47.9, 55.9}, size));
    EXPECT_FALSE(isInsideButton({48, 10}, size)); // the right edge is outside
    EXPECT_FALSE(isInsideButton({10, 56}, size)); // so is the bottom edge
    EXPECT_FALSE(isInsideButton({-0.1, 10}, size));
}

} // namespace
} // namespace Korvane
