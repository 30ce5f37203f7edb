#pragma once

// Test programs run from <build>/bin; the resource bundles are drawn into <build>/bundles. Making that
// folder the main bundle lets each module's bundle lookup find its bundle next to the main bundle's
// resources, as a program bundle carries them. Shared by the tests of every module with a bundle.

#include "platform/tk/base/Bundle.h"

#include <filesystem>

namespace tk::testing {

inline std::filesystem::path buildFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}

// <build>/pictures/<subfolder>, made when missing: where tests put the pictures a person looks at.
inline std::filesystem::path picturesFolder(const std::filesystem::path& subfolder) {
    const auto folder = buildFolder() / "pictures" / subfolder;
    std::filesystem::create_directories(folder);
    return folder;
}

inline void useBuiltBundles() {
    tk::Bundle::setMain(buildFolder() / "bundles");
}

} // namespace tk::testing
