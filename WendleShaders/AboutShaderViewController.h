#pragma once

// AboutShaderViewController: hosts the About animation in a root view with the life cycle of
// ShaderViewHost (the same view settings and key-window pausing as MetalShaderViewController); the
// renderer made on each appearance is an AboutRenderer. Nothing in the program makes one.
//
// All members are [main].

#include "WendleShaders/AboutRenderer.h"
#include "WendleShaders/ShaderViewHost.h"

#include <memory>

namespace WendleShaders {

class AboutShaderViewController {
public:
    explicit AboutShaderViewController(std::shared_ptr<tk::View> view,
                                       ShaderViewControllerEnvironment environment = {});
    AboutShaderViewController(const AboutShaderViewController&) = delete;
    AboutShaderViewController& operator=(const AboutShaderViewController&) = delete;

    const std::shared_ptr<tk::View>& view() const { return host_.view(); }
    const std::shared_ptr<gpu::ShaderView>& metalKitView() const { return host_.metalKitView(); }
    void setMetalKitView(std::shared_ptr<gpu::ShaderView> view) { host_.setMetalKitView(std::move(view)); }
    AboutRenderer* renderer() const { return static_cast<AboutRenderer*>(host_.renderer().get()); }

    void viewWillAppear() { host_.viewWillAppear(); }
    void viewDidAppear() { host_.viewDidAppear(); }
    void viewDidDisappear() { host_.viewDidDisappear(); }
    void handleDidBecomeKey(const tk::Window& window) { host_.handleDidBecomeKey(window); }
    void handleDidResignKey(const tk::Window& window) { host_.handleDidResignKey(window); }
    bool layerShouldInheritContentsScale(double newScale, const tk::Window* fromWindow) const {
        return host_.layerShouldInheritContentsScale(newScale, fromWindow);
    }

private:
    RendererDependencies dependencies_;
    ShaderViewHost host_; // last: its factory reads the fields above
};

} // namespace WendleShaders
