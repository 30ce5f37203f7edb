#include "app/CommandLine.h"

#include "platform/tk/base/NumberFormat.h"

#include <cmath>

namespace app {

namespace {
// A day of simulated time is more than any picture needs.
constexpr double kMaximumAfterSeconds = 24 * 60 * 60;
} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--headless") {
            line.headless = true;
        } else if (a == "--help" || a == "-h") {
            line.help = true;
        } else if (a == "--screenshot") {
            if (!hasValue || arguments[i + 1].empty()) {
                line.error = "--screenshot needs a file";
                return line;
            }
            line.screenshot = arguments[++i];
        } else if (a == "--after") {
            const auto seconds = hasValue ? tk::parseDouble(arguments[i + 1]) : std::nullopt;
            if (!seconds || !std::isfinite(*seconds) || *seconds < 0 || *seconds > kMaximumAfterSeconds) {
                line.error = "--after needs a number of seconds (0 to 86400)";
                return line;
            }
            line.afterSeconds = *seconds;
            ++i;
        } else if (a == "--") {
            for (++i; i < arguments.size(); ++i)
                line.urls.push_back(arguments[i]);
        } else if (a.size() > 1 && a[0] == '-') {
            line.error = "unknown option " + a;
            return line;
        } else if (!a.empty()) {
            line.urls.push_back(a);
        }
    }
    if (line.headless && line.screenshot.empty())
        line.error = "--headless needs --screenshot FILE";
    else if (!line.headless && !line.screenshot.empty())
        line.error = "--screenshot works with --headless only";
    return line;
}

} // namespace app
