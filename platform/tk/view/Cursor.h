#pragma once

// Pointer shapes a view can ask for, cursors drawn from pictures, and the stack that temporarily
// overrides them. The backend maps each shape to a system cursor and shows image cursors as
// pictures.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Image.h"

#include <algorithm>
#include <memory>
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

// A cursor drawn from a picture; `hotSpot` is the point of the picture (points, from its top-left
// corner) that stands where the pointer is.
struct ImageCursor {
    Image image;
    Point hotSpot;
};

// Pushed cursors win over the cursors of the views under the pointer until popped; the top one
// shows. A pop on an empty stack does nothing. All members are [main].
class CursorStack {
public:
    void push(Cursor c) { stack_.push_back({c, nullptr}); }
    void push(std::shared_ptr<const ImageCursor> cursor) {
        stack_.push_back({Cursor::arrow, std::move(cursor)});
    }
    void pop() {
        if (!stack_.empty())
            stack_.pop_back();
    }
    // Takes the topmost push of `cursor` out wherever it stands (so a view removes its own push and
    // no other); false when it is not on the stack.
    bool remove(const ImageCursor* cursor) {
        const auto it = std::find_if(stack_.rbegin(), stack_.rend(),
                                     [&](const Entry& e) { return e.image.get() == cursor; });
        if (it == stack_.rend())
            return false;
        stack_.erase(std::next(it).base());
        return true;
    }
    bool empty() const { return stack_.empty(); }
    // The top shape (arrow for an image cursor or an empty stack).
    Cursor top() const { return stack_.empty() ? Cursor::arrow : stack_.back().shape; }
    // The top image cursor, when the top entry is one.
    std::shared_ptr<const ImageCursor> topImage() const {
        return stack_.empty() ? nullptr : stack_.back().image;
    }
    void clear() { stack_.clear(); }

private:
    struct Entry {
        Cursor shape;
        std::shared_ptr<const ImageCursor> image;
    };
    std::vector<Entry> stack_;
};

} // namespace tk
