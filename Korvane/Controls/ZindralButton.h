#pragma once

// ZindralButton: the plug-in's yellow momentary push button with a title. Pressing shows the
// "-down" picture at once; releasing inside calls onPressed, dragging off first cancels.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <functional>
#include <string>

namespace Korvane {

// Stored but choosing nothing: every picture of the Zindral buttons is the yellow one.
enum class ZindralButtonColor { yellow };

struct ZindralButton {
    ZindralButton(std::string title, ZindralButtonColor buttonColor, std::function<void()> onPressed);

    ZindralButtonColor color;
    std::string buttonText;
    tk::ui::State<bool> isPressed{false};
    std::function<void()> onPressed;
    static constexpr tk::Size buttonSize{48, 56};

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
