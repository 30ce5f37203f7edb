#pragma once

// A device that draws nothing and records what it is asked, for tests of code that renders: the
// queues, libraries, pipelines, buffers and textures it made, and every committed command buffer
// with its passes and commands. Failures can be switched on to test the error paths. Reading a
// texture back gives a picture filled with the clear colour of the last pass that targeted it.

#include "platform/gpu/Device.h"
#include "platform/gpu/RenderCommands.h"

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gpu {

class FakeDevice final : public Device {
public:
    struct ExecutedPass {
        std::string label;
        RenderPassDescriptor descriptor;
        std::vector<RenderCommand> commands;
        bool ended = false;
    };
    struct ExecutedCommandBuffer {
        std::string label;
        std::vector<ExecutedPass> passes;
        std::size_t presentedDrawables = 0;
    };

    // --- what fails
    bool failsCommandQueue = false;
    std::optional<std::string> libraryError;  // makeDefaultLibrary throws this
    std::optional<std::string> pipelineError; // makeRenderPipelineState throws this
    bool failsTextures = false;

    // --- what was asked
    int commandQueuesMade = 0;
    std::vector<std::filesystem::path> libraryBundles;
    std::vector<RenderPipelineDescriptor> pipelineDescriptors;
    std::vector<std::vector<std::byte>> buffersMade;
    std::vector<TextureDescriptor> texturesMade;
    std::vector<ExecutedCommandBuffer> executed;
    int imagesRead = 0;

    std::string name() const override { return "fake"; }
    std::shared_ptr<CommandQueue> makeCommandQueue() override;
    std::shared_ptr<Library> makeDefaultLibrary(const std::filesystem::path& bundlePath) override;
    std::shared_ptr<RenderPipelineState>
    makeRenderPipelineState(const RenderPipelineDescriptor& descriptor) override;
    std::shared_ptr<Buffer> makeBuffer(std::span<const std::byte> bytes) override;
    std::shared_ptr<Texture> makeTexture(const TextureDescriptor& descriptor,
                                         std::span<const std::uint8_t> pixels = {}) override;
    void execute(const CommandBuffer& commandBuffer) override;
    using Device::readImage;
    std::optional<tk::Image> readImage(const Texture& texture, ColorSpace colorSpace, double scale) override;

    // Every draw call of every executed pass, in order.
    std::vector<DrawPrimitives> draws() const;
};

// The last inline bytes bound at `index` of `stage` in `pass`, or nothing.
std::optional<std::vector<std::byte>> boundBytes(const FakeDevice::ExecutedPass& pass, ShaderStage stage,
                                                 std::size_t index);

// Reads a value of type T out of recorded bytes (which must be exactly sizeof(T) long).
template <class T> std::optional<T> bytesAs(const std::optional<std::vector<std::byte>>& bytes) {
    if (!bytes || bytes->size() != sizeof(T))
        return std::nullopt;
    T value;
    std::memcpy(&value, bytes->data(), sizeof(T));
    return value;
}

} // namespace gpu
