#include "WendleShaders/SupporterShaderRenderer.h"

#include "WendleShaders/PipelineState.h"
#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace WendleShaders {

SupporterShaderRenderer::SupporterShaderRenderer(gpu::ShaderView& view, std::string name,
                                                 RendererDependencies dependencies)
    : ClockedRenderer(dependencies) {
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
    scale_ = static_cast<float>(mainScreenScale(dependencies));
    pipelineState_ = makePipelineState(*device_, "supporterVertexShader", "supporterFragmentShader");
    vertexBuffer_ = makeQuadBuffer(*device_);
    vertexCount_ = kQuadVertexCount;
    for (auto& buffer : switchBuffers_) {
        buffer = device_->makeBuffer(std::as_bytes(std::span(switchHistory_)));
        if (!buffer)
            throw RendererError::noValidDevice();
    }
    viewport_ = viewportFor(view.drawableSize());
    startClock();
}

void SupporterShaderRenderer::recordSwitch(int index) {
    if (index < 0 || index >= kSwitchCount)
        return;
    std::copy_backward(switchHistory_.begin(), switchHistory_.end() - 1, switchHistory_.end());
    std::copy_backward(switchHistoryTime_.begin(), switchHistoryTime_.end() - 1, switchHistoryTime_.end());
    switchHistoryTime_[0] = static_cast<float>(currentTime());
    switchHistory_[0] = static_cast<float>(index);
}

void SupporterShaderRenderer::drawableSizeWillChange(gpu::ShaderView&, gpu::PixelSize size) {
    viewport_ = viewportFor(size);
}

void SupporterShaderRenderer::draw(gpu::ShaderView& view) {
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
    const float time = static_cast<float>(currentTime());
    const float scale = scale_;

    commandBuffer->setLabel(commandBufferLabel_);
    encoder->setRenderPipelineState(pipelineState_);
    encoder->setViewport(viewport_);
    encoder->setVertexBuffer(vertexBuffer_, 0, 0);
    encoder->setFragmentBytes(size.data(), sizeof(size), 0);
    encoder->setFragmentBytes(&time, sizeof(time), 1);
    encoder->setFragmentBytes(&scale, sizeof(scale), 2);
    const SwitchArray* arrays[] = {&switchOnState_, &switchDownState_, &switchHistory_, &switchHistoryTime_};
    for (std::size_t i = 0; i < switchBuffers_.size(); ++i) {
        // The arrays as they are now: the frame shows every change made since the last one.
        std::memcpy(switchBuffers_[i]->mutableContents().data(), arrays[i]->data(), animationBufferSize);
        encoder->setFragmentBuffer(switchBuffers_[i], 0, 3 + i);
    }
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, vertexCount_);
    encoder->endEncoding();

    if (auto drawable = view.currentDrawable())
        commandBuffer->present(std::move(drawable));
    commandBuffer->commit();
}

} // namespace WendleShaders
