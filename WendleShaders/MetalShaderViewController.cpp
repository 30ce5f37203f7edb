#include "WendleShaders/MetalShaderViewController.h"

namespace WendleShaders {

MetalShaderViewController::MetalShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                                                     std::string vertxShaderName,
                                                     std::string fragmentShaderName,
                                                     ShaderViewControllerEnvironment environment)
    : ShaderViewController(std::move(view), std::move(environment),
                           [this](gpu::ShaderView& shaderView, const RendererDependencies& dependencies) {
                               return std::make_shared<MetalShaderRenderer>(
                                   shaderView, rendererName_, vertxShaderName_, fragmentShaderName_,
                                   dependencies);
                           }),
      rendererName_(std::move(rendererName)), vertxShaderName_(std::move(vertxShaderName)),
      fragmentShaderName_(std::move(fragmentShaderName)) {
    start();
}

} // namespace WendleShaders
