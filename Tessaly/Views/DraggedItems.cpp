#include "Tessaly/Views/DraggedItems.h"

#include <algorithm>

namespace Tessaly {

std::vector<tk::DraggingItem> draggingItems(const tk::DraggingInfo& info,
                                            const std::vector<std::string>& types) {
    std::vector<tk::DraggingItem> items;
    std::ranges::copy_if(info.items, std::back_inserter(items), [&](const tk::DraggingItem& item) {
        return std::ranges::find(types, item.type) != types.end();
    });
    return items;
}

} // namespace Tessaly
