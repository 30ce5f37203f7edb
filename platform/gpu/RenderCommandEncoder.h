#pragma once

// Records the commands of one render pass. Nothing runs until the command buffer that made the
// encoder is committed. Calls after endEncoding() are ignored (a pass is closed once ended).
// Owned by its command buffer, which reuses it (and the storage of its commands) for a later pass;
// [main] like everything that draws.

#include "platform/gpu/RenderCommands.h"
#include "platform/gpu/RenderPass.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gpu {

// Largest inline byte block, as the shader API allows for setVertexBytes / setFragmentBytes.
inline constexpr std::size_t kMaxInlineBytes = 4096;

class RenderCommandEncoder {
public:
    explicit RenderCommandEncoder(RenderPassDescriptor descriptor) : descriptor_(std::move(descriptor)) {}
    RenderCommandEncoder(const RenderCommandEncoder&) = delete;
    RenderCommandEncoder& operator=(const RenderCommandEncoder&) = delete;

    const std::string& label() const { return label_; }
    // Copies into the label's own storage (a label set every frame allocates once).
    void setLabel(std::string_view label) { label_.assign(label); }

    void setRenderPipelineState(std::shared_ptr<const RenderPipelineState> state);
    void setViewport(const Viewport& viewport);
    void setVertexBuffer(std::shared_ptr<const Buffer> buffer, std::size_t offset, std::size_t index);
    void setVertexBytes(const void* bytes, std::size_t length, std::size_t index);
    void setFragmentBuffer(std::shared_ptr<const Buffer> buffer, std::size_t offset, std::size_t index);
    void setFragmentBytes(const void* bytes, std::size_t length, std::size_t index);
    void setFragmentTexture(std::shared_ptr<const Texture> texture, std::size_t index);
    void drawPrimitives(PrimitiveType type, std::size_t vertexStart, std::size_t vertexCount);
    void endEncoding();

    // Back to a new encoder for `descriptor`: no commands, no label, not ended (storage kept).
    void reset(const RenderPassDescriptor& descriptor);

    bool isEnded() const { return ended_; }
    const RenderPassDescriptor& descriptor() const { return descriptor_; }
    const std::vector<RenderCommand>& commands() const { return commands_; }

private:
    void record(RenderCommand command);

    RenderPassDescriptor descriptor_;
    std::vector<RenderCommand> commands_;
    std::string label_;
    bool ended_ = false;
};

} // namespace gpu
