#pragma once

// A command buffer: the render passes encoded into it and the drawables it presents. commit() hands
// it to its device, which runs the passes in order and then presents the drawables (each one's
// present handler runs). Everything happens in commit(), on the calling (main) thread.
//
// A command queue hands out the command buffers that nobody holds any more again, reset, so that
// a renderer drawing frame after frame reuses one buffer with its encoders and their storage.
//
//     auto* encoder = commandBuffer->makeRenderCommandEncoder(pass);   // null once committed
//     encoder->setRenderPipelineState(state); ... encoder->endEncoding();
//     commandBuffer->present(drawable);
//     commandBuffer->commit();

#include "platform/gpu/RenderCommandEncoder.h"
#include "platform/gpu/RenderPass.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
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
    // Copies into the label's own storage.
    void setLabel(std::string_view label) { label_.assign(label); }

    // [main] A new encoder for a pass, owned by this buffer; null once committed or when the pass
    // has no colour target.
    RenderCommandEncoder* makeRenderCommandEncoder(const RenderPassDescriptor& descriptor);
    // [main] Presents `drawable` once the buffer has run.
    void present(std::shared_ptr<Drawable> drawable);
    // [main] Runs the buffer on its device. A second commit does nothing.
    void commit();

    CommandBufferStatus status() const { return status_; }
    // Back to a new, empty buffer on the same device (the storage of its encoders is kept).
    void reset();
    std::span<const std::unique_ptr<RenderCommandEncoder>> encoders() const {
        return {encoders_.data(), encoderCount_};
    }
    const std::vector<std::shared_ptr<Drawable>>& presentedDrawables() const { return drawables_; }

private:
    std::shared_ptr<Device> device_;
    std::vector<std::unique_ptr<RenderCommandEncoder>> encoders_; // the first encoderCount_ are in use
    std::size_t encoderCount_ = 0;
    std::vector<std::shared_ptr<Drawable>> drawables_;
    std::string label_;
    CommandBufferStatus status_ = CommandBufferStatus::notEnqueued;
};

class CommandQueue {
public:
    // How many buffers a queue keeps for reuse.
    static constexpr std::size_t kKeptBuffers = 3;

    explicit CommandQueue(std::shared_ptr<Device> device) : device_(std::move(device)) {}

    const std::shared_ptr<Device>& device() const { return device_; }
    // [main] An empty command buffer on this queue's device: one this queue made before and nobody
    // holds any more, reset, or a new one.
    std::shared_ptr<CommandBuffer> makeCommandBuffer();

private:
    std::shared_ptr<Device> device_;
    std::vector<std::shared_ptr<CommandBuffer>> made_;
};

} // namespace gpu
