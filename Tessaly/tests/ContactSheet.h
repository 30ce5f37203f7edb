#pragma once

// One sheet of many control pictures, so a person can look them all over at once.

#include "platform/tk/graphics/Image.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tk {
class HeadlessWindow;
}

namespace Tessaly::testing {

struct SheetPicture {
    std::string label;
    tk::Image picture; // at 2x
};

// Writes the pictures in a grid of `columns`, each centred in its cell above its label, on the
// controls' darkest background. Rows and columns fit their largest picture, so one tall or wide
// picture (a popover, a form) does not stretch every cell.
void writeContactSheet(const std::filesystem::path& file, const std::vector<SheetPicture>& pictures,
                       int columns);

// What the window shows now, as a screenshot would: a fresh render with the picture cursor it
// shows (when one is pushed) drawn at the pointer.
tk::Image screenshot(tk::HeadlessWindow& window);

} // namespace Tessaly::testing
