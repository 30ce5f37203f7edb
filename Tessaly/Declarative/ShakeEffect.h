#pragma once

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Node.h"

namespace Tessaly {

// A horizontal shake: at progress `animatableData` (0 to 1) the content is moved sideways by
// amount x sin(progress x pi x shakes). It moves only the drawing and the hit area, not the layout.
struct ShakeEffect {
    double amount = 0; // points at full swing
    double shakes = 0; // swings over the whole animation
    double animatableData = 0;

    // The displacement for content of any size.
    tk::AffineTransform effectValue(tk::Size size = {}) const;
};

// `content` displaced by the effect.
tk::ui::Node shake(tk::ui::Node content, const ShakeEffect& effect);

} // namespace Tessaly
