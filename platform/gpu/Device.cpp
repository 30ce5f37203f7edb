#include "platform/gpu/Device.h"

namespace gpu {

std::shared_ptr<CommandQueue> Device::makeCommandQueue() {
    return std::make_shared<CommandQueue>(shared_from_this());
}

std::shared_ptr<Library> Device::makeDefaultLibrary(const std::filesystem::path& bundlePath) {
    return Library::loadDefault(bundlePath);
}

std::shared_ptr<Buffer> Device::makeBuffer(std::span<const std::byte> bytes) {
    if (bytes.empty())
        return nullptr;
    return std::make_shared<Buffer>(bytes);
}

bool Device::readImage(const Texture& texture, ColorSpace colorSpace, double scale, tk::Image& image) {
    auto read = readImage(texture, colorSpace, scale);
    if (!read)
        return false;
    image = std::move(*read);
    return true;
}

} // namespace gpu
