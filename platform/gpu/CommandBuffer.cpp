#include "platform/gpu/CommandBuffer.h"

#include "platform/gpu/Device.h"

namespace gpu {

RenderCommandEncoder* CommandBuffer::makeRenderCommandEncoder(const RenderPassDescriptor& descriptor) {
    if (status_ != CommandBufferStatus::notEnqueued || !descriptor.colorAttachments[0].texture)
        return nullptr;
    encoders_.push_back(std::make_unique<RenderCommandEncoder>(descriptor));
    return encoders_.back().get();
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

} // namespace gpu
