#include "Tessaly/Controls/PopUpValues.h"

#include <limits>

namespace Tessaly {

namespace {

bool usable(const tk::MenuItem& item) {
    return item.enabled && !item.isSeparator && !item.isSectionHeader && !item.hidden;
}

bool step(tk::PopUpButton& button, int direction) {
    const int count = button.numberOfItems();
    if (count == 0)
        return false;
    const int s = button.indexOfSelectedItem();
    // s + 1 ... end, then 0 ... s - 1 (mirrored backwards); with nothing selected, every item.
    const int start = s < 0 ? (direction > 0 ? 0 : count - 1) : s + direction;
    const int span = s < 0 ? count : count - 1;
    for (int k = 0; k < span; ++k) {
        const int i = ((start + direction * k) % count + count) % count;
        if (usable(*button.itemAtIndex(i))) {
            button.selectItemAtIndex(i);
            if (!button.action().empty())
                button.sendAction();
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::int64_t> detail::representedInteger(const std::any& object) {
    if (const auto* v = std::any_cast<std::int64_t>(&object))
        return *v;
    if (const auto* v = std::any_cast<std::uint64_t>(&object))
        if (*v <= std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            return std::int64_t(*v);
    if (const auto* v = std::any_cast<int>(&object))
        return *v;
    return std::nullopt;
}

bool selectNextItem(tk::PopUpButton& button) {
    return step(button, +1);
}

bool selectPreviousItem(tk::PopUpButton& button) {
    return step(button, -1);
}

void answerSelectionStepping(tk::PopUpButton& button) {
    auto weak = std::weak_ptr<tk::View>(button.sharedView());
    button.setActionHandler(kSelectNextItemAction, [weak](const tk::ActionSender&) {
        if (auto view = weak.lock())
            selectNextItem(static_cast<tk::PopUpButton&>(*view));
    });
    button.setActionHandler(kSelectPreviousItemAction, [weak](const tk::ActionSender&) {
        if (auto view = weak.lock())
            selectPreviousItem(static_cast<tk::PopUpButton&>(*view));
    });
}

} // namespace Tessaly
