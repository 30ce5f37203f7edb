#include "WendleShaders/ShaderViewHost.h"

#include "platform/tk/base/MainThread.h"

namespace WendleShaders {

namespace {

// A hidden, empty subview that tells when its tree moves in or out of a window, so that the
// host can follow a plain root view.
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

ShaderViewHost::ShaderViewHost(std::shared_ptr<tk::View> view, RendererFactory makeRenderer,
                               DeviceFactory makeDevice)
    : view_(std::move(view)), makeRenderer_(std::move(makeRenderer)), makeDevice_(std::move(makeDevice)) {
    TK_CHECK_MAIN_THREAD();
    if (!view_)
        view_ = tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300});
}

void ShaderViewHost::start() {
    if (windowWatcher_)
        return;
    windowWatcher_ = tk::View::make<WindowWatcher>(
        [this](tk::Window* from, tk::Window* to) { rootWindowChanged(from, to); });
    view_->addSubview(windowWatcher_);
    if (view_->window())
        rootWindowChanged(nullptr, view_->window());
}

ShaderViewHost::~ShaderViewHost() {
    if (windowWatcher_) {
        static_cast<WindowWatcher&>(*windowWatcher_).stop();
        windowWatcher_->removeFromSuperview();
    }
    keyObservation_.cancel();
    if (metalKitView_) {
        metalKitView_->setPaused(true);
        metalKitView_->setDelegate({});
        metalKitView_->removeFromSuperview();
    }
}

void ShaderViewHost::rootWindowChanged(tk::Window* from, tk::Window* to) {
    if (from)
        viewDidDisappear();
    if (to) {
        viewWillAppear();
        viewDidAppear();
    }
}

void ShaderViewHost::viewWillAppear() {
    TK_CHECK_MAIN_THREAD();
    if (metalKitView_)
        return;
    auto shaderView = tk::View::make<gpu::ShaderView>(view_->bounds(), makeDevice_ ? makeDevice_() : nullptr);
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
        renderer_ = makeRenderer_(*shaderView);
    } catch (...) {
        // No message reaches the user: the view stays empty.
        renderer_.reset();
    }
    shaderView->setDelegate(renderer_);
}

void ShaderViewHost::viewDidAppear() {
    TK_CHECK_MAIN_THREAD();
    tk::Window* window = view_->window();
    if (window && !keyObservation_.isActive())
        keyObservation_ = window->observeKeyState([this](tk::Window& w, bool isKey) {
            if (isKey)
                handleDidBecomeKey(w);
            else
                handleDidResignKey(w);
        });
    if (!metalKitView_)
        return;
    setRunning(window && window->isKeyWindow());
}

void ShaderViewHost::viewDidDisappear() {
    TK_CHECK_MAIN_THREAD();
    // Forget the window: the next appearance watches the window it appears in.
    keyObservation_.cancel();
    if (metalKitView_) {
        metalKitView_->setPaused(true);
        metalKitView_->removeFromSuperview();
    }
    metalKitView_.reset();
    renderer_.reset();
}

void ShaderViewHost::handleDidResignKey(const tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    if (&window != view_->window())
        return;
    setRunning(false);
}

void ShaderViewHost::handleDidBecomeKey(const tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    if (&window != view_->window())
        return;
    setRunning(true);
}

void ShaderViewHost::setRunning(bool running) {
    if (renderer_) {
        if (running)
            renderer_->resumeClock();
        else
            renderer_->pauseClock();
    }
    if (metalKitView_)
        metalKitView_->setPaused(!running);
}

bool ShaderViewHost::layerShouldInheritContentsScale(double, const tk::Window*) const {
    return true;
}

} // namespace WendleShaders
