#include "platform/tk/view/Dragging.h"

#include <algorithm>

namespace tk {

bool DraggingInfo::hasAnyType(const std::vector<std::string>& types) const {
    return std::any_of(items.begin(), items.end(), [&](const DraggingItem& i) {
        return std::find(types.begin(), types.end(), i.type) != types.end();
    });
}

} // namespace tk
