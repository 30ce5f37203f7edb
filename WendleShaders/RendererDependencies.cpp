#include "WendleShaders/RendererDependencies.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/view/Backend.h"

#include <random>

namespace WendleShaders {

namespace {

class RunLoopClock final : public tk::Clock {
public:
    TimePoint now() const override { return tk::RunLoop::main().now(); }
};

} // namespace

std::shared_ptr<const tk::Clock> clockFor(const RendererDependencies& dependencies) {
    if (dependencies.clock)
        return dependencies.clock;
    static const auto runLoopClock = std::make_shared<const RunLoopClock>();
    return runLoopClock;
}

std::uint32_t drawSeed(const RendererDependencies& dependencies) {
    if (dependencies.randomSeed)
        return dependencies.randomSeed();
    std::random_device device;
    std::uniform_int_distribution<std::uint32_t> uniform;
    return uniform(device);
}

double mainScreenScale(const RendererDependencies& dependencies) {
    if (dependencies.mainScreenBackingScale)
        return dependencies.mainScreenBackingScale().value_or(1.0);
    return tk::currentBackend().defaultBackingScaleFactor();
}

} // namespace WendleShaders
