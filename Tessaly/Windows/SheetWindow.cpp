#include "Tessaly/Windows/SheetWindow.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Application.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

std::shared_ptr<tk::Window> SheetWindow::make(tk::Size size) {
    TK_CHECK_MAIN_THREAD();
    tk::Window::Options options;
    options.contentSize = size;
    options.resizable = true;
    auto sheet = tk::Window::make(options);
    // A sheet asks about one document; it must not hold up the program's end.
    sheet->setPreventsApplicationTerminationWhenModal(false);
    sheet->setAppearance(tk::Application::shared().effectiveAppearance());
    return sheet;
}

void dismissSheet(tk::Window& sheet) {
    TK_CHECK_MAIN_THREAD();
    if (tk::Window* parent = sheet.sheetParent())
        parent->endSheet(sheet);
}

} // namespace Tessaly
