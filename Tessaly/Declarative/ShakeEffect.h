#pragma once

#include "platform/tk/base/Clock.h"
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

// How long a shake takes unless told, and how often it moves on the way.
inline constexpr double kShakeDuration = 0.4;
inline constexpr tk::Clock::Duration kShakeFrameInterval = tk::seconds(1.0 / 60.0);

// `content` displaced by the effect at its own progress.
tk::ui::Node shake(tk::ui::Node content, const ShakeEffect& effect);

// `content` shaken each time `trigger` differs from the last build's: the effect's progress runs
// from 0 to 1 over `duration` seconds, moved on by the main run loop's timers every
// kShakeFrameInterval and measured on the loop's clock (a test's clock drives it), the content
// displaced by the effect at each step. A new trigger during a shake starts it again. At rest,
// and when first shown, the content stands where the layout put it.
tk::ui::Node shake(tk::ui::Node content, const ShakeEffect& effect, int trigger,
                   double duration = kShakeDuration);

} // namespace Tessaly
