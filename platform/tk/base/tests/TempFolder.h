#pragma once

// A folder of a test's own under the system's temporary folder, made fresh (mkdtemp, so parallel
// runs never share one) and removed with everything in it when the object goes. Shared by the tests
// of every module that write files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tk::testing {

class TempFolder {
public:
    // `prefix` names the folder for whoever looks into the temporary folder during a run.
    explicit TempFolder(std::string_view prefix = "zindral-test") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
        else
            ADD_FAILURE() << "cannot make a temporary folder from " << pattern;
    }
    ~TempFolder() {
        std::error_code error;
        if (!path_.empty())
            std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace tk::testing
