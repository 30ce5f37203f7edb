#pragma once

#include "platform/tk/base/InfoValue.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A bundle: a directory with an optional information dictionary (Info.json, a JSON object) and
// resources. Program bundles and resource bundles have the same shape; resources lie directly in the
// bundle directory, so resourcePath() is the bundle's own path.
//
// The main bundle is the running program's: by default the nearest enclosing "*.bundle" directory
// of the executable (/proc/self/exe), else the executable's folder. Code that is loaded into
// someone else's process (the extension) names its own bundle at start-up with setMain().
//
// find() looks a named bundle up as a module's resources are looked up: next to the main bundle's
// resources, then next to the shared object that holds the calling code, then in the main bundle's
// own folder; the first candidate that opens as a bundle wins.

namespace tk {

class Bundle {
public:
    // [any] The directory as a bundle, or nothing when it is not a directory. A missing Info.json
    // gives an empty dictionary; one that is not a JSON object is reported once on standard error
    // and also gives an empty dictionary (the bundle's resources stay usable).
    static std::optional<Bundle> open(const std::filesystem::path& directory);

    // [any] The main bundle (see above), made on first use. A copy, so that setMain() cannot pull it
    // from under a reader.
    static Bundle main();
    // [main, at start-up] Makes the bundle at `directory` the main bundle. Returns false (and keeps
    // the main bundle) when it does not open.
    static bool setMain(const std::filesystem::path& directory);

    // [any] The bundle of the code at `address` (a function or object of that code): the folder of
    // the shared object (or executable) that contains it, found with dladdr.
    static std::optional<Bundle> forCodeAt(const void* address);
    // [any] The bundle named `name` (with its ".bundle" suffix), looked up by the rule above for the
    // code at `codeAddress`.
    static std::optional<Bundle> find(std::string_view name, const void* codeAddress);

    const std::filesystem::path& bundlePath() const { return path_; }
    const std::filesystem::path& resourcePath() const { return path_; }
    const InfoDictionary& infoDictionary() const { return info_; }
    // The dictionary's value for `key`, or nothing.
    const InfoValue* object(std::string_view forInfoDictionaryKey) const;
    // The dictionary's value for `key` when it is a string, else nothing.
    std::optional<std::string> string(std::string_view forInfoDictionaryKey) const;

    // The path of resource `name` with extension `ext` (without the dot; empty for none) in the
    // bundle's resources, when such a file exists. `name` may contain subfolders ("Images/logo").
    std::optional<std::filesystem::path> url(std::string_view forResource,
                                             std::string_view withExtension) const;

private:
    Bundle(std::filesystem::path path, InfoDictionary info)
        : path_(std::move(path)), info_(std::move(info)) {}

    std::filesystem::path path_;
    InfoDictionary info_;
};

} // namespace tk
