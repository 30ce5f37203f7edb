#include "WendleShaders/ModuleBundle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace WendleShaders {

namespace {
// Its address names the shared object (or program) that holds this module.
const char kCodeAnchor = 0;
} // namespace

const tk::Bundle& moduleBundle() {
    static const tk::Bundle bundle = [] {
        auto found = tk::Bundle::find(std::string(kModuleBundleName) + ".bundle", &kCodeAnchor);
        if (!found) {
            std::fprintf(stderr, "Fatal error: unable to find bundle named %s\n",
                         std::string(kModuleBundleName).c_str());
            std::abort();
        }
        return std::move(*found);
    }();
    return bundle;
}

} // namespace WendleShaders
