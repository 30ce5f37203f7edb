#include "platform/gpu/TextureLoader.h"

#include "platform/gpu/Error.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace gpu {

std::shared_ptr<Texture> makeTexture(Device& device, const tk::Image& image) {
    const double scale = image.scale();
    tk::BitmapContext context(image.size(), scale);
    context.drawImage(image, tk::Rect{tk::Point{}, image.size()});
    const int width = context.pixelWidth();
    const int height = context.pixelHeight();
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const auto* row = context.pixelData() + static_cast<std::size_t>(context.stride()) * y;
        for (int x = 0; x < width; ++x) {
            std::uint32_t word;
            std::memcpy(&word, row + 4 * x, 4);
            const std::uint32_t a = word >> 24;
            auto straight = [a](std::uint32_t c) {
                return static_cast<std::uint8_t>(
                    a == 0 ? 0 : std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
            };
            auto* out = rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            out[0] = straight((word >> 16) & 0xff);
            out[1] = straight((word >> 8) & 0xff);
            out[2] = straight(word & 0xff);
            out[3] = static_cast<std::uint8_t>(a);
        }
    }
    return device.makeTexture({PixelFormat::rgba8Unorm, {width, height}, TextureUsage::shaderRead}, rgba);
}

std::shared_ptr<Texture> TextureLoader::newTexture(std::string_view name, double scaleFactor,
                                                   const tk::Bundle& bundle) {
    const auto path = bundle.resourcePath() / "Images" / (std::string(name) + ".png");
    auto image = tk::Image::load(path, scaleFactor > 0 ? scaleFactor : 1.0);
    if (!image)
        throw Error("Could not find resource " + std::string(name) + " in bundle " +
                    bundle.bundlePath().string());
    auto texture = makeTexture(*device_, *image);
    if (!texture)
        throw Error("The device cannot hold texture " + std::string(name));
    texture->setLabel(std::string(name));
    return texture;
}

} // namespace gpu
