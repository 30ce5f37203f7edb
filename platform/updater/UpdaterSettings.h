#pragma once

// The updater's few settings, kept in a small JSON file in the XDG config folder:
//
//     $XDG_CONFIG_HOME/<program>/updater.json   (~/.config/<program>/updater.json when unset)
//     {"automaticallyChecksForUpdates": true, "firstLaunchDate": 1765000000.0,
//      "lastUpdateCheckDate": 1765350000.0, "skippedVersion": "2.0"}
//
// Dates are seconds since the Unix epoch. A missing file gives the defaults. A damaged one (not a
// JSON object, unreadable, far too large) is moved aside to updater.json.bad, so that the next save
// cannot write defaults over a choice the user made; what can still be read from it counts, and the
// user is told once, on standard error. Saving writes a temporary file of its own (created
// exclusively, never through a link planted in its place) and renames it over the old one, so a
// crash mid-write never leaves half a file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace updater {

struct UpdaterSettings {
    bool automaticallyChecksForUpdates = true;
    std::optional<double> firstLaunchDate;     // seconds since the Unix epoch
    std::optional<double> lastUpdateCheckDate; // seconds since the Unix epoch
    std::optional<std::string> skippedVersion;

    friend bool operator==(const UpdaterSettings&, const UpdaterSettings&) = default;
};

// [any] The XDG config folder: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config;
// nothing when neither can be told.
std::optional<std::filesystem::path> configHome();
// [any] <config home>/<programName>/updater.json; nothing without a config home or with a program
// name that is empty or holds a path separator.
std::optional<std::filesystem::path> defaultSettingsFile(std::string_view programName);

// [any] Reads the file (see above); a damaged file is moved aside to <file>.bad.
UpdaterSettings loadSettings(const std::filesystem::path& file);
// [any] Writes the file, creating its folder. False (with a message on standard error) when it
// could not be written.
bool saveSettings(const UpdaterSettings& settings, const std::filesystem::path& file);

} // namespace updater
