#pragma once

// MetalShaderRenderer: draws one full-view quad with a named vertex/fragment function pair and
// feeds the fragment function the drawable size, a random seed and a running time.
//
// What the shader functions receive:
//   vertex   buffer 0: the quad, four float2 positions (-1,-1), (-1,1), (1,-1), (1,1), indexed by
//            vertex id; drawn as a 4-vertex triangle strip.
//   fragment bytes 0: drawable size in pixels, two 32-bit floats (8 bytes)
//            bytes 1: the seed, unsigned 32-bit (4 bytes)
//            bytes 2: the time in seconds, 32-bit float (4 bytes)
//   It writes one colour to attachment 0 (RGBA16Float).
//
// The clock: time = (now - startTime) - pausedTime on a monotonic clock. While paused (pauseClock()
// until resumeClock()) the time stands still at the moment the pause began, so a frame drawn
// during a pause shows the same time; resumeClock() adds the pause to pausedTime, so the time goes
// on from where it stopped. The seed never changes during the renderer's life.
//
// All members are [main].

#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/RendererError.h"
#include "platform/gpu/ShaderView.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace WendleShaders {

class MetalShaderRenderer final : public gpu::ShaderViewDelegate {
public:
    using RendererError = WendleShaders::RendererError;
    using TimePoint = tk::Clock::TimePoint;

    static constexpr std::size_t kVertexCount = 4;

    // Throws RendererError::noValidDevice() when the view has no device or it makes no command
    // queue, and passes on what makePipelineState() throws.
    MetalShaderRenderer(gpu::ShaderView& view, std::string name, std::string_view vertexFunctionName,
                        std::string_view fragmentFunctionName, RendererDependencies dependencies = {});
    MetalShaderRenderer(const MetalShaderRenderer&) = delete;
    MetalShaderRenderer& operator=(const MetalShaderRenderer&) = delete;

    // gpu::ShaderViewDelegate
    void drawableSizeWillChange(gpu::ShaderView& view, gpu::PixelSize size) override;
    void draw(gpu::ShaderView& view) override;

    // Starts a pause now (a pause already begun keeps its start).
    void pauseClock();
    // Ends a pause: its length is added to pausedTime. Without a pause it does nothing.
    void resumeClock();

    // The time the next frame gets, in seconds.
    double currentTime() const;

    const std::shared_ptr<gpu::Device>& device() const { return device_; }
    const std::shared_ptr<gpu::CommandQueue>& commandQueue() const { return commandQueue_; }
    const std::shared_ptr<gpu::RenderPipelineState>& pipelineState() const { return pipelineState_; }
    std::uint32_t seed() const { return seed_; }
    TimePoint startTime() const { return startTime_; }
    const std::shared_ptr<gpu::Buffer>& vertexBuffer() const { return vertexBuffer_; }
    std::size_t vertexCount() const { return vertexCount_; }
    const gpu::Viewport& viewport() const { return viewport_; }
    const std::string& name() const { return name_; }
    std::optional<TimePoint> pauseTime() const { return pauseTime_; }
    double pausedTime() const { return pausedTime_; }

private:
    std::shared_ptr<const tk::Clock> clock_;
    std::shared_ptr<gpu::Device> device_;
    std::shared_ptr<gpu::CommandQueue> commandQueue_;
    std::shared_ptr<gpu::RenderPipelineState> pipelineState_;
    std::uint32_t seed_;
    TimePoint startTime_;
    std::shared_ptr<gpu::Buffer> vertexBuffer_;
    std::size_t vertexCount_ = 0;
    gpu::Viewport viewport_;
    std::string name_;
    std::optional<TimePoint> pauseTime_;
    double pausedTime_ = 0;
};

} // namespace WendleShaders
