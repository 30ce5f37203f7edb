#include "platform/tk/view/DocumentController.h"

#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace tk {

namespace {

std::string programName() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string name = ec ? std::string() : exe.filename().string();
    return name.empty() ? std::string("tk") : name;
}

} // namespace

DocumentController& DocumentController::shared() {
    static DocumentController controller;
    return controller;
}

std::optional<std::filesystem::path> DocumentController::recentDocumentsFile() {
    std::filesystem::path home;
    if (const char* xdg = std::getenv("XDG_DATA_HOME");
        xdg && *xdg && std::filesystem::path(xdg).is_absolute())
        home = xdg;
    else if (const char* h = std::getenv("HOME"); h && *h && std::filesystem::path(h).is_absolute())
        home = std::filesystem::path(h) / ".local" / "share";
    else
        return std::nullopt;
    return home / programName() / "recent-documents";
}

std::vector<std::filesystem::path> DocumentController::recentDocumentURLs() const {
    TK_CHECK_MAIN_THREAD();
    std::vector<std::filesystem::path> paths;
    auto file = recentDocumentsFile();
    if (!file)
        return paths;
    std::ifstream in(*file);
    std::string line;
    while (std::getline(in, line) && paths.size() < kMaximumRecentDocuments) {
        std::filesystem::path p(line);
        if (p.is_absolute() && std::find(paths.begin(), paths.end(), p) == paths.end())
            paths.push_back(std::move(p));
    }
    return paths;
}

void DocumentController::write(const std::vector<std::filesystem::path>& paths) const {
    auto file = recentDocumentsFile();
    if (!file)
        return;
    std::error_code ec;
    std::filesystem::create_directories(file->parent_path(), ec);
    const auto temporary = std::filesystem::path(file->string() + ".tmp");
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& p : paths)
            out << p.string() << '\n';
        if (!out)
            return;
    }
    std::filesystem::rename(temporary, *file, ec);
}

void DocumentController::noteNewRecentDocumentURL(const std::filesystem::path& path) {
    TK_CHECK_MAIN_THREAD();
    const std::filesystem::path absolute = std::filesystem::absolute(path).lexically_normal();
    // A line break in a name would split it into two entries.
    if (absolute.string().find('\n') != std::string::npos)
        return;
    std::vector<std::filesystem::path> paths = recentDocumentURLs();
    std::erase(paths, absolute);
    paths.insert(paths.begin(), absolute);
    if (paths.size() > kMaximumRecentDocuments)
        paths.resize(kMaximumRecentDocuments);
    write(paths);
}

void DocumentController::clearRecentDocuments() {
    TK_CHECK_MAIN_THREAD();
    write({});
}

void DocumentController::openDocument(const std::filesystem::path& path, bool display,
                                      std::function<void(bool)> completion) {
    TK_CHECK_MAIN_THREAD();
    if (!opener_) {
        if (completion)
            completion(false);
        return;
    }
    opener_(path, display, [this, path, completion = std::move(completion)](bool opened) {
        if (opened)
            noteNewRecentDocumentURL(path);
        if (completion)
            completion(opened);
    });
}

} // namespace tk
