#include "platform/gpu/ColorShader.h"

#include "platform/gpu/Error.h"
#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace gpu {

namespace {

// One triangle that covers the target, from the vertex id alone.
constexpr const char* kCoverVertex = R"(#version 450 core
void main() {
    vec2 p = vec2(float((gl_VertexID << 1) & 2), float(gl_VertexID & 2));
    gl_Position = vec4(p * 2.0 - 1.0, 0.0, 1.0);
}
)";

} // namespace

ColorShader::ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                         std::vector<Float4> arguments, DeviceFactory makeDevice)
    : library_(std::move(library)), functionName_(std::move(functionName)), arguments_(std::move(arguments)),
      makeDevice_(std::move(makeDevice)) {}

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

std::shared_ptr<RenderPipelineState> ColorShader::makePipeline() const {
    auto function = library_ ? library_->makeFunction(functionName_) : nullptr;
    try {
        if (!function)
            throw Error("the shader library has no function " + functionName_);
        RenderPipelineDescriptor descriptor;
        descriptor.label = functionName_ + " Color Effect";
        descriptor.vertexFunction =
            std::make_shared<Function>("colorEffectVertex", ShaderStage::vertex, kCoverVertex);
        descriptor.fragmentFunction = std::make_shared<Function>(
            functionName_, ShaderStage::fragment, fragmentSource(*function, arguments_.size()));
        descriptor.colorAttachments[0].pixelFormat = PixelFormat::rgba16Float;
        return device_->makeRenderPipelineState(descriptor);
    } catch (const Error& error) {
        std::fprintf(stderr, "gpu: colour effect %s cannot run: %s\n", functionName_.c_str(), error.what());
        return nullptr;
    }
}

bool ColorShader::prepare() const {
    if (!prepared_) {
        prepared_ = true;
        device_ = makeDevice_ ? makeDevice_() : nullptr;
        if (device_) {
            queue_ = device_->makeCommandQueue();
            pipeline_ = makePipeline();
        }
    }
    return device_ && queue_ && pipeline_;
}

std::span<const std::uint8_t> ColorShader::pixelsOf(const tk::Image& drawing) const {
    // The toolkit's pixels go up as they are: native 0xAARRGGBB words are the bytes B, G, R, A.
    static_assert(std::endian::native == std::endian::little);
    if (!pixels_ || pixels_->size() != drawing.size() || pixels_->backingScale() != drawing.scale())
        pixels_.emplace(drawing.size(), drawing.scale());
    else
        pixels_->reset();
    pixels_->drawImage(drawing, tk::Rect{tk::Point{}, drawing.size()});
    const int width = pixels_->pixelWidth(), height = pixels_->pixelHeight();
    if (pixels_->stride() != width * 4)
        return {};
    return {pixels_->pixelData(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4};
}

std::shared_ptr<Texture> ColorShader::targetOf(PixelSize size) const {
    if (!target_ || target_->size() != size)
        target_ = device_->makeTexture({PixelFormat::rgba16Float, size, TextureUsage::renderTarget});
    return target_;
}

std::optional<tk::Image> ColorShader::applyColorEffect(const tk::Image& drawing) const {
    TK_CHECK_MAIN_THREAD();
    if (drawing.isEmpty() || !prepare())
        return std::nullopt;
    const auto pixels = pixelsOf(drawing);
    if (pixels.empty())
        return std::nullopt;
    // The function sees only the pixels, their place and the arguments: the same pixels at the
    // same size give the same result, so a redraw of unchanged content runs nothing.
    if (last_ && last_->scale == drawing.scale() && last_->size == drawing.size() &&
        std::equal(pixels.begin(), pixels.end(), last_->pixels.begin(), last_->pixels.end()))
        return last_->result;
    last_.reset();
    auto source = device_->makeTexture(
        {PixelFormat::bgra8Unorm, {pixels_->pixelWidth(), pixels_->pixelHeight()}, TextureUsage::shaderRead},
        pixels);
    if (!source)
        return std::nullopt;
    auto target = targetOf(source->size());
    if (!target)
        return std::nullopt;

    RenderPassDescriptor pass;
    // The triangle covers every pixel: nothing to clear first.
    pass.colorAttachments[0] = {target, LoadAction::dontCare, {0, 0, 0, 0}};
    auto commandBuffer = queue_->makeCommandBuffer();
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
    auto result = device_->readImage(*target, ColorSpace::extendedLinearSRGB, drawing.scale());
    if (result)
        last_ = LastEffect{{pixels.begin(), pixels.end()}, drawing.size(), drawing.scale(), *result};
    return result;
}

} // namespace gpu
