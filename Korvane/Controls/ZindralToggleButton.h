#pragma once

// ZindralToggleButton: one button of a pick-one group over an indexed parameter. It is on while
// the value (truncated toward zero) is its valueIndex, titled with that value's string, and a
// press released inside sets the parameter to valueIndex (begin, change, end).

#include "Korvane/Controls/ZindralButton.h"

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>

namespace Korvane {

class AudioParameter;

struct ZindralToggleButton {
    ZindralToggleButton(std::shared_ptr<AudioParameter> param, int valueIndex,
                        ZindralButtonColor buttonColor);

    std::shared_ptr<AudioParameter> param;
    int valueIndex;
    ZindralButtonColor color;
    tk::ui::State<bool> isPressed{false};
    static constexpr tk::Size buttonSize{48, 56};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
