#pragma once

// The program's command line:
//
//     Zindral [URL ...]                                   the application (a running one gets the URLs)
//     Zindral --headless --screenshot FILE [--after S] [URL ...]
//                                                         no display: runs S seconds of simulated time
//                                                         (default 1) and writes the window to FILE (PNG)
//     Zindral --help
//
// Anything that is not an option is a URL (desktop launchers pass the opened URL so).

#include <filesystem>
#include <string>
#include <vector>

namespace app {

struct CommandLine {
    bool headless = false;
    bool help = false;
    std::filesystem::path screenshot;
    double afterSeconds = 1.0;
    std::vector<std::string> urls;
    std::string error; // set when the line cannot be used
};

inline constexpr const char* kUsage =
    "usage: Zindral [URL ...]\n"
    "       Zindral --headless --screenshot FILE [--after SECONDS] [URL ...]\n";

// [any]
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

} // namespace app
