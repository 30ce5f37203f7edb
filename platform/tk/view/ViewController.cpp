#include "platform/tk/view/ViewController.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

namespace tk {

void ViewController::loadViewIfNeeded() {
    TK_CHECK_MAIN_THREAD();
    if (view_)
        return;
    loadView();
    if (!view_)
        view_ = View::make<View>();
    viewDidLoad();
}

View* ViewController::view() {
    loadViewIfNeeded();
    return view_.get();
}

std::shared_ptr<View> ViewController::sharedView() {
    loadViewIfNeeded();
    return view_;
}

void ViewController::loadView() {
    setView(View::make<View>());
}

WindowController::WindowController(std::shared_ptr<Window> window) : window_(std::move(window)) {}

void WindowController::setWindowFrameAutosaveName(std::string name) {
    if (window_)
        window_->setFrameAutosaveName(std::move(name));
}

const std::string& WindowController::windowFrameAutosaveName() const {
    static const std::string kNone;
    return window_ ? window_->frameAutosaveName() : kNone;
}

void WindowController::showWindow() {
    TK_CHECK_MAIN_THREAD();
    if (window_)
        window_->makeKeyAndOrderFront();
}

} // namespace tk
