#include "WendleShaders/QuadRenderer.h"

#include "WendleShaders/RendererError.h"
#include "platform/tk/base/MainThread.h"

#include <array>

namespace WendleShaders {

QuadRenderer::QuadRenderer(gpu::ShaderView& view, const RendererDependencies& dependencies)
    : ClockedRenderer(dependencies) {
    TK_CHECK_MAIN_THREAD();
    auto device = view.device();
    if (!device)
        throw RendererError::noValidDevice();
    auto commandQueue = device->makeCommandQueue();
    if (!commandQueue)
        throw RendererError::noValidDevice();
    device_ = std::move(device);
    commandQueue_ = std::move(commandQueue);
}

void QuadRenderer::setFrameLabels(std::string commandBufferLabel, std::string encoderLabel) {
    commandBufferLabel_ = std::move(commandBufferLabel);
    encoderLabel_ = std::move(encoderLabel);
}

void QuadRenderer::finishSetUp(gpu::ShaderView& view) {
    vertexBuffer_ = makeQuadBuffer(*device_);
    vertexCount_ = kQuadVertexCount;
    viewport_ = viewportFor(view.drawableSize());
    startClock();
}

void QuadRenderer::drawableSizeWillChange(gpu::ShaderView&, gpu::PixelSize size) {
    viewport_ = viewportFor(size);
}

void QuadRenderer::draw(gpu::ShaderView& view) {
    TK_CHECK_MAIN_THREAD();
    const auto* pass = view.currentRenderPassDescriptor();
    if (!pass)
        return;
    auto commandBuffer = commandQueue_->makeCommandBuffer();
    if (!commandBuffer)
        return;
    encodeEarlierPasses(*commandBuffer);
    auto* encoder = commandBuffer->makeRenderCommandEncoder(*pass);
    if (!encoder)
        return;

    const std::array<float, 2> size{static_cast<float>(viewport_.width),
                                    static_cast<float>(viewport_.height)};

    commandBuffer->setLabel(commandBufferLabel_);
    if (!encoderLabel_.empty())
        encoder->setLabel(encoderLabel_);
    encoder->setRenderPipelineState(pipelineState_);
    encoder->setViewport(viewport_);
    encoder->setVertexBuffer(vertexBuffer_, 0, 0);
    encoder->setFragmentBytes(size.data(), sizeof(size), 0);
    encodeFragmentValues(*encoder);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, vertexCount_);
    encoder->endEncoding();

    if (auto drawable = view.currentDrawable())
        commandBuffer->present(std::move(drawable));
    commandBuffer->commit();
}

} // namespace WendleShaders
