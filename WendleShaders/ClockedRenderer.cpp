#include "WendleShaders/ClockedRenderer.h"

#include "WendleShaders/RendererError.h"

#include <chrono>
#include <cmath>
#include <span>

namespace WendleShaders {

namespace {

double secondsBetween(tk::Clock::TimePoint from, tk::Clock::TimePoint to) {
    return std::abs(std::chrono::duration<double>(to - from).count());
}

} // namespace

double ClockedRenderer::currentTime() const {
    const TimePoint until = pauseTime_.value_or(clock_->now());
    return secondsBetween(startTime_, until) - pausedTime_;
}

void ClockedRenderer::pauseClock() {
    if (!pauseTime_)
        pauseTime_ = clock_->now();
}

void ClockedRenderer::resumeClock() {
    if (pauseTime_)
        pausedTime_ += secondsBetween(*pauseTime_, clock_->now());
    pauseTime_.reset();
}

std::shared_ptr<gpu::Buffer> makeQuadBuffer(gpu::Device& device) {
    auto buffer = device.makeBuffer(std::as_bytes(std::span(kQuad)));
    if (!buffer)
        throw RendererError::noValidDevice();
    return buffer;
}

gpu::Viewport viewportFor(gpu::PixelSize size) {
    return {0, 0, static_cast<double>(size.width), static_cast<double>(size.height), 0.0, 1.0};
}

} // namespace WendleShaders
