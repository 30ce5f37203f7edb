#include "WendleShaders/AboutSampleView.h"

#include "platform/tk/base/MainThread.h"

namespace WendleShaders {

AboutSampleView::AboutSampleView(tk::Rect frame, std::shared_ptr<gpu::Device> device,
                                 ShaderViewControllerEnvironment environment)
    : gpu::ShaderView(frame, std::move(device)), environment_(std::move(environment)) {}

void AboutSampleView::viewDidMoveToSuperview() {
    TK_CHECK_MAIN_THREAD();
    gpu::ShaderView::viewDidMoveToSuperview();
    setDevice(environment_.makeDevice ? environment_.makeDevice() : nullptr);
    setColorPixelFormat(gpu::PixelFormat::rgba16Float);
    setColorspace(gpu::ColorSpace::extendedLinearSRGB); // stands for extended linear Display P3
    try {
        renderer_ = std::make_shared<AboutRenderer>(*this, environment_.renderer);
    } catch (...) {
        renderer_.reset();
    }
    setDelegate(renderer_);
}

} // namespace WendleShaders
