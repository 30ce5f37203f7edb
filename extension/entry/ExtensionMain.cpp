// The extension's entry point: the one symbol ZindralExtension.so exports (see exports.map).

#include "extension/ZindralFactory.h"
#include "platform/au/ExtensionEntry.h"

extern "C" __attribute__((visibility("default"))) au::Factory* ZindralExtensionMain(uint32_t hostABIVersion) {
    if (hostABIVersion != au::kExtensionABIVersion) {
        return nullptr;
    }
    return new extension::ZindralFactory();
}

// The declaration must match the type hosts look the symbol up as.
static_assert(sizeof(au::ExtensionEntryPoint) == sizeof(&ZindralExtensionMain));
