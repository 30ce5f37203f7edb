#pragma once

// A command buffer: the render passes encoded into it and the drawables it presents. commit() hands
// it to its device, which runs the passes in order and then presents the drawables (each one's
// present handler runs). Everything happens in commit(), on the calling (main) thread.
//
//     auto* encoder = commandBuffer->makeRenderCommandEncoder(pass);   // null once committed
//     encoder->setRenderPipelineState(state); ... encoder->endEncoding();
//     commandBuffer->present(drawable);
//     commandBuffer->commit();

#include "platform/gpu/RenderCommandEncoder.h"
#include "platform/gpu/RenderPass.h"

#include <memory>
#include <string>
#include <vector>

namespace gpu {

class Device;

enum class CommandBufferStatus { notEnqueued, committed, completed };

class CommandBuffer {
public:
    explicit CommandBuffer(std::shared_ptr<Device> device) : device_(std::move(device)) {}
    CommandBuffer(const CommandBuffer&) = delete;
    CommandBuffer& operator=(const CommandBuffer&) = delete;

    const std::string& label() const { return label_; }
    void setLabel(std::string label) { label_ = std::move(label); }

    // [main] A new encoder for a pass, owned by this buffer; null once committed or when the pass
    // has no colour target.
    RenderCommandEncoder* makeRenderCommandEncoder(const RenderPassDescriptor& descriptor);
    // [main] Presents `drawable` once the buffer has run.
    void present(std::shared_ptr<Drawable> drawable);
    // [main] Runs the buffer on its device. A second commit does nothing.
    void commit();

    CommandBufferStatus status() const { return status_; }
    const std::vector<std::unique_ptr<RenderCommandEncoder>>& encoders() const { return encoders_; }
    const std::vector<std::shared_ptr<Drawable>>& presentedDrawables() const { return drawables_; }

private:
    std::shared_ptr<Device> device_;
    std::vector<std::unique_ptr<RenderCommandEncoder>> encoders_;
    std::vector<std::shared_ptr<Drawable>> drawables_;
    std::string label_;
    CommandBufferStatus status_ = CommandBufferStatus::notEnqueued;
};

class CommandQueue {
public:
    explicit CommandQueue(std::shared_ptr<Device> device) : device_(std::move(device)) {}

    const std::shared_ptr<Device>& device() const { return device_; }
    // [main] A fresh command buffer on this queue's device.
    std::shared_ptr<CommandBuffer> makeCommandBuffer() { return std::make_shared<CommandBuffer>(device_); }

private:
    std::shared_ptr<Device> device_;
};

} // namespace gpu
