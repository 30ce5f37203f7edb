// A mock-up of the plug-in window assembled from the drawn bundles, laid out as the window lays
// its controls out, so the pictures can be judged together. Not part of any bundle.
#pragma once

#include <filesystem>

namespace artgen {

void writePluginPreview(const std::filesystem::path& out, int scale, const std::filesystem::path& bundlesDir);

} // namespace artgen
