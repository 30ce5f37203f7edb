#include "platform/host/ExtensionLoader.h"

#include "platform/host/FileReading.h"

#include "platform/au/ExtensionEntry.h"

#include <dlfcn.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

namespace host {

namespace {

uint32_t codeOf(const nlohmann::json& entry, const char* key) {
    auto found = entry.find(key);
    if (found == entry.end() || !found->is_string()) {
        return 0;
    }
    return au::fourCharCode(found->get<std::string>());
}

} // namespace

LoadedExtension::LoadResult LoadedExtension::load(const std::string& bundleDirectory) {
    namespace fs = std::filesystem;
    fs::path bundle(bundleDirectory);
    std::string name =
        bundle.filename().empty() ? bundle.parent_path().stem().string() : bundle.stem().string();
    fs::path libraryPath = bundle / (name + ".so");

    std::unique_ptr<LoadedExtension> loaded(new LoadedExtension());
    loaded->description_.componentType = au::kComponentTypeMIDIProcessor;
    const fs::path infoPath = bundle / "Info.json";
    std::error_code missing;
    if (fs::exists(infoPath, missing)) {
        auto read = readSmallFile(infoPath.string());
        if (const auto* problem = std::get_if<FileProblem>(&read)) {
            return {nullptr, "cannot read " + infoPath.string() + ": " + problem->reason};
        }
        nlohmann::json info = nlohmann::json::parse(std::get<std::string>(read), nullptr, false);
        if (info.is_object()) {
            auto version = info.find("CFBundleShortVersionString");
            if (version != info.end() && version->is_string()) {
                loaded->version_ = version->get<std::string>();
            }
            auto components = info.find("AudioComponents");
            if (components != info.end() && components->is_array() && !components->empty() &&
                components->front().is_object()) {
                const auto& entry = components->front();
                loaded->description_.componentType = codeOf(entry, "type");
                loaded->description_.componentSubType = codeOf(entry, "subtype");
                loaded->description_.componentManufacturer = codeOf(entry, "manufacturer");
            }
        }
    }

    // RTLD_NODELETE: the extension carries its own toolkit, whose run loop and caches live until the
    // process ends; unmapping them at dlclose would leave them dangling.
    loaded->library_ = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!loaded->library_) {
        const char* why = dlerror();
        return {nullptr, "cannot load " + libraryPath.string() + ": " + (why ? why : "unknown error")};
    }
    auto entryPoint =
        reinterpret_cast<au::ExtensionEntryPoint>(dlsym(loaded->library_, au::kExtensionEntryPointName));
    if (!entryPoint) {
        return {nullptr, libraryPath.string() + " has no entry point " + au::kExtensionEntryPointName};
    }
    loaded->factory_.reset(entryPoint(au::kExtensionABIVersion));
    if (!loaded->factory_) {
        return {nullptr, libraryPath.string() + " was built for another host interface version"};
    }
    return {std::move(loaded), {}};
}

LoadedExtension::LoadedExtension(LoadedExtension&& other) noexcept
    : library_(other.library_), factory_(std::move(other.factory_)), description_(other.description_),
      version_(std::move(other.version_)) {
    other.library_ = nullptr;
}

LoadedExtension::~LoadedExtension() {
    factory_.reset();
    if (library_) {
        dlclose(library_);
    }
}

std::string defaultBundleDirectory() {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "ZindralExtension.bundle";
    }
    return (executable.parent_path().parent_path() / "ZindralExtension.bundle").string();
}

} // namespace host
