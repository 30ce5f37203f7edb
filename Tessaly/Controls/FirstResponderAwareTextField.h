#pragma once

// FirstResponderAwareTextField: a text field that tells when it gains or loses the keyboard focus.
//
// While the field is in a window it watches the window's first responder; each change (and the
// value at the time the field enters the window) is looked at on the main run loop, after the
// change: the field has the focus when the first responder is the field or a field editor editing
// it (an absent first responder never counts). Only a real change is published: the new status is
// stored, (field, status) is sent on firstResponderPublisher(), then firstResponderStatusChanged()
// runs. Leaving the window ends the watch; destroying the field completes the publisher.
//
// All members are [main].

#include "platform/tk/base/Publisher.h"
#include "platform/tk/controls/CellTextField.h"

#include <memory>

namespace Tessaly {

// One published focus change: the field, and whether it now has the keyboard focus.
struct FirstResponderChange {
    tk::TextField* field = nullptr;
    bool isFirstResponder = false;

    friend bool operator==(const FirstResponderChange&, const FirstResponderChange&) = default;
};

class FirstResponderAwareTextField : public tk::CellTextField {
public:
    using tk::CellTextField::CellTextField;
    ~FirstResponderAwareTextField() override;

    tk::Publisher<FirstResponderChange> firstResponderPublisher() const {
        return firstResponderSubject_.publisher();
    }
    bool publishedFirstResponderStatus() const { return publishedStatus_; }

    void viewWillMoveToWindow(tk::Window* newWindow) override;

protected:
    // After each published change; the base does nothing.
    virtual void firstResponderStatusChanged(bool isFirstResponder);

private:
    void firstResponderDidChange(tk::Window& window);

    tk::PassthroughSubject<FirstResponderChange> firstResponderSubject_;
    bool publishedStatus_ = false;
    tk::Subscription windowListener_;
    // Tells the queued deliveries that the field (or its window watch) is gone.
    std::shared_ptr<int> generation_ = std::make_shared<int>(0);
};

} // namespace Tessaly
