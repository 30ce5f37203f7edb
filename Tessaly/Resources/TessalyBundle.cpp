#include "Tessaly/Resources/TessalyBundle.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace Tessaly {

namespace {
// Its address names the shared object (or program) that holds this library.
const char kCodeAnchor = 0;

std::string bundleDirectoryName() {
    return std::string(kTessalyBundleName) + ".bundle";
}
} // namespace

std::vector<std::filesystem::path> tessalyBundleCandidates(const void* codeAddress) {
    std::vector<std::filesystem::path> candidates;
    const tk::Bundle mainBundle = tk::Bundle::main();
    auto add = [&](const std::filesystem::path& dir) {
        std::error_code ec;
        if (!dir.empty() && std::filesystem::is_directory(dir, ec))
            candidates.push_back(dir);
    };
    add(mainBundle.resourcePath());
    if (auto code = tk::Bundle::forCodeAt(codeAddress))
        add(code->resourcePath());
    add(mainBundle.bundlePath());
    return candidates;
}

std::optional<tk::Bundle> findTessalyBundle() {
    for (const auto& dir : tessalyBundleCandidates(&kCodeAnchor))
        if (auto bundle = tk::Bundle::open(dir / bundleDirectoryName()))
            return bundle;
    return std::nullopt;
}

const tk::Bundle& tessalyBundle() {
    static const tk::Bundle bundle = [] {
        auto found = findTessalyBundle();
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
