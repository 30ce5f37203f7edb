#include "app/Application.h"

#include "app/AboutPanel.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

namespace app {

Application::Application(std::function<void()> terminate) : terminate_(std::move(terminate)) {}

Application::~Application() {
    if (aboutPanel_)
        aboutPanel_->close();
}

void Application::orderFrontStandardAboutPanel() {
    TK_CHECK_MAIN_THREAD();
    if (!aboutPanel_ || aboutPanel_->isClosed())
        aboutPanel_ = makeAboutPanel(aboutPanelContent(tk::Bundle::main()));
    aboutPanel_->makeKeyAndOrderFront();
}

tk::Window* Application::aboutPanel() const {
    return aboutPanel_ && !aboutPanel_->isClosed() ? aboutPanel_.get() : nullptr;
}

void Application::terminate() {
    TK_CHECK_MAIN_THREAD();
    if (terminating_)
        return;
    terminating_ = true;
    if (terminate_)
        terminate_();
}

} // namespace app
