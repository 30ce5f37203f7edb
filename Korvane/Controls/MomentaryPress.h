#pragma once

// The press of a momentary button (ZindralButton, ImageButton): pressed from the first pointer
// event; a release inside the button's rect acts, a release outside or a cancelled press does not.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <functional>

namespace Korvane {

// [main] `content` with the press gesture attached; `onRelease` runs for a release inside.
tk::ui::Node withMomentaryPress(tk::ui::Node content, tk::ui::State<bool>* isPressed, tk::Size buttonSize,
                                std::function<void()> onRelease);

} // namespace Korvane
