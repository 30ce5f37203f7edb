#include "platform/tk/view/FrameAutosave.h"

#include "platform/tk/base/MainThread.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <system_error>

namespace tk {

namespace {

std::optional<std::filesystem::path> configHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME");
        xdg && *xdg && std::filesystem::path(xdg).is_absolute())
        return std::filesystem::path(xdg);
    if (const char* home = std::getenv("HOME"); home && *home && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / ".config";
    return std::nullopt;
}

std::string programName() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string name = ec ? std::string() : exe.filename().string();
    return name.empty() ? std::string("tk") : name;
}

bool usableName(std::string_view name) {
    return !name.empty() && name.find('\n') == std::string_view::npos &&
           name.find('\r') == std::string_view::npos;
}

using Frames = std::map<std::string, Rect, std::less<>>;

Frames readFrames(const std::filesystem::path& file) {
    Frames frames;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        double x, y, w, h;
        if (!(fields >> x >> y >> w >> h) || fields.get() != ' ')
            continue;
        std::string name;
        std::getline(fields, name);
        if (usableName(name) && w >= 0 && h >= 0)
            frames[name] = Rect{x, y, w, h};
    }
    return frames;
}

} // namespace

std::optional<std::filesystem::path> frameAutosaveFile() {
    auto home = configHome();
    if (!home)
        return std::nullopt;
    return *home / programName() / "window-frames";
}

std::optional<Rect> savedFrame(std::string_view name) {
    TK_CHECK_MAIN_THREAD();
    auto file = frameAutosaveFile();
    if (!file || !usableName(name))
        return std::nullopt;
    const Frames frames = readFrames(*file);
    auto it = frames.find(name);
    return it == frames.end() ? std::nullopt : std::optional<Rect>(it->second);
}

bool saveFrame(std::string_view name, const Rect& frame) {
    TK_CHECK_MAIN_THREAD();
    auto file = frameAutosaveFile();
    if (!file || !usableName(name))
        return false;
    Frames frames = readFrames(*file);
    frames[std::string(name)] = frame;
    std::error_code ec;
    std::filesystem::create_directories(file->parent_path(), ec);
    const auto temporary = std::filesystem::path(file->string() + ".tmp");
    {
        std::ofstream out(temporary, std::ios::trunc);
        out.imbue(std::locale::classic());
        out.precision(17);
        for (const auto& [n, r] : frames)
            out << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << ' ' << n << '\n';
        if (!out)
            return false;
    }
    std::filesystem::rename(temporary, *file, ec);
    return !ec;
}

} // namespace tk
