#pragma once

// ShaderViewController<R>: what the module's view controllers share - the root view and its shader
// view, the life cycle steps, all handed to a ShaderViewHost (see there), and the renderer of the
// current appearance as the subclass's renderer class R, made by the subclass's factory with the
// environment's renderer dependencies.
//
// The subclass calls start() at the end of its constructor, once the fields its factory reads are
// set. All members are [main].

#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/ShaderViewHost.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <functional>
#include <memory>

namespace WendleShaders {

template <class R> class ShaderViewController {
public:
    ShaderViewController(const ShaderViewController&) = delete;
    ShaderViewController& operator=(const ShaderViewController&) = delete;

    const std::shared_ptr<tk::View>& view() const { return host_.view(); }
    const std::shared_ptr<gpu::ShaderView>& metalKitView() const { return host_.metalKitView(); }
    void setMetalKitView(std::shared_ptr<gpu::ShaderView> view) { host_.setMetalKitView(std::move(view)); }
    R* renderer() const { return static_cast<R*>(host_.renderer().get()); }

    void viewWillAppear() { host_.viewWillAppear(); }
    void viewDidAppear() { host_.viewDidAppear(); }
    void viewDidDisappear() { host_.viewDidDisappear(); }
    // Key changes of the root view's window; those of other windows change nothing.
    void handleDidBecomeKey(const tk::Window& window) { host_.handleDidBecomeKey(window); }
    void handleDidResignKey(const tk::Window& window) { host_.handleDidResignKey(window); }
    bool layerShouldInheritContentsScale(double newScale, const tk::Window* fromWindow) const {
        return host_.layerShouldInheritContentsScale(newScale, fromWindow);
    }

protected:
    // Makes the renderer for a new shader view, or throws (the host drops the error).
    using RendererFactory = std::function<std::shared_ptr<R>(gpu::ShaderView&, const RendererDependencies&)>;

    ShaderViewController(std::shared_ptr<tk::View> view, ShaderViewControllerEnvironment environment,
                         RendererFactory makeRenderer)
        : dependencies_(std::move(environment.renderer)),
          host_(
              std::move(view),
              [this, make = std::move(makeRenderer)](gpu::ShaderView& shaderView)
                  -> std::shared_ptr<ClockedRenderer> { return make(shaderView, dependencies_); },
              std::move(environment.makeDevice)) {}
    ~ShaderViewController() = default;

    void start() { host_.start(); }

private:
    RendererDependencies dependencies_;
    ShaderViewHost host_;
};

} // namespace WendleShaders
