#pragma once

// What a view offers when it starts dragging something out of the window: a file on disk.

#include <string>

namespace tk {

struct DragItem {
    std::string filePath;      // absolute path of the file offered
    std::string suggestedName; // name a drop target should give it (empty: the file's own name)

    friend bool operator==(const DragItem&, const DragItem&) = default;
};

} // namespace tk
