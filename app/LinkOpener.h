#pragma once

// Opening the main window's links in the user's browser. A link that does not open (no browser, or
// no program that opens addresses) says so in an alert that names the address, so that the user can
// open it by hand; the window stays as it was.

#include <functional>
#include <string>

namespace app {

// How a link is opened: `opened` is told, on the main run loop, whether it was.
using URLOpener = std::function<void(const std::string& url, std::function<void(bool opened)> opened)>;

struct LinkFailureAlert {
    std::string message;
    std::string informativeText; // names the address
};

// [any] The alert's texts for `url`.
LinkFailureAlert linkFailureAlert(const std::string& url);
// [main] The workspace's opener: xdg-open, answered once it exits.
URLOpener workspaceOpener();
// [main] Opens `url` with `opener` (the workspace's when empty); when it does not open, shows the
// alert of linkFailureAlert(url) with one button, "OK".
void openLink(const URLOpener& opener, const std::string& url);

} // namespace app
