#pragma once

// AboutShaderViewController: hosts the About animation in a root view with the life cycle of
// ShaderViewHost (the same view settings and key-window pausing as MetalShaderViewController); the
// renderer made on each appearance is an AboutRenderer. Nothing in the program makes one.
//
// All members are [main].

#include "WendleShaders/AboutRenderer.h"
#include "WendleShaders/ShaderViewController.h"

#include <memory>

namespace WendleShaders {

class AboutShaderViewController : public ShaderViewController<AboutRenderer> {
public:
    explicit AboutShaderViewController(std::shared_ptr<tk::View> view,
                                       ShaderViewControllerEnvironment environment = {});
};

} // namespace WendleShaders
