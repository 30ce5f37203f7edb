#include "Tessaly/Publishers/ControlPublisher.h"

#include <string>

namespace Tessaly {

NSControlPublisher::NSControlPublisher(tk::Control& control)
    : control_(std::static_pointer_cast<tk::Control>(control.weak_from_this().lock())) {
    setActionHandler(std::string(kActionName),
                     [this](const tk::ActionSender& sender) { controlAction(sender); });
}

NSControlPublisher::~NSControlPublisher() {
    subject_.sendCompletion();
}

void NSControlPublisher::controlAction(const tk::ActionSender& sender) {
    if (auto* control = dynamic_cast<tk::Control*>(sender.responder))
        subject_.send(control);
}

std::shared_ptr<NSControlPublisher> controlPublisher(tk::Control& control) {
    auto& objects = control.associatedObjects();
    if (auto existing = objects.get<NSControlPublisher>(kPublisherHelperKey))
        return existing;
    auto made = std::make_shared<NSControlPublisher>(control);
    objects.set(kPublisherHelperKey, made);
    control.setTarget(made);
    control.setAction(std::string(NSControlPublisher::kActionName));
    return made;
}

} // namespace Tessaly
