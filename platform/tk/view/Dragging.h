#pragma once

// Drags that come into a window from elsewhere (another program, the desktop): what they carry and
// what a drop target answers. A view becomes a drop target by registering the types it takes
// (View::registerForDraggedTypes); the window finds the target under the pointer and asks it (see
// Window, "Drops").

#include "platform/tk/base/Geometry.h"

#include <any>
#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// What a drop does with the dragged things; a mask of them is what the source allows.
enum class DragOperation : std::uint32_t {
    none = 0,
    copy = 1,
    link = 2,
    generic = 4,
    privateOperation = 8,
    move = 16,
    deleteOperation = 32,
    every = 0xFFFFFFFFu,
};
constexpr DragOperation operator&(DragOperation a, DragOperation b) {
    return static_cast<DragOperation>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr DragOperation operator|(DragOperation a, DragOperation b) {
    return static_cast<DragOperation>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

// Type names of the dragged things the backends deliver.
inline constexpr const char* kFileURLDragType = "public.file-url";     // a std::string absolute path
inline constexpr const char* kTextDragType = "public.utf8-plain-text"; // a std::string

// One dragged thing: its type name and the object itself.
struct DraggingItem {
    std::string type;
    std::any item;
};

struct DraggingInfo {
    std::vector<DraggingItem> items;
    // Where the pointer is, window coordinates.
    Point locationInWindow;
    // What the source allows.
    DragOperation sourceOperationMask = DragOperation::every;

    // Whether an item has one of `types`.
    bool hasAnyType(const std::vector<std::string>& types) const;
    // The items' objects that are of type T, in order.
    template <class T> std::vector<T> objects() const {
        std::vector<T> out;
        for (const DraggingItem& i : items)
            if (const T* value = std::any_cast<T>(&i.item))
                out.push_back(*value);
        return out;
    }
};

} // namespace tk
