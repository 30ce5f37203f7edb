#pragma once

// The library's resource bundle, "Tessaly_Tessaly.bundle": looked up once, on first use, as
// tk::Bundle::find looks a module's bundle up (next to the main bundle's resources, then next to the
// shared object or program holding this code, then in the main bundle's own folder). A missing bundle is an
// installation fault the library does not recover from: tessalyBundle() stops the program with "unable to
// find bundle named Tessaly_Tessaly".

#include "platform/tk/base/Bundle.h"
#include "platform/tk/graphics/ResourceBundle.h"

#include <string_view>

namespace Tessaly {

inline constexpr std::string_view kTessalyBundleName = "Tessaly_Tessaly";

// [any] The bundle, found once (thread-safely); stops the program when there is none.
const tk::Bundle& tessalyBundle();
// [any] Its named assets; the first call finds the bundle (or stops) and registers its fonts.
const tk::ResourceBundle& tessalyResources();

} // namespace Tessaly
