#pragma once

// MetalShaderViewController: owns the shader view inside a root view, makes its renderer, and
// stops the animation and its clock while the root view's window is not key.
//
// Life cycle (the controller follows its root view in and out of windows by itself; a host may
// also call the three steps directly):
//   viewWillAppear   once per appearance: a ShaderView filling the root view (following its size)
//                    on the system's device, RGBA16Float in extended linear sRGB, 60 frames a
//                    second, redraw on setNeedsDisplay; then a renderer for it. Any error from the
//                    renderer is dropped: no renderer, and the view draws nothing.
//   viewDidAppear    watches the window's key state (one registration per window, removed with
//                    the controller); runs the view when the window is key, otherwise starts it
//                    paused with its clock stopped.
//   window resigns key  clock paused, view paused.     window becomes key  clock resumed, view runs.
//   viewDidDisappear the view is paused and removed, view and renderer dropped; the next
//                    appearance builds new ones (new seed, time from 0).
//
// All members are [main].

#include "WendleShaders/MetalShaderRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace WendleShaders {

struct ShaderViewControllerEnvironment {
    // Where the shader view's device comes from; null from it means no device.
    std::function<std::shared_ptr<gpu::Device>()> makeDevice = gpu::createSystemDefaultDevice;
    RendererDependencies renderer;
};

class MetalShaderViewController {
public:
    MetalShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                              std::string vertxShaderName, std::string fragmentShaderName,
                              ShaderViewControllerEnvironment environment = {});
    ~MetalShaderViewController();
    MetalShaderViewController(const MetalShaderViewController&) = delete;
    MetalShaderViewController& operator=(const MetalShaderViewController&) = delete;

    const std::shared_ptr<tk::View>& view() const { return view_; }
    const std::shared_ptr<gpu::ShaderView>& metalKitView() const { return metalKitView_; }
    void setMetalKitView(std::shared_ptr<gpu::ShaderView> view) { metalKitView_ = std::move(view); }
    MetalShaderRenderer* renderer() const { return renderer_.get(); }
    const std::string& rendererName() const { return rendererName_; }
    const std::string& vertxShaderName() const { return vertxShaderName_; }
    const std::string& fragmentShaderName() const { return fragmentShaderName_; }

    void viewWillAppear();
    void viewDidAppear();
    void viewDidDisappear();
    // Key changes of `window`; those of other windows change nothing.
    void handleDidBecomeKey(const tk::Window& window);
    void handleDidResignKey(const tk::Window& window);
    // The drawable follows its window's backing scale, always.
    bool layerShouldInheritContentsScale(double newScale, const tk::Window* fromWindow) const;

private:
    void rootWindowChanged(tk::Window* from, tk::Window* to);
    // The renderer's clock and the view's drawing run and stop together.
    void setRunning(bool running);

    std::shared_ptr<gpu::ShaderView> metalKitView_;
    std::shared_ptr<MetalShaderRenderer> renderer_;
    std::string rendererName_;
    std::string vertxShaderName_;
    std::string fragmentShaderName_;
    std::shared_ptr<tk::View> view_;
    ShaderViewControllerEnvironment environment_;
    std::shared_ptr<tk::View> windowWatcher_; // hidden subview of the root that reports window moves
    const tk::Window* observedWindow_ = nullptr;
    tk::Subscription keyObservation_;
};

} // namespace WendleShaders
