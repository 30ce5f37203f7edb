#pragma once

// Window frames kept between runs under a name, in a small text file in the XDG config folder:
//
//     $XDG_CONFIG_HOME/<program>/window-frames   (~/.config/<program>/window-frames when unset)
//     120 80 400 300 Preferences
//
// one line per name: x, y, width and height in screen points, then the name. <program> is the
// running executable's name. A missing or unreadable file holds no frames; lines that do not read
// are skipped. Saving rewrites the file through a temporary file and a rename.

#include "platform/tk/base/Geometry.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace tk {

// [any] The file, or none when there is no config folder.
std::optional<std::filesystem::path> frameAutosaveFile();
// [main] The frame saved under `name`; none for an empty name or one never saved.
std::optional<Rect> savedFrame(std::string_view name);
// [main] Saves `frame` under `name` (nothing for an empty name or one with a line break). False
// when the file could not be written.
bool saveFrame(std::string_view name, const Rect& frame);

} // namespace tk
