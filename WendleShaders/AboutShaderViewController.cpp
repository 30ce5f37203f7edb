#include "WendleShaders/AboutShaderViewController.h"

namespace WendleShaders {

AboutShaderViewController::AboutShaderViewController(std::shared_ptr<tk::View> view,
                                                     ShaderViewControllerEnvironment environment)
    : ShaderViewController(std::move(view), std::move(environment),
                           [](gpu::ShaderView& shaderView, const RendererDependencies& dependencies) {
                               return std::make_shared<AboutRenderer>(shaderView, dependencies);
                           }) {
    start();
}

} // namespace WendleShaders
