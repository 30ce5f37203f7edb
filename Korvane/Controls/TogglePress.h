#pragma once

// The press of a parameter toggle, shared by the five toggles: the pointer going down begins an
// edit with the current value; releasing inside sets the new value (change, then end with it);
// releasing outside or a cancelled press ends the edit with the value unchanged. An end is only
// ever sent after the begin of the same press.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Gesture.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <functional>

namespace Korvane {

class AudioParameter;

// [main] Drag changed: the first event of a press sets `isPressed` and begins the edit.
void togglePressChanged(AudioParameter& param, tk::ui::State<bool>& isPressed);
// [main] Drag ended at `location` (in the button's coordinates) or was cancelled.
void togglePressEnded(AudioParameter& param, tk::ui::State<bool>& isPressed, tk::Point location,
                      bool cancelled, tk::Size buttonSize,
                      const std::function<float(float current)>& newValue);

// [main] `content` with the press gesture of a parameter toggle attached (minimum distance 0).
tk::ui::Node withTogglePress(tk::ui::Node content, AudioParameter* param, tk::ui::State<bool>* isPressed,
                             tk::Size buttonSize, std::function<float(float current)> newValue);

} // namespace Korvane
