#pragma once

// MetalShaderViewController: owns the shader view inside a root view, makes its MetalShaderRenderer,
// and stops the animation and its clock while the root view's window is not key. The life cycle is
// ShaderViewHost's (see there); the renderer made on each appearance draws a new seed.
//
// All members are [main].

#include "WendleShaders/MetalShaderRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/ShaderViewHost.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace WendleShaders {

class MetalShaderViewController {
public:
    MetalShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                              std::string vertxShaderName, std::string fragmentShaderName,
                              ShaderViewControllerEnvironment environment = {});
    MetalShaderViewController(const MetalShaderViewController&) = delete;
    MetalShaderViewController& operator=(const MetalShaderViewController&) = delete;

    const std::shared_ptr<tk::View>& view() const { return host_.view(); }
    const std::shared_ptr<gpu::ShaderView>& metalKitView() const { return host_.metalKitView(); }
    void setMetalKitView(std::shared_ptr<gpu::ShaderView> view) { host_.setMetalKitView(std::move(view)); }
    MetalShaderRenderer* renderer() const {
        return static_cast<MetalShaderRenderer*>(host_.renderer().get());
    }
    const std::string& rendererName() const { return rendererName_; }
    const std::string& vertxShaderName() const { return vertxShaderName_; }
    const std::string& fragmentShaderName() const { return fragmentShaderName_; }

    void viewWillAppear() { host_.viewWillAppear(); }
    void viewDidAppear() { host_.viewDidAppear(); }
    void viewDidDisappear() { host_.viewDidDisappear(); }
    // Key changes of `window`; those of other windows change nothing.
    void handleDidBecomeKey(const tk::Window& window) { host_.handleDidBecomeKey(window); }
    void handleDidResignKey(const tk::Window& window) { host_.handleDidResignKey(window); }
    bool layerShouldInheritContentsScale(double newScale, const tk::Window* fromWindow) const {
        return host_.layerShouldInheritContentsScale(newScale, fromWindow);
    }

private:
    std::string rendererName_;
    std::string vertxShaderName_;
    std::string fragmentShaderName_;
    RendererDependencies dependencies_;
    ShaderViewHost host_; // last: its factory reads the fields above
};

} // namespace WendleShaders
