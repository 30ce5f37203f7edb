#pragma once

// What a renderer takes from its surroundings, injectable for tests: the clock its animation time
// is measured with (monotonic; by default the main run loop's clock, so a test that steps the run
// loop's manual clock steps the animation too) and where its random seed comes from.

#include "platform/tk/base/Clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace WendleShaders {

struct RendererDependencies {
    // Null means the main run loop's clock.
    std::shared_ptr<const tk::Clock> clock;
    // Empty means a uniformly random 32-bit value from the system's random device.
    std::function<std::uint32_t()> randomSeed;
    // The main screen's backing scale, nothing without a screen. Empty means the scale the window
    // system gives windows that ask for none.
    std::function<std::optional<double>()> mainScreenBackingScale;
};

// [any] The clock `dependencies` names, or one that reads the main run loop's time.
std::shared_ptr<const tk::Clock> clockFor(const RendererDependencies& dependencies);
// [any] A seed from `dependencies`, or a uniformly random one.
std::uint32_t drawSeed(const RendererDependencies& dependencies);
// [main] The main screen's backing scale from `dependencies`, or the window system's; 1.0 without a
// screen.
double mainScreenScale(const RendererDependencies& dependencies);

} // namespace WendleShaders
