#include "platform/gpu/CommandBuffer.h"

#include "platform/gpu/Device.h"

namespace gpu {

RenderCommandEncoder* CommandBuffer::makeRenderCommandEncoder(const RenderPassDescriptor& descriptor) {
    if (status_ != CommandBufferStatus::notEnqueued || !descriptor.colorAttachments[0].texture)
        return nullptr;
    if (encoderCount_ < encoders_.size())
        encoders_[encoderCount_]->reset(descriptor);
    else
        encoders_.push_back(std::make_unique<RenderCommandEncoder>(descriptor));
    return encoders_[encoderCount_++].get();
}

void CommandBuffer::reset() {
    encoderCount_ = 0;
    drawables_.clear();
    label_.clear();
    status_ = CommandBufferStatus::notEnqueued;
}

void CommandBuffer::present(std::shared_ptr<Drawable> drawable) {
    if (status_ != CommandBufferStatus::notEnqueued || !drawable)
        return;
    drawables_.push_back(std::move(drawable));
}

void CommandBuffer::commit() {
    if (status_ != CommandBufferStatus::notEnqueued)
        return;
    status_ = CommandBufferStatus::committed;
    device_->execute(*this);
    status_ = CommandBufferStatus::completed;
    for (auto& drawable : drawables_)
        drawable->didPresent();
}

// A queue keeps the few buffers it made; a renderer holds one per frame, so one is normally free.
std::shared_ptr<CommandBuffer> CommandQueue::makeCommandBuffer() {
    for (auto& buffer : made_)
        if (buffer.use_count() == 1) {
            buffer->reset();
            return buffer;
        }
    auto buffer = std::make_shared<CommandBuffer>(device_);
    if (made_.size() < kKeptBuffers)
        made_.push_back(buffer);
    return buffer;
}

} // namespace gpu
