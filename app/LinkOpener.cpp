#include "app/LinkOpener.h"

#include "Tessaly/Windows/Alerts.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Workspace.h"

namespace app {

LinkFailureAlert linkFailureAlert(const std::string& url) {
    return {"The page could not be opened",
            "No web browser took the address. To read the page, open it in a browser by hand:\n" + url};
}

URLOpener workspaceOpener() {
    return [](const std::string& url, std::function<void(bool)> opened) {
        tk::Workspace::shared().openURL(url, std::move(opened));
    };
}

void openLink(const URLOpener& opener, const std::string& url) {
    TK_CHECK_MAIN_THREAD();
    (opener ? opener : workspaceOpener())(url, [url](bool opened) {
        if (opened)
            return;
        const LinkFailureAlert alert = linkFailureAlert(url);
        Tessaly::showAlert(alert.message, alert.informativeText, "OK");
    });
}

} // namespace app
