#include "WendleShaders/MetalShaderViewController.h"

namespace WendleShaders {

MetalShaderViewController::MetalShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                                                     std::string vertxShaderName,
                                                     std::string fragmentShaderName,
                                                     ShaderViewControllerEnvironment environment)
    : rendererName_(std::move(rendererName)), vertxShaderName_(std::move(vertxShaderName)),
      fragmentShaderName_(std::move(fragmentShaderName)), dependencies_(std::move(environment.renderer)),
      host_(
          std::move(view),
          [this](gpu::ShaderView& shaderView) {
              return std::make_shared<MetalShaderRenderer>(shaderView, rendererName_, vertxShaderName_,
                                                           fragmentShaderName_, dependencies_);
          },
          std::move(environment.makeDevice)) {
    host_.start();
}

} // namespace WendleShaders
