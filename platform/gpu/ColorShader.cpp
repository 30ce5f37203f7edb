#include "platform/gpu/ColorShader.h"

#include "platform/gpu/Error.h"
#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace gpu {

ColorShader::ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                         std::vector<Float4> arguments)
    : ColorShader(std::move(library), std::move(functionName), std::move(arguments),
                  ColorEffectDevice::shared()) {}

ColorShader::ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                         std::vector<Float4> arguments, std::shared_ptr<ColorEffectDevice> device)
    : library_(std::move(library)), functionName_(std::move(functionName)), arguments_(std::move(arguments)),
      device_(std::move(device)) {}

ColorShader::ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                         std::vector<Float4> arguments, DeviceFactory makeDevice)
    : ColorShader(std::move(library), std::move(functionName), std::move(arguments),
                  std::make_shared<ColorEffectDevice>(std::move(makeDevice))) {}

std::string ColorShader::fragmentSource(const Function& function, std::size_t argumentCount) {
    std::string source = R"(#version 450 core
// The drawing: premultiplied, sRGB-encoded (as the toolkit draws), top row first.
layout(binding = 0) uniform sampler2D drawing;
layout(std140, binding = 1) uniform Geometry {
    float pixelsPerPoint;
};
)";
    if (argumentCount > 0)
        source += "layout(std140, binding = 0) uniform Arguments {\n    vec4 arguments[" +
                  std::to_string(argumentCount) + "];\n};\n";
    source += "layout(location = 0) out vec4 effectColor;\n#line 1\n";
    source += function.source();
    source += R"(
vec3 effectToLinear(vec3 c) {
    return mix(c / 12.92, pow((c + 0.055) / 1.055, vec3(2.4)), step(vec3(0.04045), c));
}
void main() {
    ivec2 size = textureSize(drawing, 0);
    ivec2 p = ivec2(gl_FragCoord.xy);
    // The target's rows are read back bottom row last: row 0 here is the drawing's bottom row.
    vec4 texel = texelFetch(drawing, ivec2(p.x, size.y - 1 - p.y), 0);
    vec3 straight = texel.a > 0.0 ? texel.rgb / texel.a : vec3(0.0);
    vec4 color = vec4(effectToLinear(min(straight, vec3(1.0))) * texel.a, texel.a);
    vec2 position = vec2(gl_FragCoord.x, float(size.y) - gl_FragCoord.y) / pixelsPerPoint;
    effectColor = )";
    source += function.name() + "(position, color";
    for (std::size_t i = 0; i < argumentCount; ++i)
        source += ", arguments[" + std::to_string(i) + "]";
    source += ");\n}\n";
    return source;
}

bool ColorShader::prepare() const {
    if (!prepared_) {
        prepared_ = true;
        if (device_ && device_->prepare()) {
            if (auto function = library_ ? library_->makeFunction(functionName_) : nullptr)
                pipeline_ = device_->pipeline(functionName_, fragmentSource(*function, arguments_.size()));
            else
                std::fprintf(stderr,
                             "gpu: colour effect %s cannot run: the shader library has no function %s\n",
                             functionName_.c_str(), functionName_.c_str());
        }
    }
    return pipeline_ != nullptr;
}

std::optional<tk::Image> ColorShader::applyColorEffect(const tk::Image& drawing) const {
    TK_CHECK_MAIN_THREAD();
    if (drawing.isEmpty() || !prepare())
        return std::nullopt;
    // The toolkit's pixels go up as they are: native 0xAARRGGBB words are the bytes B, G, R, A.
    static_assert(std::endian::native == std::endian::little);
    tk::BitmapContext& scratch = device_->pixelsOf(drawing.size(), drawing.scale());
    scratch.drawImage(drawing, tk::Rect{tk::Point{}, drawing.size()});
    const int width = scratch.pixelWidth(), height = scratch.pixelHeight();
    if (scratch.stride() != width * 4)
        return std::nullopt;
    const std::span<const std::uint8_t> pixels{scratch.pixelData(), static_cast<std::size_t>(width) *
                                                                        static_cast<std::size_t>(height) * 4};
    // The function sees only the pixels, their place and the arguments: the same pixels at the
    // same size give the same result, so a redraw of unchanged content runs nothing.
    if (last_ && last_->scale == drawing.scale() && last_->size == drawing.size() &&
        std::equal(pixels.begin(), pixels.end(), last_->pixels.begin(), last_->pixels.end()))
        return last_->result;
    last_.reset();
    Device& device = device_->device();
    auto source =
        device.makeTexture({PixelFormat::bgra8Unorm, {width, height}, TextureUsage::shaderRead}, pixels);
    if (!source)
        return std::nullopt;
    auto target = device_->targetOf(source->size());
    if (!target)
        return std::nullopt;

    RenderPassDescriptor pass;
    // The triangle covers every pixel: nothing to clear first.
    pass.colorAttachments[0] = {target, LoadAction::dontCare, {0, 0, 0, 0}};
    auto commandBuffer = device_->queue().makeCommandBuffer();
    auto* encoder = commandBuffer->makeRenderCommandEncoder(pass);
    if (!encoder)
        return std::nullopt;
    const float pixelsPerPoint = static_cast<float>(drawing.scale());
    encoder->setRenderPipelineState(pipeline_);
    encoder->setViewport(
        {0, 0, static_cast<double>(target->width()), static_cast<double>(target->height()), 0, 1});
    if (!arguments_.empty())
        encoder->setFragmentBytes(arguments_.data(), arguments_.size() * sizeof(Float4), 0);
    encoder->setFragmentBytes(&pixelsPerPoint, sizeof pixelsPerPoint, 1);
    encoder->setFragmentTexture(source, 0);
    encoder->drawPrimitives(PrimitiveType::triangle, 0, 3);
    encoder->endEncoding();
    commandBuffer->commit();
    auto result = device.readImage(*target, ColorSpace::extendedLinearSRGB, drawing.scale());
    if (result)
        last_ = LastEffect{{pixels.begin(), pixels.end()}, drawing.size(), drawing.scale(), *result};
    return result;
}

} // namespace gpu
