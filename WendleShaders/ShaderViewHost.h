#pragma once

// ShaderViewHost: the life cycle the module's view controllers share. It owns the shader view
// inside a root view, makes a renderer for it on each appearance, and stops the animation and its
// clock while the root view's window is not key.
//
//   viewWillAppear   once per appearance: a ShaderView filling the root view (following its size)
//                    on the system's device, RGBA16Float in extended linear sRGB, 60 frames a
//                    second, redraw on setNeedsDisplay; then a renderer for it from the factory.
//                    Any error from the factory is dropped: no renderer, and the view draws nothing.
//   viewDidAppear    watches the key state of the window the root view is in now; runs the view
//                    when the window is key, otherwise starts it paused with its clock stopped.
//   window resigns key  clock paused, view paused.     window becomes key  clock resumed, view runs.
//   viewDidDisappear the view is paused and removed, view and renderer dropped, and the window is
//                    no longer watched; the next appearance builds new ones (time from 0) and
//                    watches the window it appears in (which may be another one, or a new window
//                    at the address of one that is gone).
//
// The host follows the root view in and out of windows by itself; a controller may also call the
// three steps directly. All members are [main].

#include "WendleShaders/ClockedRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <functional>
#include <memory>

namespace WendleShaders {

// What the module's views and controllers take from their surroundings, injectable for tests.
struct ShaderViewControllerEnvironment {
    // Where the shader view's device comes from; null from it means no device.
    std::function<std::shared_ptr<gpu::Device>()> makeDevice = gpu::createSystemDefaultDevice;
    RendererDependencies renderer;
};

class ShaderViewHost {
public:
    // Makes the renderer for a new shader view, or throws (the error is dropped).
    using RendererFactory = std::function<std::shared_ptr<ClockedRenderer>(gpu::ShaderView&)>;
    using DeviceFactory = std::function<std::shared_ptr<gpu::Device>()>;

    // `view` null means a plain root view of 300 x 300 points.
    ShaderViewHost(std::shared_ptr<tk::View> view, RendererFactory makeRenderer, DeviceFactory makeDevice);
    ~ShaderViewHost();
    ShaderViewHost(const ShaderViewHost&) = delete;
    ShaderViewHost& operator=(const ShaderViewHost&) = delete;

    // Follows the root view's window from now on (and appears at once when it is in one already).
    // Separate from construction so that the owner's factory may reach the owner's fields.
    void start();

    const std::shared_ptr<tk::View>& view() const { return view_; }
    const std::shared_ptr<gpu::ShaderView>& metalKitView() const { return metalKitView_; }
    void setMetalKitView(std::shared_ptr<gpu::ShaderView> view) { metalKitView_ = std::move(view); }
    const std::shared_ptr<ClockedRenderer>& renderer() const { return renderer_; }

    void viewWillAppear();
    void viewDidAppear();
    void viewDidDisappear();
    // Key changes of the root view's window; those of other windows change nothing.
    void handleDidBecomeKey(const tk::Window& window);
    void handleDidResignKey(const tk::Window& window);
    // The drawable follows its window's backing scale, always.
    bool layerShouldInheritContentsScale(double newScale, const tk::Window* fromWindow) const;

private:
    void rootWindowChanged(tk::Window* from, tk::Window* to);
    // The renderer's clock and the view's drawing run and stop together.
    void setRunning(bool running);

    std::shared_ptr<tk::View> view_;
    RendererFactory makeRenderer_;
    DeviceFactory makeDevice_;
    std::shared_ptr<gpu::ShaderView> metalKitView_;
    std::shared_ptr<ClockedRenderer> renderer_;
    std::shared_ptr<tk::View> windowWatcher_; // hidden subview of the root that reports window moves
    tk::Subscription keyObservation_;         // of the window the view appeared in; none while gone
};

} // namespace WendleShaders
