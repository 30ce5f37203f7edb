#include "WendleShaders/MetalShaderViewController.h"

#include "platform/tk/base/MainThread.h"

namespace WendleShaders {

namespace {

// A hidden, empty subview that tells when its tree moves in or out of a window, so that the
// controller can follow a plain root view.
class WindowWatcher final : public tk::View {
public:
    using Handler = std::function<void(tk::Window* from, tk::Window* to)>;

    explicit WindowWatcher(Handler handler) : handler_(std::move(handler)) {
        setHidden(true);
        setAllowsHitTesting(false);
    }
    void stop() { handler_ = nullptr; }

    void viewWillMoveToWindow(tk::Window* newWindow) override {
        tk::View::viewWillMoveToWindow(newWindow);
        from_ = window();
    }
    void viewDidMoveToWindow() override {
        tk::View::viewDidMoveToWindow();
        if (handler_ && from_ != window())
            handler_(from_, window());
    }

private:
    Handler handler_;
    tk::Window* from_ = nullptr;
};

} // namespace

MetalShaderViewController::MetalShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                                                     std::string vertxShaderName,
                                                     std::string fragmentShaderName,
                                                     ShaderViewControllerEnvironment environment)
    : rendererName_(std::move(rendererName)), vertxShaderName_(std::move(vertxShaderName)),
      fragmentShaderName_(std::move(fragmentShaderName)), view_(std::move(view)),
      environment_(std::move(environment)) {
    TK_CHECK_MAIN_THREAD();
    if (!view_)
        view_ = tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300});
    windowWatcher_ = tk::View::make<WindowWatcher>(
        [this](tk::Window* from, tk::Window* to) { rootWindowChanged(from, to); });
    view_->addSubview(windowWatcher_);
    if (view_->window())
        rootWindowChanged(nullptr, view_->window());
}

MetalShaderViewController::~MetalShaderViewController() {
    static_cast<WindowWatcher&>(*windowWatcher_).stop();
    windowWatcher_->removeFromSuperview();
    keyObservation_.cancel();
    if (metalKitView_) {
        metalKitView_->setPaused(true);
        metalKitView_->setDelegate({});
        metalKitView_->removeFromSuperview();
    }
}

void MetalShaderViewController::rootWindowChanged(tk::Window* from, tk::Window* to) {
    if (from)
        viewDidDisappear();
    if (to) {
        viewWillAppear();
        viewDidAppear();
    }
}

void MetalShaderViewController::viewWillAppear() {
    TK_CHECK_MAIN_THREAD();
    if (metalKitView_)
        return;
    auto shaderView = tk::View::make<gpu::ShaderView>(view_->bounds(), environment_.makeDevice());
    // Paused until viewDidAppear knows whether the window is key: nothing runs in the meantime.
    shaderView->setPaused(true);
    shaderView->setAutoresizingMask(tk::AutoresizingMask::widthSizable | tk::AutoresizingMask::heightSizable);
    metalKitView_ = shaderView;
    view_->addSubview(shaderView);

    shaderView->setAutoResizeDrawable(true);
    shaderView->setEnableSetNeedsDisplay(true);
    shaderView->setColorPixelFormat(gpu::PixelFormat::rgba16Float);
    shaderView->setColorspace(gpu::ColorSpace::extendedLinearSRGB);
    shaderView->setPreferredFramesPerSecond(60);

    try {
        renderer_ = std::make_shared<MetalShaderRenderer>(*shaderView, rendererName_, vertxShaderName_,
                                                          fragmentShaderName_, environment_.renderer);
    } catch (...) {
        // No message reaches the user: the view stays empty.
        renderer_.reset();
    }
    shaderView->setDelegate(renderer_);
}

void MetalShaderViewController::viewDidAppear() {
    TK_CHECK_MAIN_THREAD();
    tk::Window* window = view_->window();
    if (window && window != observedWindow_) {
        keyObservation_ = window->observeKeyState([this](tk::Window& w, bool isKey) {
            if (isKey)
                handleDidBecomeKey(w);
            else
                handleDidResignKey(w);
        });
        observedWindow_ = window;
    }
    if (!metalKitView_)
        return;
    setRunning(window && window->isKeyWindow());
}

void MetalShaderViewController::viewDidDisappear() {
    TK_CHECK_MAIN_THREAD();
    if (metalKitView_) {
        metalKitView_->setPaused(true);
        metalKitView_->removeFromSuperview();
    }
    metalKitView_.reset();
    renderer_.reset();
}

void MetalShaderViewController::handleDidResignKey(const tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    if (&window != view_->window())
        return;
    setRunning(false);
}

void MetalShaderViewController::handleDidBecomeKey(const tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    if (&window != view_->window())
        return;
    setRunning(true);
}

void MetalShaderViewController::setRunning(bool running) {
    if (renderer_) {
        if (running)
            renderer_->resumeClock();
        else
            renderer_->pauseClock();
    }
    if (metalKitView_)
        metalKitView_->setPaused(!running);
}

bool MetalShaderViewController::layerShouldInheritContentsScale(double, const tk::Window*) const {
    return true;
}

} // namespace WendleShaders
