#include "platform/tk/controls/MenuPresentation.h"

#include "platform/tk/view/Window.h"

namespace tk {

std::shared_ptr<Menu> menuCopyReportingClose(Menu menu, std::function<void()> closed) {
    if (!closed)
        return std::make_shared<Menu>(std::move(menu));
    return std::shared_ptr<Menu>(new Menu(std::move(menu)), [closed = std::move(closed)](Menu* copy) {
        delete copy;
        closed();
    });
}

void popUpMenuReportingClose(Window& window, const Menu& menu, Point location, std::function<void()> closed) {
    window.popUpMenu(menuCopyReportingClose(menu, std::move(closed)), location);
}

} // namespace tk
