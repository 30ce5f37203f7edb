#pragma once

// ZindralToggleButtonNarrow: a narrow two-way toggle (0 and 1) with an optional title shown as
// given; a press released inside flips the value.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>
#include <optional>
#include <string>

namespace Korvane {

class AudioParameter;

struct ZindralToggleButtonNarrow {
    ZindralToggleButtonNarrow(std::shared_ptr<AudioParameter> param, std::optional<std::string> title);

    std::shared_ptr<AudioParameter> param;
    std::optional<std::string> buttonText;
    tk::ui::State<bool> isPressed{false};
    static constexpr tk::Size buttonSize{24, 62};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
