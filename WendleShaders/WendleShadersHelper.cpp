#include "WendleShaders/WendleShadersHelper.h"

#include "WendleShaders/ModuleBundle.h"
#include "platform/gpu/Error.h"

#include <cstdio>

namespace WendleShaders::WendleShadersHelper {

namespace {

// The module's library, read once; null when it cannot be read (the effects then leave the views
// as drawn).
std::shared_ptr<const gpu::Library> moduleLibrary() {
    static const std::shared_ptr<const gpu::Library> library = []() -> std::shared_ptr<const gpu::Library> {
        try {
            return gpu::Library::loadDefault(moduleBundle().resourcePath());
        } catch (const gpu::Error& error) {
            std::fprintf(stderr, "WendleShaders: no shader library: %s\n", error.what());
            return nullptr;
        }
    }();
    return library;
}

} // namespace

std::shared_ptr<const gpu::ColorShader> colorMatrixShader(gpu::Float4 red, gpu::Float4 green,
                                                          gpu::Float4 blue, gpu::Float4 alpha) {
    return std::make_shared<gpu::ColorShader>(moduleLibrary(), "colorMatrixShader",
                                              std::vector<gpu::Float4>{red, green, blue, alpha});
}

std::shared_ptr<const gpu::ColorShader> outsideSRGBShader() {
    return std::make_shared<gpu::ColorShader>(moduleLibrary(), "outsideSRGBShader",
                                              std::vector<gpu::Float4>{});
}

std::shared_ptr<const gpu::ColorShader> outsideP3Shader() {
    return std::make_shared<gpu::ColorShader>(moduleLibrary(), "outsideP3Shader", std::vector<gpu::Float4>{});
}

} // namespace WendleShaders::WendleShadersHelper
