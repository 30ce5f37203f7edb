#include "platform/gpu/RenderCommandEncoder.h"

#include <cstdio>

namespace gpu {

void RenderCommandEncoder::record(RenderCommand command) {
    if (ended_)
        return;
    commands_.push_back(std::move(command));
}

void RenderCommandEncoder::setRenderPipelineState(std::shared_ptr<const RenderPipelineState> state) {
    record(SetRenderPipelineState{std::move(state)});
}

void RenderCommandEncoder::setViewport(const Viewport& viewport) {
    record(SetViewport{viewport});
}

void RenderCommandEncoder::setVertexBuffer(std::shared_ptr<const Buffer> buffer, std::size_t offset,
                                           std::size_t index) {
    record(SetBuffer{ShaderStage::vertex, index, std::move(buffer), offset});
}

void RenderCommandEncoder::setFragmentBuffer(std::shared_ptr<const Buffer> buffer, std::size_t offset,
                                             std::size_t index) {
    record(SetBuffer{ShaderStage::fragment, index, std::move(buffer), offset});
}

void RenderCommandEncoder::setVertexBytes(const void* bytes, std::size_t length, std::size_t index) {
    if ((length > 0 && !bytes) || length > kMaxInlineBytes) {
        std::fprintf(stderr, "gpu: setVertexBytes with %zu bytes at index %zu ignored\n", length, index);
        return;
    }
    record(SetBytes{ShaderStage::vertex, index, InlineBytes(bytes, length)});
}

void RenderCommandEncoder::setFragmentBytes(const void* bytes, std::size_t length, std::size_t index) {
    if ((length > 0 && !bytes) || length > kMaxInlineBytes) {
        std::fprintf(stderr, "gpu: setFragmentBytes with %zu bytes at index %zu ignored\n", length, index);
        return;
    }
    record(SetBytes{ShaderStage::fragment, index, InlineBytes(bytes, length)});
}

void RenderCommandEncoder::setFragmentTexture(std::shared_ptr<const Texture> texture, std::size_t index) {
    record(SetTexture{ShaderStage::fragment, index, std::move(texture)});
}

void RenderCommandEncoder::drawPrimitives(PrimitiveType type, std::size_t vertexStart,
                                          std::size_t vertexCount) {
    record(DrawPrimitives{type, vertexStart, vertexCount});
}

void RenderCommandEncoder::reset(const RenderPassDescriptor& descriptor) {
    descriptor_ = descriptor;
    commands_.clear();
    label_.clear();
    ended_ = false;
}

void RenderCommandEncoder::endEncoding() {
    ended_ = true;
}

} // namespace gpu
