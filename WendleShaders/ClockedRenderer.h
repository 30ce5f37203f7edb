#pragma once

// ClockedRenderer: what the module's renderers share - the animation clock that stops while their
// window is not key, and the full-view quad they all draw.
//
// The clock: time = (now - startTime) - pausedTime on a monotonic clock. While paused (pauseClock()
// until resumeClock()) the time stands still at the moment the pause began, so a frame drawn
// during a pause shows the same time; resumeClock() adds the pause to pausedTime, so the time goes
// on from where it stopped.
//
// All members are [main].

#include "WendleShaders/RendererDependencies.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/ShaderView.h"

#include <array>
#include <memory>
#include <optional>

namespace WendleShaders {

// A full clip-space square in triangle-strip order: four float2 positions, 32 bytes.
inline constexpr std::array<float, 8> kQuad{-1, -1, -1, 1, 1, -1, 1, 1};
inline constexpr std::size_t kQuadVertexCount = 4;

class ClockedRenderer : public gpu::ShaderViewDelegate {
public:
    using TimePoint = tk::Clock::TimePoint;

    explicit ClockedRenderer(const RendererDependencies& dependencies) : clock_(clockFor(dependencies)) {}

    // Starts a pause now (a pause already begun keeps its start).
    void pauseClock();
    // Ends a pause: its length is added to pausedTime. Without a pause it does nothing.
    void resumeClock();
    // The time the next frame gets, in seconds.
    double currentTime() const;

    TimePoint startTime() const { return startTime_; }
    std::optional<TimePoint> pauseTime() const { return pauseTime_; }
    double pausedTime() const { return pausedTime_; }

protected:
    // The moment the renderer is made: time 0.
    void startClock() { startTime_ = clock_->now(); }

private:
    std::shared_ptr<const tk::Clock> clock_;
    TimePoint startTime_{};
    std::optional<TimePoint> pauseTime_;
    double pausedTime_ = 0;
};

// The quad's buffer on `device`; throws RendererError::noValidDevice() when it cannot be made.
std::shared_ptr<gpu::Buffer> makeQuadBuffer(gpu::Device& device);

// The viewport that covers a drawable of `size`: (0, 0, width, height, 0, 1).
gpu::Viewport viewportFor(gpu::PixelSize size);

} // namespace WendleShaders
