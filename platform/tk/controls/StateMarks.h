#pragma once

// The check box and radio marks that switch and radio buttons draw when they have no image of
// their own: one picture per kind, state and pressed look, drawn once at 1x and 2x and kept.

#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/graphics/Image.h"

namespace tk {

enum class StateMark { checkBox, radio };

// [main] The mark (ButtonCell::kStateMarkSize square) for a state, pressed or not.
Image stateMarkImage(StateMark kind, CellState state, bool pressed);

} // namespace tk
