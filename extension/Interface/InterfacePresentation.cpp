// How the view controller shows the plug-in's interface when a host asks (au::ViewPresenting): in
// a real window on the SDL backend, or headless into a PNG file. Both run on the extension's own
// copy of the toolkit.

#include "extension/Interface/AudioUnitViewController.h"

#include "platform/tk/base/Clock.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/Timer.h"
#include "platform/tk/sdl/SdlApplication.h"
#include "platform/tk/view/HeadlessRun.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <cstdlib>

namespace extension {

namespace {
constexpr const char* kWindowIdentifier = "plugin";
constexpr const char* kWindowTitle = "Zindral";

} // namespace

AudioUnitViewController::Outcome AudioUnitViewController::presentInterface(const Request& request) {
    std::shared_ptr<tk::Window> window;
    tk::Timer idleTimer;
    auto launch = [&] {
        tk::View& root = view();
        au::ViewController::Size size = preferredContentSize();
        tk::Window::Options options;
        options.contentSize = {size.width, size.height};
        options.title = kWindowTitle;
        options.identifier = kWindowIdentifier;
        if (request.kind == Request::Kind::screenshot) {
            options.backingScaleFactor = 1;
            options.resizable = false;
        }
        window = tk::Window::make(options);
        window->setContentView(root.sharedView());
        window->makeKeyAndOrderFront();
        viewDidAppear();
        if (request.idle) {
            idleTimer =
                tk::RunLoop::main().scheduleTimer(tk::seconds(request.idleInterval), true, request.idle);
        }
    };

    int status = 0;
    std::string failure;
    if (request.kind == Request::Kind::window) {
        tk::sdl::ApplicationOptions options;
        options.failure = &failure;
        status = tk::sdl::runApplication(launch, options);
    } else {
        // Real time, briefly: the poll timer and the queued parameter values run as they would.
        tk::HeadlessRunOptions options;
        options.duration = tk::seconds(request.settleSeconds);
        options.simulatedTime = false;
        options.pngFile = request.pngFile;
        options.windowIdentifier = kWindowIdentifier;
        options.failure = &failure;
        status = tk::runHeadless(launch, options);
    }
    idleTimer.invalidate();
    if (window) {
        window->close();
    }
    Outcome outcome;
    outcome.status = status == 0 ? 0 : 1;
    if (status != 0) {
        outcome.error = failure;
    }
    return outcome;
}

} // namespace extension
