#pragma once

// A temporary folder made the XDG config and data homes while a test runs; removed afterwards, and
// the environment put back.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace tk::testing {

class XdgFolders {
public:
    XdgFolders() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tk-xdg-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        swap("XDG_CONFIG_HOME", root_ / "config", savedConfig_);
        swap("XDG_DATA_HOME", root_ / "data", savedData_);
    }
    ~XdgFolders() {
        restore("XDG_CONFIG_HOME", savedConfig_);
        restore("XDG_DATA_HOME", savedData_);
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    XdgFolders(const XdgFolders&) = delete;
    XdgFolders& operator=(const XdgFolders&) = delete;

    const std::filesystem::path& root() const { return root_; }

private:
    static void swap(const char* name, const std::filesystem::path& value,
                     std::optional<std::string>& saved) {
        if (const char* old = std::getenv(name))
            saved = old;
        ::setenv(name, value.c_str(), 1);
    }
    static void restore(const char* name, const std::optional<std::string>& saved) {
        if (saved)
            ::setenv(name, saved->c_str(), 1);
        else
            ::unsetenv(name);
    }

    std::filesystem::path root_;
    std::optional<std::string> savedConfig_;
    std::optional<std::string> savedData_;
};

} // namespace tk::testing
