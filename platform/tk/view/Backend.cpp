#include "platform/tk/view/Backend.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/MenuView.h"

namespace tk {

namespace {
std::shared_ptr<Backend>& installedBackend() {
    static std::shared_ptr<Backend> backend;
    return backend;
}
} // namespace

bool NativeWindow::waitForEvents(Clock::TimePoint deadline) {
    RunLoop& loop = RunLoop::main();
    if (loop.now() >= deadline)
        return false;
    loop.runOnce(RunLoopMode::defaultMode, deadline);
    return true;
}

void Backend::openURLReportingResult(const std::string& url, std::function<void(bool opened)> done) {
    const bool opened = openURL(url);
    RunLoop::main().post([done = std::move(done), opened] {
        if (done)
            done(opened);
    });
}

MenuPresenter& Backend::menuPresenter() {
    static InWindowMenuPresenter presenter;
    return presenter;
}

Backend& currentBackend() {
    return *sharedCurrentBackend();
}

std::shared_ptr<Backend> sharedCurrentBackend() {
    auto& backend = installedBackend();
    if (!backend)
        backend = std::make_shared<HeadlessBackend>();
    return backend;
}

void setCurrentBackend(std::shared_ptr<Backend> backend) {
    TK_CHECK_MAIN_THREAD();
    installedBackend() = std::move(backend);
}

} // namespace tk
