#include "platform/updater/UpdaterSettings.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace updater {

namespace {
constexpr const char* kAutomaticKey = "automaticallyChecksForUpdates";
constexpr const char* kLastCheckKey = "lastUpdateCheckDate";
constexpr const char* kSkippedKey = "skippedVersion";
// Settings files are a few hundred bytes; anything far larger is not ours.
constexpr std::uintmax_t kMaximumFileSize = 64 * 1024;
} // namespace

std::optional<std::filesystem::path> configHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        std::filesystem::path path(xdg);
        if (path.is_absolute())
            return path;
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        std::filesystem::path path(home);
        if (path.is_absolute())
            return path / ".config";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> defaultSettingsFile(std::string_view programName) {
    if (programName.empty() || programName == "." || programName == ".." ||
        programName.find('/') != std::string_view::npos || programName.find('\0') != std::string_view::npos)
        return std::nullopt;
    auto home = configHome();
    if (!home)
        return std::nullopt;
    return *home / std::string(programName) / "updater.json";
}

UpdaterSettings loadSettings(const std::filesystem::path& file) {
    UpdaterSettings settings;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return settings;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaximumFileSize) {
        std::fprintf(stderr, "updater: ignoring the settings file %s (unreadable or too large)\n",
                     file.c_str());
        return settings;
    }
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const auto json = nlohmann::json::parse(text.str(), nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        std::fprintf(stderr, "updater: ignoring the settings file %s (not a JSON object)\n", file.c_str());
        return settings;
    }
    // Each value of the wrong type is left at its default; the others still count.
    if (auto it = json.find(kAutomaticKey); it != json.end() && it->is_boolean())
        settings.automaticallyChecksForUpdates = it->get<bool>();
    if (auto it = json.find(kLastCheckKey); it != json.end() && it->is_number()) {
        const double date = it->get<double>();
        if (std::isfinite(date))
            settings.lastUpdateCheckDate = date;
    }
    if (auto it = json.find(kSkippedKey); it != json.end() && it->is_string())
        settings.skippedVersion = it->get<std::string>();
    return settings;
}

bool saveSettings(const UpdaterSettings& settings, const std::filesystem::path& file) {
    nlohmann::json json = nlohmann::json::object();
    json[kAutomaticKey] = settings.automaticallyChecksForUpdates;
    if (settings.lastUpdateCheckDate)
        json[kLastCheckKey] = *settings.lastUpdateCheckDate;
    if (settings.skippedVersion)
        json[kSkippedKey] = *settings.skippedVersion;

    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    const auto temporary =
        file.parent_path() / (file.filename().string() + ".tmp" + std::to_string(::getpid()));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << json.dump(2) << '\n';
        out.flush();
        if (!out) {
            std::fprintf(stderr, "updater: cannot write the settings file %s\n", file.c_str());
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::fprintf(stderr, "updater: cannot write the settings file %s: %s\n", file.c_str(),
                     ec.message().c_str());
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace updater
