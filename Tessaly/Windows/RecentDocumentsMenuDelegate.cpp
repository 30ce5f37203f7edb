#include "Tessaly/Windows/RecentDocumentsMenuDelegate.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/DocumentController.h"
#include "platform/tk/view/FileIcons.h"

#include <filesystem>
#include <system_error>

namespace Tessaly {

RecentDocumentsMenuDelegate::RecentDocumentsMenuDelegate() {
    setActionHandler("openRecentDocument:", [this](const tk::ActionSender& s) { openRecentDocument(s); });
    setActionHandler("clearRecentDocuments:", [this](const tk::ActionSender& s) { clearRecentDocuments(s); });
}

void RecentDocumentsMenuDelegate::menuNeedsUpdate(tk::Menu& menu) {
    TK_CHECK_MAIN_THREAD();
    menu.removeAllItems();
    for (const std::filesystem::path& path : tk::DocumentController::shared().recentDocumentURLs()) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
            continue;
        tk::MenuItem& item = menu.addItem(path.filename().string(), "openRecentDocument:");
        item.representedObject = path;
        item.target = std::static_pointer_cast<tk::Responder>(shared_from_this());
        item.image = tk::iconForFile(path).filteringRepresentations([](const tk::Image::Representation& r) {
            return r.size == tk::Size{16, 16};
        });
    }
    menu.addSeparator();
    menu.addItem("Clear Recent Documents", "clearRecentDocuments:");
}

void RecentDocumentsMenuDelegate::openRecentDocument(const tk::ActionSender& sender) {
    TK_CHECK_MAIN_THREAD();
    if (!sender.menuItem)
        return;
    const auto* path = std::any_cast<std::filesystem::path>(&sender.menuItem->representedObject);
    if (!path)
        return;
    tk::DocumentController::shared().openDocument(*path, true, [](bool) {});
}

void RecentDocumentsMenuDelegate::clearRecentDocuments(const tk::ActionSender&) {
    TK_CHECK_MAIN_THREAD();
    tk::DocumentController::shared().clearRecentDocuments();
}

} // namespace Tessaly
