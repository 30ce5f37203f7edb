#include "Tessaly/Windows/WindowController.h"

#include "Tessaly/Windows/SheetWindow.h"
#include "Tessaly/Windows/WindowPlacement.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

WindowController::WindowController(std::shared_ptr<tk::Window> window)
    : tk::WindowController(std::move(window)) {}

std::shared_ptr<WindowController> WindowController::make(bool sheet, tk::ui::Node rootView,
                                                         std::optional<std::string> frameAutosaveName,
                                                         HostingSizingOptions sizingOptions,
                                                         Configure configure) {
    TK_CHECK_MAIN_THREAD();
    auto state = std::make_shared<WindowState>();
    auto host = tk::View::make<tk::ui::HostingView>(std::move(rootView));
    host->setEnvironment<WindowStateKey>(state);
    tk::Size size{400, 300};
    if (sizingOptions != HostingSizingOptions::none) {
        const tk::Size ideal = host->sizeThatFits(tk::ui::ProposedSize{});
        if (ideal.width > 0 && ideal.height > 0)
            size = ideal;
    }
    std::shared_ptr<tk::Window> window;
    if (sheet) {
        window = SheetWindow::make(size);
    } else {
        window = tk::Window::make(size);
    }
    window->setContentView(host);
    if (configure)
        configure(*window);
    auto controller = std::make_shared<WindowController>(window);
    if (frameAutosaveName)
        controller->setWindowFrameAutosaveName(*frameAutosaveName);
    state->setParentWindow(window);
    return controller;
}

std::shared_ptr<WindowController>
WindowController::makeWindowController(tk::ui::Node rootView, std::optional<std::string> frameAutosaveName,
                                       HostingSizingOptions sizingOptions, Configure configure) {
    return make(false, std::move(rootView), std::move(frameAutosaveName), sizingOptions,
                std::move(configure));
}

std::shared_ptr<WindowController>
WindowController::makeSheetWindowController(tk::ui::Node rootView,
                                            std::optional<std::string> frameAutosaveName,
                                            HostingSizingOptions sizingOptions, Configure configure) {
    return make(true, std::move(rootView), std::move(frameAutosaveName), sizingOptions, std::move(configure));
}

void WindowController::show() {
    TK_CHECK_MAIN_THREAD();
    showWindow();
    tk::Window* w = window();
    // A frame restored from the autosave is where the user left the window: keep it there.
    if (!w || w->frameWasRestored())
        return;
    std::weak_ptr<tk::Window> weak = sharedWindow();
    tk::RunLoop::main().post([weak] {
        if (auto window = weak.lock())
            centerOnScreen(*window);
    });
}

} // namespace Tessaly
