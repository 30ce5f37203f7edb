#include "WendleShaders/AboutShaderViewController.h"

namespace WendleShaders {

AboutShaderViewController::AboutShaderViewController(std::shared_ptr<tk::View> view,
                                                     ShaderViewControllerEnvironment environment)
    : dependencies_(std::move(environment.renderer)),
      host_(
          std::move(view),
          [this](gpu::ShaderView& shaderView) {
              return std::make_shared<AboutRenderer>(shaderView, dependencies_);
          },
          std::move(environment.makeDevice)) {
    host_.start();
}

} // namespace WendleShaders
