// A single PNG showing every picture of some bundles with its name, for a person to look at.
#pragma once

#include <filesystem>
#include <vector>

namespace artgen {

// Film strips are shown every fifth frame. `scale` picks the 1x (1) or 2x (2) pictures.
void writeContactSheet(const std::filesystem::path& out, int scale,
                       const std::vector<std::filesystem::path>& bundles);

} // namespace artgen
