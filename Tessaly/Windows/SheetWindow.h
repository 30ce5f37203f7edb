#pragma once

// Windows made to be shown as sheets over another window (tk::Window::beginSheet). Escape in a sheet
// asks its parent to end it; dismissSheet() does the same from code. All functions are [main].

#include "platform/tk/base/Geometry.h"

#include <memory>

namespace tk {
class Window;
}

namespace Tessaly::SheetWindow {

// A sheet window of the given content size, resizable, in the application's appearance at the time it
// is made, and not keeping the program from quitting while it runs modally.
std::shared_ptr<tk::Window> make(tk::Size size);

} // namespace Tessaly::SheetWindow

namespace Tessaly {

// Ends `sheet` through its parent; nothing for a window that is not an attached sheet.
void dismissSheet(tk::Window& sheet);

} // namespace Tessaly
