#pragma once

// Reading what a drag carries, for drop targets: the dragged items of the types a view takes, and
// their objects of one C++ type.
//
//     for (const std::string& path : draggedObjects<std::string>(info, tk::kFileURLDragType))
//         open(path);

#include "platform/tk/view/Dragging.h"

#include <string>
#include <vector>

namespace Tessaly {

// The dragged items whose type is one of `types`, in the order the drag holds them.
std::vector<tk::DraggingItem> draggingItems(const tk::DraggingInfo& info,
                                            const std::vector<std::string>& types);

// The objects of the dragged items of `type` that are Ts, in order; items of that type holding
// something else are left out.
template <class T> std::vector<T> draggedObjects(const tk::DraggingInfo& info, const std::string& type) {
    std::vector<T> objects;
    for (const tk::DraggingItem& item : draggingItems(info, {type}))
        if (const T* object = std::any_cast<T>(&item.item))
            objects.push_back(*object);
    return objects;
}

} // namespace Tessaly
