#pragma once

// Closure actions on controls: a control can run a closure as its action instead of sending a named
// action to a target. The closure lives in an ActionTrampoline that becomes the control's target and
// that the control keeps alive (as an associated object), so the closure lasts as long as the control.
//
//     Tessaly::setAction(*button, [](tk::Control& sender) { sender.setEnabled(false); });
//
// All of it is [main].

#include "platform/tk/view/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace Tessaly {

// The key under which a control keeps its closure's trampoline.
inline constexpr std::string_view kActionTrampolineKey = "Tessaly.ActionTrampoline";

// The target that runs a control's closure: its action "actionWithSender:" calls the closure with
// the sending control, when the sender is a C.
template <class C> class ActionTrampoline : public tk::Responder {
public:
    static constexpr std::string_view kActionName = "actionWithSender:";
    using Action = std::function<void(C&)>;

    explicit ActionTrampoline(Action closure) : action_(std::move(closure)) {
        setActionHandler(std::string(kActionName),
                         [this](const tk::ActionSender& sender) { this->action(sender); });
    }

    void action(const tk::ActionSender& sender) const {
        if (auto* control = dynamic_cast<C*>(sender.responder); control && action_)
            action_(*control);
    }

private:
    Action action_;
};

// Makes `action` the control's action: the trampoline becomes its target, "actionWithSender:" its
// action, and the control keeps the trampoline. A later closure replaces this one. The control's
// publisher takes the target over only when it is made, at its first read (ControlPublisher.h): a
// closure set after that stays the target, and later reads of the publisher leave it alone.
template <class C> void setAction(C& control, std::function<void(C&)> action) {
    auto trampoline = std::make_shared<ActionTrampoline<C>>(std::move(action));
    control.setTarget(trampoline);
    control.setAction(std::string(ActionTrampoline<C>::kActionName));
    control.associatedObjects().set(kActionTrampolineKey, std::move(trampoline));
}

// Sets the target, then the action.
inline void setTargetAndAction(tk::Control& control, std::weak_ptr<tk::Responder> target,
                               std::string action) {
    control.setTarget(std::move(target));
    control.setAction(std::move(action));
}

} // namespace Tessaly
