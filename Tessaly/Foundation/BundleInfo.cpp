#include "Tessaly/Foundation/BundleInfo.h"

namespace Tessaly {

std::optional<std::string> teamIdentifierPrefix(const tk::Bundle& bundle) {
    return bundle.string(kTeamIdentifierPrefixKey);
}

std::optional<std::string> displayName(const tk::Bundle& bundle) {
    return bundle.string(kDisplayNameKey);
}

std::optional<std::string> bundleName(const tk::Bundle& bundle) {
    return bundle.string(kBundleNameKey);
}

std::optional<std::string> shortVersion(const tk::Bundle& bundle) {
    return bundle.string(kShortVersionKey);
}

std::optional<std::string> version(const tk::Bundle& bundle) {
    return bundle.string(kVersionKey);
}

} // namespace Tessaly
