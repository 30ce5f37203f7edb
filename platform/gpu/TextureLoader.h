#pragma once

// Textures from the named images of a resource bundle (Images/<name>.png, Images/<name>@2x.png),
// picked for a scale factor as the toolkit picks image representations.

#include "platform/gpu/Device.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/graphics/Image.h"

#include <memory>
#include <string_view>

namespace gpu {

// [main] An rgba8Unorm texture of `image`'s finest representation, top row first, colours not
// premultiplied (as shaders sample pictures). Null when the device cannot hold it.
std::shared_ptr<Texture> makeTexture(Device& device, const tk::Image& image);

class TextureLoader {
public:
    explicit TextureLoader(std::shared_ptr<Device> device) : device_(std::move(device)) {}

    // [main] An rgba8Unorm texture of the image `name` at `scaleFactor`, top row first, colours not
    // premultiplied. Throws gpu::Error when the image is missing or the device cannot hold it.
    std::shared_ptr<Texture> newTexture(std::string_view name, double scaleFactor, const tk::Bundle& bundle);

private:
    std::shared_ptr<Device> device_;
};

} // namespace gpu
