#pragma once

// One view's own push onto its window's cursor stack (a hovered view showing its cursor).
//
// push() puts the cursor on the window's stack once; pushing again while it is there does nothing.
// pop() takes that push off the window it went on - and no other entry, wherever it stands in the
// stack - also after the view has left that window. Destroying the object pops. All members are
// [main].

#include "platform/tk/view/Cursor.h"

#include <memory>

namespace tk {

class Window;

class CursorPush {
public:
    CursorPush() = default;
    ~CursorPush() { pop(); }
    CursorPush(const CursorPush&) = delete;
    CursorPush& operator=(const CursorPush&) = delete;

    void push(Window& window, std::shared_ptr<const ImageCursor> cursor);
    void pop();
    bool isPushed() const { return cursor_ != nullptr; }

private:
    std::weak_ptr<Window> window_;
    std::shared_ptr<const ImageCursor> cursor_;
};

} // namespace tk
