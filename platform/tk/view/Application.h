#pragma once

// The running program's application object: what belongs to the program rather than to one
// window. It holds the services menu (a submenu that other programs' services would fill; nothing
// fills it here, so it stays empty).
//
// All members are [main].

#include <memory>

namespace tk {

class Menu;

class Application {
public:
    // The process's application object, made on first use.
    static Application& shared();

    std::shared_ptr<Menu> servicesMenu() const { return servicesMenu_; }
    void setServicesMenu(std::shared_ptr<Menu> menu) { servicesMenu_ = std::move(menu); }

private:
    std::shared_ptr<Menu> servicesMenu_;
};

} // namespace tk
