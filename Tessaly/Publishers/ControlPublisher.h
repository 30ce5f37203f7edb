#pragma once

// A control's actions as a publisher.
//
//     auto token = Tessaly::publisher(*slider, &tk::Slider::doubleValue)
//                      .sink([](const double& value) { show(value); });
//
// The first read makes the control's NSControlPublisher, the control's target from then on (with
// the action "controlActionWithSender:", replacing any target and action set before), kept by the
// control under "PublisherHelperKey" - so one control has one publisher, every later read answers the
// same one, and it lives as long as the control. When the control goes, the publisher finishes its
// subscribers. actionPublisher() and publisher() are the same operation.
//
// All of it is [main]; values are delivered synchronously, in the action.

#include "platform/tk/base/Publisher.h"
#include "platform/tk/view/Control.h"

#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>

namespace Tessaly {

inline constexpr std::string_view kPublisherHelperKey = "PublisherHelperKey";

// The publisher attached to a control. It is shared by every read of the control's publisher,
// whatever control type it is read as, so it publishes the control as a tk::Control; publisher()
// below hands it out typed.
class NSControlPublisher : public tk::Responder {
public:
    static constexpr std::string_view kActionName = "controlActionWithSender:";

    explicit NSControlPublisher(tk::Control& control);
    ~NSControlPublisher() override; // finishes the subscribers

    // The control, while it exists.
    tk::Control* control() const { return control_.lock().get(); }
    // The control's actions: the sending control, once per action.
    tk::Publisher<tk::Control*> publisher() const { return subject_.publisher(); }
    // Sends the sender on, when it is a control.
    void controlAction(const tk::ActionSender& sender);

private:
    std::weak_ptr<tk::Control> control_;
    tk::PassthroughSubject<tk::Control*> subject_;
};

// The control's publisher object, made and attached on first use (see above).
std::shared_ptr<NSControlPublisher> controlPublisher(tk::Control& control);

// The control's actions, published as the control's own type.
template <class C> tk::Publisher<C*> publisher(C& control) {
    static_assert(std::is_base_of_v<tk::Control, C>);
    // The attached publisher was made for this very control, whose type is at least C.
    return controlPublisher(control)->publisher().map(
        [](tk::Control* sender) { return static_cast<C*>(sender); });
}

template <class C> tk::Publisher<C*> actionPublisher(C& control) {
    return publisher(control);
}

// The control's publisher mapped through `property` (a member function or pointer of C, or any
// callable taking a const C&): each action publishes its value at that moment.
template <class C, class Property> auto publisher(C& control, Property property) {
    return publisher(control).map([property](C* sender) { return std::invoke(property, *sender); });
}

} // namespace Tessaly
