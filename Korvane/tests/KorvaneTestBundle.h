#pragma once

// Tests run from <build>/bin; the resource bundles are drawn into <build>/bundles. Making that
// folder the main bundle lets the Korvane bundle lookup find Korvane_Korvane.bundle next to the
// main bundle's resources, as a program bundle would carry it.

#include "platform/tk/base/Bundle.h"

#include <filesystem>

namespace Korvane::testing {

inline std::filesystem::path buildFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}

inline void useBuiltBundles() {
    tk::Bundle::setMain(buildFolder() / "bundles");
}

} // namespace Korvane::testing
