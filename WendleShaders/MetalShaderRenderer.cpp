#include "WendleShaders/MetalShaderRenderer.h"

#include "WendleShaders/ColumnPass.h"
#include "WendleShaders/PipelineState.h"

#include <array>

namespace WendleShaders {

MetalShaderRenderer::MetalShaderRenderer(gpu::ShaderView& view, std::string name,
                                         std::string_view vertexFunctionName,
                                         std::string_view fragmentFunctionName,
                                         RendererDependencies dependencies)
    : QuadRenderer(view, dependencies), seed_(drawSeed(dependencies)), name_(std::move(name)) {
    setFrameLabels(name_ + " Command Buffer");
    setPipelineState(makePipelineState(*device(), vertexFunctionName, fragmentFunctionName));
    columns_ = ColumnPass::make(*device(), vertexFunctionName, fragmentFunctionName);
    if (columns_)
        columns_->setDrawableSize(view.drawableSize());
    finishSetUp(view);
}

MetalShaderRenderer::~MetalShaderRenderer() = default;

void MetalShaderRenderer::drawableSizeWillChange(gpu::ShaderView& view, gpu::PixelSize size) {
    QuadRenderer::drawableSizeWillChange(view, size);
    if (columns_)
        columns_->setDrawableSize(size);
}

void MetalShaderRenderer::encodeEarlierPasses(gpu::CommandBuffer& commandBuffer) {
    frameTime_ = static_cast<float>(currentTime());
    // The values that depend only on x first, where the fragment function has them.
    columnsEncoded_ =
        columns_ &&
        columns_->encode(*device(), commandBuffer, vertexBuffer(), [&](gpu::RenderCommandEncoder& e) {
            const std::array<float, 2> size{static_cast<float>(viewport().width),
                                            static_cast<float>(viewport().height)};
            e.setFragmentBytes(size.data(), sizeof(size), 0);
            encodeSeedAndTime(e);
        });
}

void MetalShaderRenderer::encodeFragmentValues(gpu::RenderCommandEncoder& encoder) {
    encodeSeedAndTime(encoder);
    if (columnsEncoded_)
        columns_->bindColumns(encoder);
}

void MetalShaderRenderer::encodeSeedAndTime(gpu::RenderCommandEncoder& encoder) const {
    const std::uint32_t seed = seed_;
    const float time = frameTime_;
    encoder.setFragmentBytes(&seed, sizeof(seed), 1);
    encoder.setFragmentBytes(&time, sizeof(time), 2);
}

} // namespace WendleShaders
