#include "Korvane/Resources/KorvaneBundle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace Korvane {

namespace {
// Its address names the shared object (or program) that holds this library.
const char kCodeAnchor = 0;
} // namespace

std::optional<tk::Bundle> findKorvaneBundle() {
    return tk::Bundle::find(std::string(kKorvaneBundleName) + ".bundle", &kCodeAnchor);
}

const tk::Bundle& korvaneBundle() {
    static const tk::Bundle bundle = [] {
        auto found = findKorvaneBundle();
        if (!found) {
            std::fprintf(stderr, "Fatal error: unable to find bundle named %s\n",
                         std::string(kKorvaneBundleName).c_str());
            std::abort();
        }
        return std::move(*found);
    }();
    return bundle;
}

} // namespace Korvane
