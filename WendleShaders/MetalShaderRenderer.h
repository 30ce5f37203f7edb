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
// The clock is ClockedRenderer's. The seed never changes during the renderer's life.
//
// All members are [main].

#include "WendleShaders/ClockedRenderer.h"
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

class MetalShaderRenderer final : public ClockedRenderer {
public:
    using RendererError = WendleShaders::RendererError;

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

    const std::shared_ptr<gpu::Device>& device() const { return device_; }
    const std::shared_ptr<gpu::CommandQueue>& commandQueue() const { return commandQueue_; }
    const std::shared_ptr<gpu::RenderPipelineState>& pipelineState() const { return pipelineState_; }
    std::uint32_t seed() const { return seed_; }
    const std::shared_ptr<gpu::Buffer>& vertexBuffer() const { return vertexBuffer_; }
    std::size_t vertexCount() const { return vertexCount_; }
    const gpu::Viewport& viewport() const { return viewport_; }
    const std::string& name() const { return name_; }

private:
    std::shared_ptr<gpu::Device> device_;
    std::shared_ptr<gpu::CommandQueue> commandQueue_;
    std::shared_ptr<gpu::RenderPipelineState> pipelineState_;
    std::uint32_t seed_;
    std::shared_ptr<gpu::Buffer> vertexBuffer_;
    std::size_t vertexCount_ = 0;
    gpu::Viewport viewport_;
    std::string name_;
    std::string commandBufferLabel_; // made once: a frame allocates nothing of its own
};

} // namespace WendleShaders
