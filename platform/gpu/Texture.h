#pragma once

// A picture on the GPU: a size in pixels, a pixel format and what it is used for. The device that
// made it keeps its native side in backend(); copies are not possible (textures are shared by
// pointer, as the shader API shares them).

#include "platform/gpu/Types.h"

#include <cstddef>
#include <memory>
#include <string>

namespace gpu {

enum class TextureUsage { shaderRead, renderTarget };

struct TextureDescriptor {
    PixelFormat pixelFormat = PixelFormat::rgba8Unorm;
    PixelSize size;
    TextureUsage usage = TextureUsage::shaderRead;
};

// Bytes of pixel data a texture of `descriptor` takes in, rows packed.
constexpr std::size_t byteCount(const TextureDescriptor& descriptor) {
    return static_cast<std::size_t>(descriptor.size.width) * descriptor.size.height *
           bytesPerPixel(descriptor.pixelFormat);
}

// The device's own side of a texture (a GL texture name, a fake's record). Released with it.
class TextureBackend {
public:
    virtual ~TextureBackend() = default;
};

class Texture {
public:
    Texture(TextureDescriptor descriptor, std::unique_ptr<TextureBackend> backend)
        : descriptor_(descriptor), backend_(std::move(backend)) {}
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int width() const { return descriptor_.size.width; }
    int height() const { return descriptor_.size.height; }
    PixelSize size() const { return descriptor_.size; }
    PixelFormat pixelFormat() const { return descriptor_.pixelFormat; }
    TextureUsage usage() const { return descriptor_.usage; }
    const std::string& label() const { return label_; }
    void setLabel(std::string label) { label_ = std::move(label); }

    TextureBackend* backend() const { return backend_.get(); }

private:
    TextureDescriptor descriptor_;
    std::unique_ptr<TextureBackend> backend_;
    std::string label_;
};

} // namespace gpu
