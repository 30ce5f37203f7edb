#include "platform/tk/view/HeadlessBackend.h"

#include "platform/tk/view/Menu.h"

#include <algorithm>

namespace tk {

void RecordingMenuPresenter::present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) {
    window_ = window.sharedWindow();
    menu_ = std::move(menu);
    location_ = locationInWindow;
}

bool RecordingMenuPresenter::chooseItem(int index) {
    auto window = window_.lock();
    auto menu = menu_;
    dismiss();
    if (!window || !menu)
        return false;
    const MenuItem* item = menu->item(index);
    if (!item || !item->enabled || item->isSeparator)
        return false;
    const MenuItem copy = *item;
    return window->performMenuItem(copy);
}

void RecordingMenuPresenter::dismiss() {
    window_.reset();
    menu_.reset();
}

std::unique_ptr<NativeWindow> HeadlessBackend::createNativeWindow(Window& window,
                                                                  const Window::Options& options) {
    auto native = std::make_unique<HeadlessNativeWindow>(*this, window);
    native->setTitle(options.title);
    return native;
}

std::vector<Screen> HeadlessBackend::screens() const {
    const Rect frame{Point{}, kScreenSize};
    return {Screen{frame, Rect{0, 25, kScreenSize.width, kScreenSize.height - 25}, 1}};
}

bool HeadlessBackend::openURL(const std::string& url) {
    openedURLs_.push_back(url);
    return true;
}

std::vector<Window*> HeadlessBackend::windows() const {
    std::vector<Window*> result;
    for (auto* n : natives_)
        result.push_back(&n->owner());
    return result;
}

HeadlessNativeWindow::HeadlessNativeWindow(HeadlessBackend& backend, Window& window)
    : backend_(backend), window_(window) {
    backend_.natives_.push_back(this);
}

HeadlessNativeWindow::~HeadlessNativeWindow() {
    std::erase(backend_.natives_, this);
}

HeadlessBackend* HeadlessBackend::current() {
    return dynamic_cast<HeadlessBackend*>(&currentBackend());
}

void HeadlessNativeWindow::minimize() {
    if (closed_ || minimized_)
        return;
    minimized_ = true;
    if (backend_.keyWindow_.lock().get() == &window_)
        window_.resignKeyWindow();
}

void HeadlessNativeWindow::requestKeyFocus() {
    if (closed_)
        return;
    minimized_ = false; // restored before it is raised
    auto previous = backend_.keyWindow_.lock();
    if (previous.get() == &window_) {
        window_.becomeKeyWindow(); // it lost the focus (HeadlessWindow::unfocus) and takes it back
        return;
    }
    backend_.keyWindow_ = window_.sharedWindow();
    if (previous)
        previous->resignKeyWindow();
    window_.becomeKeyWindow();
}

void HeadlessNativeWindow::close() {
    closed_ = true;
    if (backend_.keyWindow_.lock().get() == &window_)
        backend_.keyWindow_.reset();
}

void HeadlessNativeWindow::present(const RenderedFrame&) {
    ++framesPresented_;
}

bool HeadlessNativeWindow::beginDrag(const DragItem& item, const Event& event) {
    backend_.drags_.push_back({item, title_, event.locationInWindow});
    return true;
}

} // namespace tk
