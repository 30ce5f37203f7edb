// The extension's entry point: the one symbol ZindralExtension.so exports (see exports.map). The
// factory it returns is the view controller, which creates the audio unit and supplies its interface.

#include "extension/Interface/AudioUnitViewController.h"
#include "platform/au/ExtensionEntry.h"
#include "platform/tk/base/Bundle.h"

namespace {
// Its address names the shared object that holds the extension.
const char kCodeAnchor = 0;
} // namespace

extern "C" __attribute__((visibility("default"))) au::Factory* ZindralExtensionMain(uint32_t hostABIVersion) {
    if (hostABIVersion != au::kExtensionABIVersion) {
        return nullptr;
    }
    // The extension's main bundle is its own bundle directory, not the host program's.
    if (auto own = tk::Bundle::forCodeAt(&kCodeAnchor)) {
        tk::Bundle::setMain(own->bundlePath());
    }
    return new extension::AudioUnitViewController();
}

// The declaration must match the type hosts look the symbol up as.
static_assert(sizeof(au::ExtensionEntryPoint) == sizeof(&ZindralExtensionMain));
