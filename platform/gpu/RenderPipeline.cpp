#include "platform/gpu/RenderPipeline.h"

#include "platform/gpu/Error.h"

namespace gpu {

void validate(const RenderPipelineDescriptor& descriptor) {
    if (!descriptor.vertexFunction)
        throw Error("Render pipeline \"" + descriptor.label + "\": vertex function is not set");
    if (!descriptor.fragmentFunction)
        throw Error("Render pipeline \"" + descriptor.label + "\": fragment function is not set");
    if (descriptor.vertexFunction->functionType() != ShaderStage::vertex)
        throw Error("Render pipeline \"" + descriptor.label + "\": " + descriptor.vertexFunction->name() +
                    " is not a vertex function");
    if (descriptor.fragmentFunction->functionType() != ShaderStage::fragment)
        throw Error("Render pipeline \"" + descriptor.label + "\": " + descriptor.fragmentFunction->name() +
                    " is not a fragment function");
    if (bytesPerPixel(descriptor.colorAttachments[0].pixelFormat) == 0)
        throw Error("Render pipeline \"" + descriptor.label +
                    "\": colour attachment 0 has no valid pixel format");
}

} // namespace gpu
