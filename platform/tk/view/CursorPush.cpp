#include "platform/tk/view/CursorPush.h"

#include "platform/tk/view/Window.h"

namespace tk {

void CursorPush::push(Window& window, std::shared_ptr<const ImageCursor> cursor) {
    if (cursor_ || !cursor)
        return;
    cursor_ = std::move(cursor);
    window_ = window.sharedWindow();
    window.cursorStack().push(cursor_);
    window.updateCursor();
}

void CursorPush::pop() {
    if (!cursor_)
        return;
    if (auto window = window_.lock()) {
        window->cursorStack().remove(cursor_.get());
        window->updateCursor();
    }
    cursor_.reset();
    window_.reset();
}

} // namespace tk
