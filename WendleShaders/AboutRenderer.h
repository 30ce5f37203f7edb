#pragma once

// AboutRenderer: the About view's animation - the full-view quad drawn with "aboutVertexShader" /
// "aboutFragmentShader", fed the drawable size, the running time and two textures of the module's
// bundle, the logo ("kestrine-logo") and a noise picture ("kestrine-noise").
//
// What the shader functions receive:
//   vertex   buffer 0: the quad (ClockedRenderer.h), indexed by vertex id; a 4-vertex triangle strip.
//   fragment bytes 0: drawable size in pixels, two 32-bit floats (8 bytes)
//            bytes 1: the time in seconds, 32-bit float (4 bytes)
//            texture 0: the logo; texture 1: the noise. There is no seed.
//   It writes one colour to attachment 0, in the view's pixel format.
//
// The textures are loaded at the backing scale of the view's window when the renderer is made (1
// before the view has a window). The clock is ClockedRenderer's. All members are [main].

#include "WendleShaders/ClockedRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/RendererError.h"
#include "platform/gpu/ShaderView.h"

#include <cstddef>
#include <memory>

namespace WendleShaders {

class AboutRenderer final : public ClockedRenderer {
public:
    // Throws RendererError::noValidDevice() without a device or command queue, and gpu::Error when
    // the pipeline cannot be built or a texture cannot be loaded.
    explicit AboutRenderer(gpu::ShaderView& view, RendererDependencies dependencies = {});
    AboutRenderer(const AboutRenderer&) = delete;
    AboutRenderer& operator=(const AboutRenderer&) = delete;

    // gpu::ShaderViewDelegate
    void drawableSizeWillChange(gpu::ShaderView& view, gpu::PixelSize size) override;
    void draw(gpu::ShaderView& view) override;

    const std::shared_ptr<gpu::Device>& device() const { return device_; }
    const std::shared_ptr<gpu::CommandQueue>& commandQueue() const { return commandQueue_; }
    const std::shared_ptr<gpu::RenderPipelineState>& pipelineState() const { return pipelineState_; }
    const std::shared_ptr<gpu::Texture>& logoTexture() const { return logoTexture_; }
    const std::shared_ptr<gpu::Texture>& noiseTexture() const { return noiseTexture_; }
    // The scale factor the textures were loaded at.
    double textureScale() const { return textureScale_; }
    const std::shared_ptr<gpu::Buffer>& vertexBuffer() const { return vertexBuffer_; }
    std::size_t vertexCount() const { return vertexCount_; }
    const gpu::Viewport& viewport() const { return viewport_; }

private:
    std::shared_ptr<gpu::Device> device_;
    std::shared_ptr<gpu::CommandQueue> commandQueue_;
    std::shared_ptr<gpu::RenderPipelineState> pipelineState_;
    std::shared_ptr<gpu::Texture> logoTexture_;
    std::shared_ptr<gpu::Texture> noiseTexture_;
    double textureScale_ = 1;
    std::shared_ptr<gpu::Buffer> vertexBuffer_;
    std::size_t vertexCount_ = 0;
    gpu::Viewport viewport_;
};

} // namespace WendleShaders
