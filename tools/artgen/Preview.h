// A mock-up of the plug-in window assembled from the drawn bundles, laid out as the window lays
// its controls out, so the pictures can be judged together. Not part of any bundle.
#pragma once

#include <filesystem>

namespace artgen {

// `crop` (x, y, width, height in points; all zero for the whole window) limits the picture.
struct PreviewCrop {
    double x = 0, y = 0, width = 0, height = 0;
};
void writePluginPreview(const std::filesystem::path& out, int scale, const std::filesystem::path& bundlesDir,
                        PreviewCrop crop = {});

// The application window (400 x 572) with the Tessaly and application pictures.
void writeApplicationPreview(const std::filesystem::path& out, int scale,
                             const std::filesystem::path& bundlesDir);

} // namespace artgen
