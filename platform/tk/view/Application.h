#pragma once

// The running program's application object: what belongs to the program rather than to one
// window.
//   - It ends every window's responder chain, answering the actions of the whole program
//     ("clearRecentDocuments:" empties the recent documents list).
//   - It holds the services menu (a submenu that other programs' services would fill; nothing
//     fills it here, so it stays empty).
//   - It runs modal sessions: a window that must be answered before anything else, in a nested
//     run of the main run loop that ends with stopModal(response).
//
// All members are [main].

#include "platform/tk/view/Responder.h"

#include <memory>
#include <optional>

namespace tk {

class Menu;
class Window;

class Application : public Responder {
public:
    static constexpr int kModalResponseAbort = -1001;

    // The process's application object, made on first use.
    static Application& shared();

    std::shared_ptr<Menu> servicesMenu() const { return servicesMenu_; }
    void setServicesMenu(std::shared_ptr<Menu> menu) { servicesMenu_ = std::move(menu); }

    // Shows `window`, makes it key and runs the main run loop until stopModal() (or until the window
    // closes, which answers kModalResponseAbort). Sessions nest; the innermost ends first.
    int runModal(Window& window);
    // Ends the innermost modal session with `response`. Nothing without one.
    void stopModal(int response);
    // The window of the innermost modal session, if any.
    Window* modalWindow() const;

    Application(); // use shared()

private:
    struct Session;
    std::shared_ptr<Menu> servicesMenu_;
    Session* session_ = nullptr;
};

} // namespace tk
