#include "platform/tk/view/Application.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/view/DocumentController.h"
#include "platform/tk/view/Window.h"

namespace tk {

struct Application::Session {
    std::weak_ptr<Window> window;
    std::optional<int> response;
    Session* outer = nullptr;
};

Application& Application::shared() {
    // Held by a shared pointer so that the responder chain can keep it alive like any responder.
    static const std::shared_ptr<Application> application = std::make_shared<Application>();
    return *application;
}

Application::Application() {
    setActionHandler("clearRecentDocuments:",
                     [](const ActionSender&) { DocumentController::shared().clearRecentDocuments(); });
}

int Application::runModal(Window& window) {
    TK_CHECK_MAIN_THREAD();
    Session session{window.sharedWindow(), std::nullopt, session_};
    session_ = &session;
    Subscription closing = window.observeWillClose([&session](Window&) {
        if (!session.response)
            session.response = kModalResponseAbort;
    });
    window.makeKeyAndOrderFront();
    RunLoop& loop = RunLoop::main();
    // Each turn waits for work (an event, a task, a timer); whichever answers the window ends it.
    while (!session.response && !window.isClosed())
        loop.runOnce();
    session_ = session.outer;
    return session.response.value_or(kModalResponseAbort);
}

void Application::stopModal(int response) {
    TK_CHECK_MAIN_THREAD();
    if (session_ && !session_->response)
        session_->response = response;
}

Window* Application::modalWindow() const {
    return session_ ? session_->window.lock().get() : nullptr;
}

bool Application::prepareToTerminate() {
    TK_CHECK_MAIN_THREAD();
    for (const Session* s = session_; s; s = s->outer)
        if (auto window = s->window.lock();
            window && !window->isClosed() && window->preventsApplicationTerminationWhenModal())
            return false;
    for (Session* s = session_; s; s = s->outer)
        if (!s->response)
            s->response = kModalResponseAbort;
    return true;
}

} // namespace tk
