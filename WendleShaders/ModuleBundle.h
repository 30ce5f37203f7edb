#pragma once

// The module's resource bundle, "WendleShaders_WendleShaders.bundle" (its shader library under
// Shaders/ and its textures under Images/): looked up once, on first use, next to the main
// bundle's resources, then next to the shared object holding this code, then in the main bundle's
// own folder. Without it nothing of the module can draw, so a missing bundle stops the program with
// "unable to find bundle named WendleShaders_WendleShaders".

#include "platform/tk/base/Bundle.h"

#include <string_view>

namespace WendleShaders {

inline constexpr std::string_view kModuleBundleName = "WendleShaders_WendleShaders";

// [any] The bundle (found once, thread-safely); stops the program when there is none.
const tk::Bundle& moduleBundle();

} // namespace WendleShaders
