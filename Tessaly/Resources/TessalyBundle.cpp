#include "Tessaly/Resources/TessalyBundle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace Tessaly {

namespace {
// Its address names the shared object (or program) that holds this library.
const char kCodeAnchor = 0;
} // namespace

const tk::Bundle& tessalyBundle() {
    static const tk::Bundle bundle = [] {
        auto found = tk::Bundle::find(std::string(kTessalyBundleName) + ".bundle", &kCodeAnchor);
        if (!found) {
            std::fprintf(stderr, "Fatal error: unable to find bundle named %s\n",
                         std::string(kTessalyBundleName).c_str());
            std::abort();
        }
        return std::move(*found);
    }();
    return bundle;
}

const tk::ResourceBundle& tessalyResources() {
    static const std::shared_ptr<tk::ResourceBundle> resources = [] {
        auto shared = tk::ResourceBundle::shared(tessalyBundle().resourcePath());
        shared->loadFonts();
        return shared;
    }();
    return *resources;
}

} // namespace Tessaly
