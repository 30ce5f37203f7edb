#pragma once

// QuadRenderer: what the module's three renderers share beyond the clock - the view's device and a
// command queue of it, one pipeline, the full-view quad, and a viewport that follows the drawable.
//
// A frame: no frame without a render pass, a command buffer or an encoder; the command buffer (and,
// when given, the encoder) labelled; the pipeline, the viewport, the quad at vertex buffer 0, the
// drawable size in pixels (two 32-bit floats) at fragment bytes 0, then what the subclass binds
// (encodeFragmentValues), a 4-vertex triangle strip; the drawable presented, the buffer committed.
// A subclass may encode passes of its own before the view's (encodeEarlierPasses).
//
// Set-up is two steps: the constructor takes the device and queue (RendererError::noValidDevice()
// without either); the subclass makes its pipeline and calls finishSetUp(), which makes the quad,
// sets the viewport and starts the clock. All members are [main].

#include "WendleShaders/ClockedRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "platform/gpu/ShaderView.h"

#include <cstddef>
#include <memory>
#include <string>

namespace WendleShaders {

class QuadRenderer : public ClockedRenderer {
public:
    QuadRenderer(const QuadRenderer&) = delete;
    QuadRenderer& operator=(const QuadRenderer&) = delete;

    // gpu::ShaderViewDelegate
    void drawableSizeWillChange(gpu::ShaderView& view, gpu::PixelSize size) override;
    void draw(gpu::ShaderView& view) override;

    const std::shared_ptr<gpu::Device>& device() const { return device_; }
    const std::shared_ptr<gpu::CommandQueue>& commandQueue() const { return commandQueue_; }
    const std::shared_ptr<gpu::RenderPipelineState>& pipelineState() const { return pipelineState_; }
    const std::shared_ptr<gpu::Buffer>& vertexBuffer() const { return vertexBuffer_; }
    std::size_t vertexCount() const { return vertexCount_; }
    const gpu::Viewport& viewport() const { return viewport_; }

protected:
    QuadRenderer(gpu::ShaderView& view, const RendererDependencies& dependencies);

    // The labels a frame gives its command buffer and encoder (an empty encoder label: none). Made
    // once, so that a frame allocates nothing of its own.
    void setFrameLabels(std::string commandBufferLabel, std::string encoderLabel = {});
    void setPipelineState(std::shared_ptr<gpu::RenderPipelineState> state) {
        pipelineState_ = std::move(state);
    }
    // The quad, the viewport of the view's drawable, and the clock's time 0.
    void finishSetUp(gpu::ShaderView& view);

    // Binds the subclass's values after the drawable size (fragment bytes 0).
    virtual void encodeFragmentValues(gpu::RenderCommandEncoder& encoder) = 0;
    // Passes a frame draws into the command buffer before the view's (none by default).
    virtual void encodeEarlierPasses(gpu::CommandBuffer&) {}

private:
    std::shared_ptr<gpu::Device> device_;
    std::shared_ptr<gpu::CommandQueue> commandQueue_;
    std::shared_ptr<gpu::RenderPipelineState> pipelineState_;
    std::shared_ptr<gpu::Buffer> vertexBuffer_;
    std::size_t vertexCount_ = 0;
    gpu::Viewport viewport_;
    std::string commandBufferLabel_;
    std::string encoderLabel_;
};

} // namespace WendleShaders
