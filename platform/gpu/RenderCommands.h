#pragma once

// The commands a render command encoder records, as plain values. A device runs them in order when
// the command buffer is committed; the fake device keeps them for tests to read.

#include "platform/gpu/Buffer.h"
#include "platform/gpu/RenderPipeline.h"
#include "platform/gpu/Texture.h"
#include "platform/gpu/Types.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <variant>
#include <vector>

namespace gpu {

struct SetRenderPipelineState {
    std::shared_ptr<const RenderPipelineState> state;
};

struct SetViewport {
    Viewport viewport;
};

// A buffer bound at a slot of a stage (see Types.h for what a slot is).
struct SetBuffer {
    ShaderStage stage;
    std::size_t index;
    std::shared_ptr<const Buffer> buffer;
    std::size_t offset;
};

// A copy of a few bytes, kept inside the value up to kInlineCapacity bytes (the per-frame values a
// renderer sets: sizes, times, seeds, a colour matrix) so that recording them allocates nothing;
// longer blocks go to the heap.
class InlineBytes {
public:
    static constexpr std::size_t kInlineCapacity = 64;

    InlineBytes() = default;
    InlineBytes(const void* bytes, std::size_t length) : size_(length) {
        if (length > kInlineCapacity)
            heap_.resize(length);
        if (length > 0)
            std::memcpy(data(), bytes, length);
    }

    std::size_t size() const { return size_; }
    const std::byte* data() const { return size_ > kInlineCapacity ? heap_.data() : inline_.data(); }
    std::span<const std::byte> span() const { return {data(), size_}; }
    std::vector<std::byte> toVector() const { return {data(), data() + size_}; }

private:
    std::byte* data() { return size_ > kInlineCapacity ? heap_.data() : inline_.data(); }

    std::array<std::byte, kInlineCapacity> inline_{};
    std::vector<std::byte> heap_;
    std::size_t size_ = 0;
};

// Bytes copied inline at the time of the call, bound at a slot of a stage.
struct SetBytes {
    ShaderStage stage;
    std::size_t index;
    InlineBytes bytes;
};

struct SetTexture {
    ShaderStage stage;
    std::size_t index;
    std::shared_ptr<const Texture> texture;
};

struct DrawPrimitives {
    PrimitiveType type;
    std::size_t vertexStart;
    std::size_t vertexCount;
};

using RenderCommand =
    std::variant<SetRenderPipelineState, SetViewport, SetBuffer, SetBytes, SetTexture, DrawPrimitives>;

} // namespace gpu
