#pragma once

#include "platform/au/ComponentDescription.h"
#include "platform/au/Factory.h"

#include <memory>
#include <string>

namespace host {

// An extension bundle loaded through its entry point (platform/au/ExtensionEntry.h). Owns the
// library and the factory; destroying it deletes the factory and then closes the library (which stays
// mapped: its toolkit's process-lifetime objects must outlive it), so every
// unit made by the factory must be gone first. [main]
class LoadedExtension {
public:
    struct LoadResult;
    // Loads <bundle>/<bundle name without .bundle>.so and asks it for its factory. The component
    // description comes from the first entry of "AudioComponents" in the bundle's Info.json (type,
    // subtype and manufacturer as four-character codes); without one, the MIDI-processor type alone.
    static LoadResult load(const std::string& bundleDirectory);

    LoadedExtension(LoadedExtension&& other) noexcept;
    LoadedExtension& operator=(LoadedExtension&&) = delete;
    ~LoadedExtension();

    au::Factory& factory() { return *factory_; }
    const au::ComponentDescription& componentDescription() const { return description_; }
    // "CFBundleShortVersionString" of the bundle's Info.json, or "Unknown".
    const std::string& version() const { return version_; }

private:
    LoadedExtension() = default;
    void* library_ = nullptr;
    std::unique_ptr<au::Factory> factory_;
    au::ComponentDescription description_;
    std::string version_ = "Unknown";
};

struct LoadedExtension::LoadResult {
    std::unique_ptr<LoadedExtension> extension;
    std::string error; // set when extension is null
};

// [main] The default bundle: <directory of the running executable>/../ZindralExtension.bundle.
std::string defaultBundleDirectory();

} // namespace host
