#pragma once

// ImageButton: a momentary button drawn from two pictures (resting and pressed), at the picture's
// own size. A release inside calls onPressed with whether Option (Alt) is held at that moment.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <functional>

namespace Korvane {

struct ImageButton {
    ImageButton(tk::Image image, tk::Image downImage, std::function<void(bool optionHeld)> onPressed);

    tk::Image image;
    tk::Image downImage;
    tk::ui::State<bool> isPressed{false};
    std::function<void(bool optionHeld)> onPressed;
    static constexpr tk::Size buttonSize{48, 56};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
