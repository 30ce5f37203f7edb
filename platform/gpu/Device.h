#pragma once

// A GPU device: makes command queues, shader libraries, pipelines, buffers and textures, runs
// committed command buffers and reads rendered textures back as images.
//
// createSystemDefaultDevice() gives the machine's device (OpenGL 4.5 core on a surfaceless EGL
// display; Mesa's software rasteriser where there is no GPU), or nothing when none can be made -
// an ordinary outcome that callers answer by drawing nothing. FakeDevice (FakeDevice.h) records
// what it is asked instead, for tests.
//
// Devices are shared (std::shared_ptr) and belong to the main thread; all members are [main].

#include "platform/gpu/Buffer.h"
#include "platform/gpu/CommandBuffer.h"
#include "platform/gpu/Library.h"
#include "platform/gpu/RenderPipeline.h"
#include "platform/gpu/Texture.h"
#include "platform/gpu/Types.h"
#include "platform/tk/graphics/Image.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace gpu {

class Device : public std::enable_shared_from_this<Device> {
public:
    virtual ~Device() = default;

    // What runs the device ("llvmpipe (LLVM 15.0.6, 256 bits), OpenGL 4.5 core", "fake").
    virtual std::string name() const = 0;

    // A command queue, or null when the device cannot make one.
    virtual std::shared_ptr<CommandQueue> makeCommandQueue();
    // The shader library of the bundle at `bundlePath` (Library::loadDefault); throws gpu::Error.
    virtual std::shared_ptr<Library> makeDefaultLibrary(const std::filesystem::path& bundlePath);
    // Builds (compiles and links) a pipeline; throws gpu::Error with the reason when it cannot.
    virtual std::shared_ptr<RenderPipelineState>
    makeRenderPipelineState(const RenderPipelineDescriptor& descriptor) = 0;
    // A buffer holding a copy of `bytes`, or null for an empty one.
    virtual std::shared_ptr<Buffer> makeBuffer(std::span<const std::byte> bytes);
    // A texture; `pixels`, when given, are its contents in its format, rows packed, top row first.
    // Null when the size or format is unusable or the pixels do not fill it.
    virtual std::shared_ptr<Texture> makeTexture(const TextureDescriptor& descriptor,
                                                 std::span<const std::uint8_t> pixels = {}) = 0;

    // Runs a committed command buffer's passes (CommandBuffer::commit calls it).
    virtual void execute(const CommandBuffer& commandBuffer) = 0;

    // The texture's pixels as an image of premultiplied ARGB32 with the top row first, values
    // encoded for display as `colorSpace` says, at `scale` pixels per point. Nothing when the
    // texture is not this device's or cannot be read.
    virtual std::optional<tk::Image> readImage(const Texture& texture, ColorSpace colorSpace,
                                               double scale) = 0;
    // The same picture into `image`, whose pixels are overwritten in place when nobody else holds
    // a copy and the size is the same (frame after frame, no new picture); otherwise `image`
    // becomes a new one. False, and `image` unchanged, when the texture cannot be read.
    virtual bool readImage(const Texture& texture, ColorSpace colorSpace, double scale, tk::Image& image);
};

// [main] The machine's device, made on first use and shared while anyone holds it; null when no
// device can be made (no EGL, no OpenGL 3.3 core or better). Reasons go to standard error once.
std::shared_ptr<Device> createSystemDefaultDevice();

} // namespace gpu
