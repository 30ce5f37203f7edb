#pragma once

// Showing a menu on behalf of a control that must know when it closes (to end its pressed look).
// The window's presenter shows a copy that lives as long as the presenter keeps it: letting the
// copy go - after an item was chosen, or when the menu was dismissed - is the menu closing.
//
// All of it is [main].

#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Menu.h"

#include <functional>
#include <memory>

namespace tk {

class Window;

// A copy of `menu` whose destruction runs `closed` (nothing extra when `closed` is empty).
std::shared_ptr<Menu> menuCopyReportingClose(Menu menu, std::function<void()> closed);

// Shows a copy of `menu` at `location` (window coordinates) through `window`'s presenter and runs
// `closed` when it closes. Items keep their own actions, targets and handlers.
void popUpMenuReportingClose(Window& window, const Menu& menu, Point location, std::function<void()> closed);

} // namespace tk
