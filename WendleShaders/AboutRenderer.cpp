#include "WendleShaders/AboutRenderer.h"

#include "WendleShaders/ModuleBundle.h"
#include "WendleShaders/PipelineState.h"
#include "platform/gpu/TextureLoader.h"
#include "platform/tk/view/Window.h"

namespace WendleShaders {

AboutRenderer::AboutRenderer(gpu::ShaderView& view, RendererDependencies dependencies)
    : QuadRenderer(view, dependencies) {
    setFrameLabels("About View Command Buffer", "About View Render Encoder");
    setPipelineState(makeAboutPipelineState(*device(), view.colorPixelFormat()));
    textureScale_ = view.window() ? view.window()->backingScaleFactor() : 1.0;
    gpu::TextureLoader loader(device());
    logoTexture_ = loader.newTexture("kestrine-logo", textureScale_, moduleBundle());
    noiseTexture_ = loader.newTexture("kestrine-noise", textureScale_, moduleBundle());
    finishSetUp(view);
}

void AboutRenderer::encodeFragmentValues(gpu::RenderCommandEncoder& encoder) {
    const float time = static_cast<float>(currentTime());
    encoder.setFragmentBytes(&time, sizeof(time), 1);
    encoder.setFragmentTexture(logoTexture_, 0);
    encoder.setFragmentTexture(noiseTexture_, 1);
}

} // namespace WendleShaders
