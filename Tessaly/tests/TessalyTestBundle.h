#pragma once

// Tests run from <build>/bin; the resource bundles are drawn into <build>/bundles. Making that
// folder the main bundle lets the lookup find Tessaly_Tessaly.bundle next to the main bundle's
// resources, as a program bundle carries it.

#include "platform/tk/base/Bundle.h"

#include <filesystem>

namespace Tessaly::testing {

inline std::filesystem::path buildFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}

inline void useBuiltBundles() {
    static const bool done = tk::Bundle::setMain(buildFolder() / "bundles");
    (void)done;
}

} // namespace Tessaly::testing
