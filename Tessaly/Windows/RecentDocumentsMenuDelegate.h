#pragma once

// Fills an Open Recent submenu each time it opens: one item per recent document whose file still
// exists (its name, its 16-point icon), then a separator and "Clear Recent Documents". Choosing a
// document opens it through the shared document controller. The menu does not own its delegate:
// keep this object as long as the menu.
//
// All members are [main].

#include "platform/tk/view/Menu.h"
#include "platform/tk/view/Responder.h"

namespace Tessaly {

class RecentDocumentsMenuDelegate : public tk::Responder, public tk::MenuDelegate {
public:
    RecentDocumentsMenuDelegate();

    void menuNeedsUpdate(tk::Menu& menu) override;
    // The sender's represented object is the document's path; other senders do nothing.
    void openRecentDocument(const tk::ActionSender& sender);
    void clearRecentDocuments(const tk::ActionSender& sender);
};

} // namespace Tessaly
