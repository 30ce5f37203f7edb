#pragma once

// ToggleButton: a two-way toggle (0 and 1) on the modern pictures, titled with nameOverride as
// given or else the parameter's name in upper case. On while the value is exactly 1; a press
// released inside flips it.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>
#include <optional>
#include <string>

namespace Korvane {

class AudioParameter;

struct ToggleButton {
    ToggleButton(std::shared_ptr<AudioParameter> param, tk::Color buttonTextColor,
                 std::optional<std::string> nameOverride, double buttonFontSize);

    std::shared_ptr<AudioParameter> param;
    std::optional<std::string> nameOverride;
    double buttonFontSize;
    tk::Color buttonTextColor;
    static constexpr tk::Size buttonSize{88, 27};
    tk::ui::State<bool> isPressed{false};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
