#include "platform/gpu/FakeDevice.h"

#include "platform/gpu/Error.h"
#include "platform/tk/graphics/BitmapContext.h"

namespace gpu {

namespace {

class FakeTexture final : public TextureBackend {
public:
    ClearColor lastClear{0, 0, 0, 0};
};

} // namespace

std::shared_ptr<CommandQueue> FakeDevice::makeCommandQueue() {
    if (failsCommandQueue)
        return nullptr;
    ++commandQueuesMade;
    return Device::makeCommandQueue();
}

std::shared_ptr<Library> FakeDevice::makeDefaultLibrary(const std::filesystem::path& bundlePath) {
    libraryBundles.push_back(bundlePath);
    if (libraryError)
        throw Error(*libraryError);
    return Device::makeDefaultLibrary(bundlePath);
}

std::shared_ptr<RenderPipelineState>
FakeDevice::makeRenderPipelineState(const RenderPipelineDescriptor& descriptor) {
    pipelineDescriptors.push_back(descriptor);
    validate(descriptor);
    if (pipelineError)
        throw Error(*pipelineError);
    return std::make_shared<RenderPipelineState>(descriptor.label, descriptor.vertexFunction->name(),
                                                 descriptor.fragmentFunction->name(),
                                                 descriptor.colorAttachments[0].pixelFormat, nullptr);
}

std::shared_ptr<Buffer> FakeDevice::makeBuffer(std::span<const std::byte> bytes) {
    auto buffer = Device::makeBuffer(bytes);
    if (buffer)
        buffersMade.emplace_back(bytes.begin(), bytes.end());
    return buffer;
}

std::shared_ptr<Texture> FakeDevice::makeTexture(const TextureDescriptor& descriptor,
                                                 std::span<const std::uint8_t> pixels) {
    if (failsTextures || descriptor.size.isEmpty() || bytesPerPixel(descriptor.pixelFormat) == 0)
        return nullptr;
    if (!pixels.empty() && pixels.size() < byteCount(descriptor))
        return nullptr;
    texturesMade.push_back(descriptor);
    return std::make_shared<Texture>(descriptor, std::make_unique<FakeTexture>());
}

void FakeDevice::execute(const CommandBuffer& commandBuffer) {
    ExecutedCommandBuffer record;
    record.label = commandBuffer.label();
    for (const auto& encoder : commandBuffer.encoders()) {
        record.passes.push_back(
            {encoder->label(), encoder->descriptor(), encoder->commands(), encoder->isEnded()});
        const auto& target = encoder->descriptor().colorAttachments[0];
        if (auto* fake = dynamic_cast<FakeTexture*>(target.texture ? target.texture->backend() : nullptr);
            fake && target.loadAction == LoadAction::clear)
            fake->lastClear = target.clearColor;
    }
    record.presentedDrawables = commandBuffer.presentedDrawables().size();
    executed.push_back(std::move(record));
}

std::optional<tk::Image> FakeDevice::readImage(const Texture& texture, ColorSpace, double scale) {
    const auto* fake = dynamic_cast<const FakeTexture*>(texture.backend());
    if (!fake)
        return std::nullopt;
    ++imagesRead;
    if (scale <= 0)
        scale = 1;
    const auto& c = fake->lastClear;
    tk::BitmapContext context(tk::Size{texture.width() / scale, texture.height() / scale}, scale);
    context.fillRect(tk::Rect{0, 0, texture.width() / scale, texture.height() / scale},
                     tk::Color(c.red, c.green, c.blue, c.alpha));
    return context.makeImage();
}

std::vector<DrawPrimitives> FakeDevice::draws() const {
    std::vector<DrawPrimitives> result;
    for (const auto& buffer : executed)
        for (const auto& pass : buffer.passes)
            for (const auto& command : pass.commands)
                if (const auto* draw = std::get_if<DrawPrimitives>(&command))
                    result.push_back(*draw);
    return result;
}

std::optional<std::vector<std::byte>> boundBytes(const FakeDevice::ExecutedPass& pass, ShaderStage stage,
                                                 std::size_t index) {
    std::optional<std::vector<std::byte>> found;
    for (const auto& command : pass.commands)
        if (const auto* bytes = std::get_if<SetBytes>(&command);
            bytes && bytes->stage == stage && bytes->index == index)
            found = bytes->bytes.toVector();
    return found;
}

} // namespace gpu
