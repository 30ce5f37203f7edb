#pragma once

// MetalShaderViewController: owns the shader view inside a root view, makes its MetalShaderRenderer,
// and stops the animation and its clock while the root view's window is not key. The life cycle is
// ShaderViewHost's (see there); the renderer made on each appearance draws a new seed.
//
// All members are [main].

#include "WendleShaders/MetalShaderRenderer.h"
#include "WendleShaders/ShaderViewController.h"

#include <memory>
#include <string>

namespace WendleShaders {

class MetalShaderViewController : public ShaderViewController<MetalShaderRenderer> {
public:
    MetalShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                              std::string vertxShaderName, std::string fragmentShaderName,
                              ShaderViewControllerEnvironment environment = {});

    const std::string& rendererName() const { return rendererName_; }
    const std::string& vertxShaderName() const { return vertxShaderName_; }
    const std::string& fragmentShaderName() const { return fragmentShaderName_; }

private:
    std::string rendererName_;
    std::string vertxShaderName_;
    std::string fragmentShaderName_;
};

} // namespace WendleShaders
