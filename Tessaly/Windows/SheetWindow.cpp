#include "Tessaly/Windows/SheetWindow.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

std::shared_ptr<tk::Window> SheetWindow::make(tk::Size size) {
    TK_CHECK_MAIN_THREAD();
    tk::Window::Options options;
    options.contentSize = size;
    options.resizable = true;
    return tk::Window::make(options);
}

void dismissSheet(tk::Window& sheet) {
    TK_CHECK_MAIN_THREAD();
    if (tk::Window* parent = sheet.sheetParent())
        parent->endSheet(sheet);
}

} // namespace Tessaly
