#include "platform/tk/view/Responder.h"

namespace tk {

Responder::~Responder() = default;

void Responder::setActionHandler(std::string action, ActionHandler handler) {
    if (handler)
        actionHandlers_[std::move(action)] = std::move(handler);
    else
        actionHandlers_.erase(action);
}

bool Responder::respondsToAction(std::string_view action) const {
    return actionHandlers_.find(action) != actionHandlers_.end();
}

bool Responder::performAction(std::string_view action, const ActionSender& sender) {
    auto it = actionHandlers_.find(action);
    if (it == actionHandlers_.end())
        return false;
    // A copy: the handler may replace itself while it runs.
    ActionHandler handler = it->second;
    handler(sender);
    return true;
}

bool Responder::tryToPerform(std::string_view action, const ActionSender& sender) {
    if (Responder* target = targetForAction(action))
        return target->performAction(action, sender);
    return false;
}

Responder* Responder::targetForAction(std::string_view action) {
    for (Responder* r = this; r; r = r->nextResponder())
        if (r->respondsToAction(action))
            return r;
    return nullptr;
}

} // namespace tk
