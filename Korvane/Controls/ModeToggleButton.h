#pragma once

// ModeToggleButton: one button of a pick-one group drawn from the modern or the retro pictures,
// titled in upper case with the value string at valueIndex. On while the value (truncated toward
// zero) is valueIndex; a press released inside sets valueIndex.

#include "Korvane/Controls/ButtonPictures.h"

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>

namespace Korvane {

class AudioParameter;

struct ModeToggleButton {
    ModeToggleButton(std::shared_ptr<AudioParameter> param, int valueIndex, tk::Color textColor,
                     ToggleButtonStyle buttonStyle, double buttonFontSize);

    std::shared_ptr<AudioParameter> param;
    int valueIndex;
    ToggleButtonStyle buttonStyle;
    double buttonFontSize;
    tk::Color buttonTextColor;
    static constexpr tk::Size buttonSize{88, 27};
    tk::ui::State<bool> isPressed{false};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
