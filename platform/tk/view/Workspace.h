#pragma once

// Opening URLs in the user's programs. openURL() hands the URL to `xdg-open` as a plain argument
// (no shell ever sees it) through the opener: the backend's by default (the headless backend only
// records), or one a test or program installs. Started is not opened: xdg-open that finds no
// program for a URL only says so on its error output and in its exit status, which the form of
// openURL with a completion waits for.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class Workspace {
public:
    // Receives the command line to run, e.g. {"xdg-open", "https://example.org"}; returns whether
    // it could be started.
    using Opener = std::function<bool(const std::vector<std::string>& argv)>;
    // Told on the main run loop whether a URL opened.
    using Completion = std::function<void(bool opened)>;

    // [main] The process's workspace.
    static Workspace& shared();

    // [main] Opens `url`. Refused (false, nothing run) for an empty URL, one without a scheme, one
    // that starts with '-' (it would read as an option) or one holding control characters.
    bool openURL(const std::string& url);
    // [main] Opens `url` as above, then tells `done` on the main run loop (never before this
    // returns) whether it opened: false for a refused URL or a launcher that could not start, and,
    // through the backend, also when the launcher ends in failure. An installed opener's answer is
    // told as it is.
    void openURL(const std::string& url, Completion done);
    // [main] Replaces the opener (none: the current backend's openURL).
    void setOpener(Opener opener) { opener_ = std::move(opener); }

    // The command line that opens `url`.
    static std::vector<std::string> openCommand(const std::string& url);
    // Whether openURL accepts `url` (see above).
    static bool isOpenableURL(const std::string& url);

    // [any] Starts `argv` (looked up on PATH) with posix_spawnp, without a shell, and returns its
    // process id; none when it could not be started. The caller reaps it.
    static std::optional<int> spawn(const std::vector<std::string>& argv);
    // [any] spawn(), with the child reaped in the background. What real backends open URLs with.
    static bool launchDetached(const std::vector<std::string>& argv);
    // [any] spawn(), then, once the child exits, tells `done` on the main run loop whether it ended
    // with status 0; false (posted as well) when it could not start. The child is reaped in the
    // background, however long it runs.
    static void launchReportingExit(const std::vector<std::string>& argv, Completion done);

private:
    Opener opener_;
};

} // namespace tk
