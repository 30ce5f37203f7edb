#pragma once

// The render pipeline every renderer of the module builds: the vertex and fragment functions of the
// module's shader library, label "Shader Pipeline", colour attachment 0 in RGBA16Float, no vertex
// descriptor, blending, depth or stencil.

#include "platform/gpu/Device.h"

#include <memory>
#include <string_view>

namespace WendleShaders {

// [main] Throws what the device throws (gpu::Error): no library in the module bundle, a function
// name the library lacks, a pipeline that does not compile. Stops the program when the module
// bundle is missing (moduleBundle()).
std::shared_ptr<gpu::RenderPipelineState> makePipelineState(gpu::Device& device,
                                                            std::string_view vertexFunctionName,
                                                            std::string_view fragmentFunctionName);

// [main] The About view's pipeline: "aboutVertexShader" / "aboutFragmentShader", label "About View
// Pipeline", colour attachment 0 in `colorPixelFormat` (the view's). A library that cannot be read
// leaves both functions unset, so building fails (gpu::Error) all the same.
std::shared_ptr<gpu::RenderPipelineState> makeAboutPipelineState(gpu::Device& device,
                                                                 gpu::PixelFormat colorPixelFormat);

} // namespace WendleShaders
