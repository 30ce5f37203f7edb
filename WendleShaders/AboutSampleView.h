#pragma once

// AboutSampleView: a shader view that sets itself up for the About animation. Each time it is moved
// to a superview (or out of one) it takes the system's device, RGBA16Float, and a new AboutRenderer
// as its delegate (the clock starts again at 0); when the renderer cannot be made it draws nothing.
//
// Colour space: the view is meant to show extended linear Display P3. This toolkit composites in
// sRGB, so the stand-in is the one the other shader views use: linear light in half floats, shown
// with the sRGB transfer when the frame is resolved (extendedLinearSRGB); colours outside sRGB are
// clamped there.
//
// All members are [main].

#include "WendleShaders/AboutRenderer.h"
#include "WendleShaders/ShaderViewHost.h"
#include "platform/gpu/ShaderView.h"

#include <memory>

namespace WendleShaders {

class AboutSampleView final : public gpu::ShaderView {
public:
    explicit AboutSampleView(tk::Rect frame, std::shared_ptr<gpu::Device> device = nullptr,
                             ShaderViewControllerEnvironment environment = {});

    // Keeps the renderer alive while it is the view's delegate.
    const std::shared_ptr<AboutRenderer>& renderer() const { return renderer_; }

    // tk::View
    void viewDidMoveToSuperview() override;

private:
    ShaderViewControllerEnvironment environment_;
    std::shared_ptr<AboutRenderer> renderer_;
};

} // namespace WendleShaders
