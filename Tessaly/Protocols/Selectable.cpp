#include "Tessaly/Protocols/Selectable.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <vector>

namespace Tessaly {

void setSubviewsSelected(tk::View& view, bool selected, bool recursive) {
    TK_CHECK_MAIN_THREAD();
    // Held by shared pointer so that a subview that leaves the tree while being set stays alive.
    std::vector<std::shared_ptr<tk::View>> selectables;
    for (const std::shared_ptr<tk::View>& subview : view.subviews())
        if (dynamic_cast<Selectable*>(subview.get()))
            selectables.push_back(subview);
    for (const std::shared_ptr<tk::View>& subview : selectables) {
        dynamic_cast<Selectable&>(*subview).setSelected(selected);
        if (recursive)
            setSubviewsSelected(*subview, selected, false);
    }
}

void propagateSelection(tk::View& view, bool selected, bool recursive) {
    setSubviewsSelected(view, selected, recursive);
}

} // namespace Tessaly
