#pragma once

// AboutRenderer: the About view's animation - the full-view quad drawn with "aboutVertexShader" /
// "aboutFragmentShader", fed the drawable size, the running time and two textures of the module's
// bundle, the logo ("kestrine-logo") and a noise picture ("kestrine-noise").
//
// What the shader functions receive:
//   vertex   buffer 0: the quad (ClockedRenderer.h), indexed by vertex id; a 4-vertex triangle strip.
//   fragment bytes 0: drawable size in pixels, two 32-bit floats (8 bytes) (QuadRenderer.h)
//            bytes 1: the time in seconds, 32-bit float (4 bytes)
//            texture 0: the logo; texture 1: the noise. There is no seed.
//   It writes one colour to attachment 0, in the view's pixel format.
//
// The textures are loaded at the backing scale of the view's window when the renderer is made (1
// before the view has a window). The clock is ClockedRenderer's. All members are [main].

#include "WendleShaders/QuadRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/RendererError.h"
#include "platform/gpu/ShaderView.h"

#include <memory>

namespace WendleShaders {

class AboutRenderer final : public QuadRenderer {
public:
    // Throws RendererError::noValidDevice() without a device or command queue, and gpu::Error when
    // the pipeline cannot be built or a texture cannot be loaded.
    explicit AboutRenderer(gpu::ShaderView& view, RendererDependencies dependencies = {});

    const std::shared_ptr<gpu::Texture>& logoTexture() const { return logoTexture_; }
    const std::shared_ptr<gpu::Texture>& noiseTexture() const { return noiseTexture_; }
    // The scale factor the textures were loaded at.
    double textureScale() const { return textureScale_; }

private:
    void encodeFragmentValues(gpu::RenderCommandEncoder& encoder) override;

    std::shared_ptr<gpu::Texture> logoTexture_;
    std::shared_ptr<gpu::Texture> noiseTexture_;
    double textureScale_ = 1;
};

} // namespace WendleShaders
