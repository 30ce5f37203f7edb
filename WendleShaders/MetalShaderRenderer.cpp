#include "WendleShaders/MetalShaderRenderer.h"

#include "WendleShaders/PipelineState.h"

namespace WendleShaders {

MetalShaderRenderer::MetalShaderRenderer(gpu::ShaderView& view, std::string name,
                                         std::string_view vertexFunctionName,
                                         std::string_view fragmentFunctionName,
                                         RendererDependencies dependencies)
    : QuadRenderer(view, dependencies), seed_(drawSeed(dependencies)), name_(std::move(name)) {
    setFrameLabels(name_ + " Command Buffer");
    setPipelineState(makePipelineState(*device(), vertexFunctionName, fragmentFunctionName));
    finishSetUp(view);
}

void MetalShaderRenderer::encodeFragmentValues(gpu::RenderCommandEncoder& encoder) {
    const std::uint32_t seed = seed_;
    const float time = static_cast<float>(currentTime());
    encoder.setFragmentBytes(&seed, sizeof(seed), 1);
    encoder.setFragmentBytes(&time, sizeof(time), 2);
}

} // namespace WendleShaders
