#pragma once

// The commands a render command encoder records, as plain values. A device runs them in order when
// the command buffer is committed; the fake device keeps them for tests to read.

#include "platform/gpu/Buffer.h"
#include "platform/gpu/RenderPipeline.h"
#include "platform/gpu/Texture.h"
#include "platform/gpu/Types.h"

#include <cstddef>
#include <memory>
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

// Bytes copied inline at the time of the call, bound at a slot of a stage.
struct SetBytes {
    ShaderStage stage;
    std::size_t index;
    std::vector<std::byte> bytes;
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
