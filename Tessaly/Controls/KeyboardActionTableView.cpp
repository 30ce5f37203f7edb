#include "Tessaly/Controls/KeyboardActionTableView.h"

#include <algorithm>

namespace Tessaly {

bool KeyboardActionTableView::keyUp(const tk::Event& event) {
    const bool handled = tk::TableView::keyUp(event);
    const bool trigger = std::find(keyboardActionTriggers.begin(), keyboardActionTriggers.end(),
                                   event.keyCode) != keyboardActionTriggers.end();
    if (!trigger || !keyboardAction_)
        return handled;
    const tk::ActionSender sender{.responder = this};
    if (tk::Responder* to = target())
        to->tryToPerform(*keyboardAction_, sender);
    else
        tryToPerform(*keyboardAction_, sender);
    return true;
}

} // namespace Tessaly
