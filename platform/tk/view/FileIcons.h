#pragma once

// Icons for files as the desktop shows them next to their names: a folder for a directory, a page
// for anything else. Each icon carries pictures of 16, 32 and 128 points, at 1x and 2x; its size
// is 32 points. [main]

#include "platform/tk/graphics/Image.h"

#include <filesystem>

namespace tk {

Image iconForFile(const std::filesystem::path& path);

} // namespace tk
