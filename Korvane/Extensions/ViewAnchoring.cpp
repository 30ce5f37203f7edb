#include "Korvane/Extensions/ViewAnchoring.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/View.h"

namespace Korvane {

void anchorToAllSidesOf(tk::View& self, tk::View* view, tk::EdgeInsets insets) {
    TK_CHECK_MAIN_THREAD();
    if (!view) {
        return;
    }
    const tk::Rect outer = view == self.superview() ? view->bounds() : view->frame();
    self.setFrame({outer.x() + insets.left, outer.y() + insets.top,
                   outer.width() - insets.left - insets.right, outer.height() - insets.top - insets.bottom});
    self.setAutoresizingMask(tk::AutoresizingMask::widthSizable | tk::AutoresizingMask::heightSizable);
}

} // namespace Korvane
