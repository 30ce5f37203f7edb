#include "WendleShaders/ColumnPass.h"

#include "WendleShaders/ModuleBundle.h"
#include "platform/gpu/Library.h"
#include "platform/gpu/RenderPipeline.h"

namespace WendleShaders {

namespace {
constexpr std::string_view kFragmentSuffix = "FragmentShader";
constexpr std::string_view kColumnSuffix = "ColumnShader";
} // namespace

std::string ColumnPass::columnFunctionName(std::string_view fragmentFunctionName) {
    if (!fragmentFunctionName.ends_with(kFragmentSuffix))
        return {};
    std::string name(fragmentFunctionName.substr(0, fragmentFunctionName.size() - kFragmentSuffix.size()));
    name += kColumnSuffix;
    return name;
}

std::unique_ptr<ColumnPass> ColumnPass::make(gpu::Device& device, std::string_view vertexFunctionName,
                                             std::string_view fragmentFunctionName) {
    const std::string columnName = columnFunctionName(fragmentFunctionName);
    if (columnName.empty())
        return nullptr;
    const auto library = device.makeDefaultLibrary(moduleBundle().resourcePath());
    auto columnFunction = library->makeFunction(columnName);
    if (!columnFunction)
        return nullptr;
    gpu::RenderPipelineDescriptor descriptor;
    descriptor.label = "Column Pipeline";
    descriptor.vertexFunction = library->makeFunction(vertexFunctionName);
    descriptor.fragmentFunction = std::move(columnFunction);
    // Full floats: the wave heights are compared with line widths of a fraction of a pixel.
    descriptor.colorAttachments[0].pixelFormat = gpu::PixelFormat::rgba32Float;
    return std::make_unique<ColumnPass>(device.makeRenderPipelineState(descriptor));
}

gpu::RenderCommandEncoder* ColumnPass::beginPass(gpu::Device& device, gpu::CommandBuffer& commandBuffer,
                                                 const std::shared_ptr<gpu::Buffer>& quad) {
    if (width_ <= 0)
        return nullptr;
    if (!target_ || target_->width() != width_) {
        target_ = device.makeTexture(
            {gpu::PixelFormat::rgba32Float, {width_, kRows}, gpu::TextureUsage::renderTarget});
        pass_.colorAttachments[0].texture = target_;
        pass_.colorAttachments[0].loadAction = gpu::LoadAction::dontCare;
    }
    if (!target_)
        return nullptr;
    auto* encoder = commandBuffer.makeRenderCommandEncoder(pass_);
    if (!encoder)
        return nullptr;
    encoder->setRenderPipelineState(pipelineState_);
    encoder->setVertexBuffer(quad, 0, 0);
    return encoder;
}

void ColumnPass::endPass(gpu::RenderCommandEncoder& encoder) {
    encoder.drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, 4);
    encoder.endEncoding();
}

} // namespace WendleShaders
