#include "platform/updater/UpdaterSettings.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace updater {

namespace {
constexpr const char* kAutomaticKey = "automaticallyChecksForUpdates";
constexpr const char* kFirstLaunchKey = "firstLaunchDate";
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

namespace {

// The settings of a JSON object; each value of the wrong type is left at its default.
UpdaterSettings settingsOf(const nlohmann::json& json) {
    UpdaterSettings settings;
    const auto date = [&](const char* key) -> std::optional<double> {
        if (auto it = json.find(key); it != json.end() && it->is_number()) {
            const double value = it->get<double>();
            if (std::isfinite(value))
                return value;
        }
        return std::nullopt;
    };
    if (auto it = json.find(kAutomaticKey); it != json.end() && it->is_boolean())
        settings.automaticallyChecksForUpdates = it->get<bool>();
    settings.firstLaunchDate = date(kFirstLaunchKey);
    settings.lastUpdateCheckDate = date(kLastCheckKey);
    if (auto it = json.find(kSkippedKey); it != json.end() && it->is_string())
        settings.skippedVersion = it->get<std::string>();
    return settings;
}

// What can still be read from a damaged file: each setting whose key and value stand whole in the
// text, as `"key": value` (a file cut short keeps what was written before the cut).
UpdaterSettings salvagedSettings(std::string_view text) {
    nlohmann::json found = nlohmann::json::object();
    for (const char* key : {kAutomaticKey, kFirstLaunchKey, kLastCheckKey, kSkippedKey}) {
        const std::string quoted = std::string("\"") + key + "\"";
        const std::size_t at = text.find(quoted);
        if (at == std::string_view::npos)
            continue;
        std::size_t p = text.find_first_not_of(" \t\r\n", at + quoted.size());
        if (p == std::string_view::npos || text[p] != ':')
            continue;
        p = text.find_first_not_of(" \t\r\n", p + 1);
        if (p == std::string_view::npos)
            continue;
        // One JSON value: a string up to its closing quote, anything else up to a delimiter.
        std::size_t end = p;
        if (text[p] == '"') {
            end = p + 1;
            while (end < text.size() && text[end] != '"')
                end += text[end] == '\\' ? 2 : 1;
            if (end >= text.size())
                continue;
            ++end;
        } else {
            end = text.find_first_of(",}\r\n", p);
            if (end == std::string_view::npos) {
                // A value that runs to the end may be cut inside it (17 of 1765350000), unless it is
                // a literal: a cut prefix of one ("fals", "f") can only be that literal.
                const std::string_view rest = text.substr(p);
                const std::string_view word = rest.substr(0, rest.find_last_not_of(" \t") + 1);
                const auto literal = [&](std::string_view whole) { return whole.starts_with(word); };
                if (literal("true"))
                    found[key] = true;
                else if (literal("false"))
                    found[key] = false;
                continue;
            }
        }
        const auto value = nlohmann::json::parse(text.substr(p, end - p), nullptr, false);
        if (!value.is_discarded())
            found[key] = value;
    }
    return settingsOf(found);
}

} // namespace

UpdaterSettings loadSettings(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return UpdaterSettings{};
    std::string text;
    bool readable = false;
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec && size <= kMaximumFileSize) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        readable = in.good() || in.eof();
        text = buffer.str();
    }
    if (readable) {
        const auto json = nlohmann::json::parse(text, nullptr, false);
        if (!json.is_discarded() && json.is_object())
            return settingsOf(json);
    }
    // Damaged: keep it aside, so that the next save does not write over what the user chose.
    const UpdaterSettings salvaged = readable ? salvagedSettings(text) : UpdaterSettings{};
    auto aside = file;
    aside += ".bad";
    std::filesystem::rename(file, aside, ec);
    if (ec)
        std::fprintf(stderr, "updater: the settings file %s is damaged and could not be moved aside (%s)\n",
                     file.c_str(), ec.message().c_str());
    else
        std::fprintf(stderr,
                     "updater: the settings file %s was damaged; it is kept as %s, and what could "
                     "still be read from it is used\n",
                     file.c_str(), aside.c_str());
    return salvaged;
}

bool saveSettings(const UpdaterSettings& settings, const std::filesystem::path& file) {
    nlohmann::json json = nlohmann::json::object();
    json[kAutomaticKey] = settings.automaticallyChecksForUpdates;
    if (settings.firstLaunchDate)
        json[kFirstLaunchKey] = *settings.firstLaunchDate;
    if (settings.lastUpdateCheckDate)
        json[kLastCheckKey] = *settings.lastUpdateCheckDate;
    if (settings.skippedVersion)
        json[kSkippedKey] = *settings.skippedVersion;

    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    // A temporary file of our own: mkstemp creates it exclusively, so a link planted under a
    // predictable name cannot make this write somewhere else.
    std::string pattern = (file.parent_path() / (file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        std::fprintf(stderr, "updater: cannot write the settings file %s: %s\n", file.c_str(),
                     std::strerror(errno));
        return false;
    }
    const std::filesystem::path temporary = pattern;
    const std::string text = json.dump(2) + '\n';
    bool written = true;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += written ? static_cast<std::size_t>(n) : 0;
    }
    // mkstemp makes the file readable by its owner only, which suits a settings file.
    written = ::close(fd) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "updater: cannot write the settings file %s\n", file.c_str());
        std::filesystem::remove(temporary, ec);
        return false;
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
