#include "WendleShaders/SupporterShaderRenderer.h"

#include "WendleShaders/PipelineState.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace WendleShaders {

SupporterShaderRenderer::SupporterShaderRenderer(gpu::ShaderView& view, std::string name,
                                                 RendererDependencies dependencies)
    : QuadRenderer(view, dependencies), name_(std::move(name)) {
    setFrameLabels(name_ + " Command Buffer");
    scale_ = static_cast<float>(mainScreenScale(dependencies));
    setPipelineState(makePipelineState(*device(), "supporterVertexShader", "supporterFragmentShader"));
    for (auto& buffer : switchBuffers_) {
        buffer = device()->makeBuffer(std::as_bytes(std::span(switchHistory_)));
        if (!buffer)
            throw RendererError::noValidDevice();
    }
    finishSetUp(view);
}

void SupporterShaderRenderer::recordSwitch(int index) {
    if (index < 0 || index >= kSwitchCount)
        return;
    std::copy_backward(switchHistory_.begin(), switchHistory_.end() - 1, switchHistory_.end());
    std::copy_backward(switchHistoryTime_.begin(), switchHistoryTime_.end() - 1, switchHistoryTime_.end());
    switchHistoryTime_[0] = static_cast<float>(currentTime());
    switchHistory_[0] = static_cast<float>(index);
}

void SupporterShaderRenderer::encodeFragmentValues(gpu::RenderCommandEncoder& encoder) {
    const float time = static_cast<float>(currentTime());
    const float scale = scale_;
    encoder.setFragmentBytes(&time, sizeof(time), 1);
    encoder.setFragmentBytes(&scale, sizeof(scale), 2);
    const SwitchArray* arrays[] = {&switchOnState_, &switchDownState_, &switchHistory_, &switchHistoryTime_};
    for (std::size_t i = 0; i < switchBuffers_.size(); ++i) {
        // The arrays as they are now: the frame shows every change made since the last one.
        std::memcpy(switchBuffers_[i]->mutableContents().data(), arrays[i]->data(), animationBufferSize);
        encoder.setFragmentBuffer(switchBuffers_[i], 0, 3 + i);
    }
}

} // namespace WendleShaders
