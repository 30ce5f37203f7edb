#pragma once

#include "platform/au/Factory.h"

#include <cstdint>

// How a host finds an extension's factory.
//
// An extension is a shared library inside its bundle directory (<Name>.bundle/<Name>.so next to its
// Info.json). It exports exactly one C function, the entry point, named by kExtensionEntryPointName:
//
//     extern "C" au::Factory* ZindralExtensionMain(uint32_t hostABIVersion);
//
// The host passes kExtensionABIVersion as it was compiled. When the extension was built against
// another version it returns null (the C++ types below would not match); otherwise it returns a new
// Factory that the host owns and deletes. The host releases every unit and the factory before it
// unloads the library. Called on the host's main thread.

namespace au {

inline constexpr uint32_t kExtensionABIVersion = 1;
inline constexpr const char* kExtensionEntryPointName = "ZindralExtensionMain";

using ExtensionEntryPoint = Factory* (*)(uint32_t hostABIVersion);

} // namespace au
