#pragma once

// A display as windows are placed on it. Screen coordinates are points with the origin at the
// top-left corner of the main screen and y growing downwards. The visible frame leaves out what the
// desktop keeps for itself (panels, docks).

#include "platform/tk/base/Geometry.h"

namespace tk {

struct Screen {
    Rect frame;
    Rect visibleFrame;
    double backingScaleFactor = 1;

    friend bool operator==(const Screen&, const Screen&) = default;
};

} // namespace tk
