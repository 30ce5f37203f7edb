#pragma once

// The running program's application object: what belongs to the program rather than to one
// window.
//   - It ends every window's responder chain, answering the actions of the whole program
//     ("clearRecentDocuments:" empties the recent documents list).
//   - It holds the services menu (a submenu that other programs' services would fill; nothing
//     fills it here, so it stays empty).
//   - It runs modal sessions: a window that must be answered before anything else, in a nested
//     run of the main run loop that ends with stopModal(response).
//   - It decides whether the program may end now (prepareToTerminate), and holds the appearance its
//     windows take.
//
// All members are [main].

#include "platform/tk/view/Appearance.h"
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

    // Readies the program to end. While a modal session runs whose window prevents termination
    // (Window::preventsApplicationTerminationWhenModal, true unless the window says otherwise) it
    // refuses (false): that window is answered first. Otherwise every modal session ends with
    // kModalResponseAbort and it answers true; the caller then stops its run loop.
    bool prepareToTerminate();

    // The appearance set for the program; none follows the system's.
    std::optional<Appearance> appearance() const { return appearance_; }
    void setAppearance(std::optional<Appearance> appearance) { appearance_ = appearance; }
    // The one its windows draw in: the set one, else the system's (dark, the toolkit's only look).
    Appearance effectiveAppearance() const { return appearance_.value_or(Appearance::dark); }

    Application(); // use shared()

private:
    struct Session;
    std::shared_ptr<Menu> servicesMenu_;
    Session* session_ = nullptr;
    std::optional<Appearance> appearance_;
};

} // namespace tk
