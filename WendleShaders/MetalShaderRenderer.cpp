#include "WendleShaders/MetalShaderRenderer.h"

#include "WendleShaders/PipelineState.h"
#include "platform/tk/base/MainThread.h"

#include <array>

namespace WendleShaders {

MetalShaderRenderer::MetalShaderRenderer(gpu::ShaderView& view, std::string name,
                                         std::string_view vertexFunctionName,
                                         std::string_view fragmentFunctionName,
                                         RendererDependencies dependencies)
    : ClockedRenderer(dependencies), seed_(drawSeed(dependencies)) {
    TK_CHECK_MAIN_THREAD();
    auto device = view.device();
    if (!device)
        throw RendererError::noValidDevice();
    auto commandQueue = device->makeCommandQueue();
    if (!commandQueue)
        throw RendererError::noValidDevice();
    name_ = std::move(name);
    commandBufferLabel_ = name_ + " Command Buffer";
    device_ = std::move(device);
    commandQueue_ = std::move(commandQueue);
    pipelineState_ = makePipelineState(*device_, vertexFunctionName, fragmentFunctionName);
    vertexBuffer_ = makeQuadBuffer(*device_);
    vertexCount_ = kVertexCount;
    viewport_ = viewportFor(view.drawableSize());
    startClock();
}

void MetalShaderRenderer::drawableSizeWillChange(gpu::ShaderView&, gpu::PixelSize size) {
    viewport_ = viewportFor(size);
}

void MetalShaderRenderer::draw(gpu::ShaderView& view) {
    TK_CHECK_MAIN_THREAD();
    const auto* pass = view.currentRenderPassDescriptor();
    if (!pass)
        return;
    auto commandBuffer = commandQueue_->makeCommandBuffer();
    if (!commandBuffer)
        return;
    auto* encoder = commandBuffer->makeRenderCommandEncoder(*pass);
    if (!encoder)
        return;

    const std::array<float, 2> size{static_cast<float>(viewport_.width),
                                    static_cast<float>(viewport_.height)};
    const std::uint32_t seed = seed_;
    const float time = static_cast<float>(currentTime());

    commandBuffer->setLabel(commandBufferLabel_);
    encoder->setRenderPipelineState(pipelineState_);
    encoder->setViewport(viewport_);
    encoder->setVertexBuffer(vertexBuffer_, 0, 0);
    encoder->setFragmentBytes(size.data(), sizeof(size), 0);
    encoder->setFragmentBytes(&seed, sizeof(seed), 1);
    encoder->setFragmentBytes(&time, sizeof(time), 2);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, vertexCount_);
    encoder->endEncoding();

    if (auto drawable = view.currentDrawable())
        commandBuffer->present(std::move(drawable));
    commandBuffer->commit();
}

} // namespace WendleShaders
