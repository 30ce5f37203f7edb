#include "WendleShaders/PipelineState.h"

#include "WendleShaders/ModuleBundle.h"
#include "platform/gpu/Error.h"

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

std::shared_ptr<gpu::RenderPipelineState> makeAboutPipelineState(gpu::Device& device,
                                                                 gpu::PixelFormat colorPixelFormat) {
    std::shared_ptr<gpu::Library> library;
    try {
        library = device.makeDefaultLibrary(moduleBundle().resourcePath());
    } catch (const gpu::Error&) {
        // No library: the functions stay unset and the device refuses the pipeline below.
    }
    gpu::RenderPipelineDescriptor descriptor;
    descriptor.label = "About View Pipeline";
    if (library) {
        descriptor.vertexFunction = library->makeFunction("aboutVertexShader");
        descriptor.fragmentFunction = library->makeFunction("aboutFragmentShader");
    }
    descriptor.colorAttachments[0].pixelFormat = colorPixelFormat;
    return device.makeRenderPipelineState(descriptor);
}

} // namespace WendleShaders
