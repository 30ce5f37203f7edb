#pragma once

// LeftRightArrowButton: a small two-way toggle drawn as an arrow: left while the value equals
// leftValue exactly, right otherwise. A press released inside flips the value between 0 and 1.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>

namespace Korvane {

class AudioParameter;

struct LeftRightArrowButton {
    LeftRightArrowButton(std::shared_ptr<AudioParameter> param, float leftValue);

    std::shared_ptr<AudioParameter> param;
    float leftValue;
    tk::ui::State<bool> isPressed{false};
    static constexpr tk::Size buttonSize{28, 34};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
