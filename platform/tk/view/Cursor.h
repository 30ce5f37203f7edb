#pragma once

// Pointer shapes a view can ask for, and the stack that temporarily overrides them. The backend
// maps each to a system cursor.

#include <vector>

namespace tk {

enum class Cursor {
    arrow,
    iBeam,
    pointingHand,
    openHand,
    closedHand,
    crosshair,
    resizeLeftRight,
    resizeUpDown,
    operationNotAllowed,
    dragCopy,
};

// Pushed cursors win over the cursors of the views under the pointer until popped; the top one
// shows. A pop on an empty stack does nothing.
class CursorStack {
public:
    // [main]
    void push(Cursor c) { stack_.push_back(c); }
    void pop() {
        if (!stack_.empty())
            stack_.pop_back();
    }
    bool empty() const { return stack_.empty(); }
    Cursor top() const { return stack_.empty() ? Cursor::arrow : stack_.back(); }
    void clear() { stack_.clear(); }

private:
    std::vector<Cursor> stack_;
};

} // namespace tk
