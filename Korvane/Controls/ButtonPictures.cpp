#include "Korvane/Controls/ButtonPictures.h"

#include "Korvane/Resources/AssetNames.h"

namespace Korvane {

namespace A = AssetNames;

std::string_view zindralButtonPicture(bool pressed) {
    return pressed ? A::zindralButtonYellowDown : A::zindralButtonYellow;
}

std::string_view zindralTogglePicture(bool pressed, bool on) {
    if (on) {
        return pressed ? A::zindralButtonGreyOnYellowDown : A::zindralButtonGreyOnYellow;
    }
    return pressed ? A::zindralButtonGreyOffDown : A::zindralButtonGreyOff;
}

std::string_view zindralToggleNarrowPicture(bool pressed, bool on) {
    if (on) {
        return pressed ? A::zindralButtonNarrowGreyOnYellowDown : A::zindralButtonNarrowGreyOnYellow;
    }
    return pressed ? A::zindralButtonNarrowGreyOffDown : A::zindralButtonNarrowGreyOff;
}

std::string_view modernPicture(bool pressed, bool on) {
    if (on) {
        return pressed ? A::modernButtonOnDown : A::modernButtonOn;
    }
    return pressed ? A::modernButtonDown : A::modernButton;
}

std::string_view modeTogglePicture(ToggleButtonStyle style, bool pressed, bool on) {
    if (style == ToggleButtonStyle::modern) {
        return modernPicture(pressed, on);
    }
    if (pressed) {
        return on ? A::retroButtonDown : A::retroButton;
    }
    return on ? A::modernButtonOn : A::retroButton;
}

std::string_view leftRightArrowPicture(bool pressed, bool showsLeft) {
    if (showsLeft) {
        return pressed ? A::zindralButtonSmallYellowLeftDown : A::zindralButtonSmallYellowLeft;
    }
    return pressed ? A::zindralButtonSmallYellowRightDown : A::zindralButtonSmallYellowRight;
}

std::string_view settingsPicture(bool pressed) {
    return pressed ? A::settingsButtonDown : A::settingsButton;
}

} // namespace Korvane
