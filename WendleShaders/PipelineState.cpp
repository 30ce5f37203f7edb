#include "WendleShaders/PipelineState.h"

#include "WendleShaders/ModuleBundle.h"

namespace WendleShaders {

std::shared_ptr<gpu::RenderPipelineState> makePipelineState(gpu::Device& device,
                                                            std::string_view vertexFunctionName,
                                                            std::string_view fragmentFunctionName) {
    const auto library = device.makeDefaultLibrary(moduleBundle().resourcePath());
    gpu::RenderPipelineDescriptor descriptor;
    descriptor.label = "Shader Pipeline";
    // A name the library lacks leaves the function unset; building the pipeline then fails.
    descriptor.vertexFunction = library->makeFunction(vertexFunctionName);
    descriptor.fragmentFunction = library->makeFunction(fragmentFunctionName);
    descriptor.colorAttachments[0].pixelFormat = gpu::PixelFormat::rgba16Float;
    return device.makeRenderPipelineState(descriptor);
}

} // namespace WendleShaders
