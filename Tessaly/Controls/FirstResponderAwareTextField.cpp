#include "Tessaly/Controls/FirstResponderAwareTextField.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

FirstResponderAwareTextField::~FirstResponderAwareTextField() {
    ++*generation_;
    firstResponderSubject_.sendCompletion();
}

void FirstResponderAwareTextField::firstResponderStatusChanged(bool) {}

void FirstResponderAwareTextField::viewWillMoveToWindow(tk::Window* newWindow) {
    tk::CellTextField::viewWillMoveToWindow(newWindow);
    windowListener_.cancel();
    ++*generation_; // drops deliveries queued for the old window
    if (!newWindow)
        return;
    // The watch holds the window weakly: a delivery for a window that went away does nothing.
    auto deliver = [this, weakWindow = newWindow->weak_from_this(),
                    generation = std::weak_ptr<int>(generation_), expected = *generation_] {
        tk::RunLoop::main().post([this, weakWindow, generation, expected] {
            auto g = generation.lock();
            auto window = std::dynamic_pointer_cast<tk::Window>(weakWindow.lock());
            if (!g || *g != expected || !window)
                return;
            firstResponderDidChange(*window);
        });
    };
    windowListener_ = newWindow->observeFirstResponder([deliver](tk::Window&) { deliver(); });
    deliver(); // the value at the start
}

void FirstResponderAwareTextField::firstResponderDidChange(tk::Window& window) {
    // The field, or a field editor editing it; an absent first responder never counts.
    const auto* responder = dynamic_cast<const tk::View*>(window.firstResponder());
    const bool status = responder && (responder == this || responder->fieldEditorClient() == this);
    if (status == publishedStatus_)
        return;
    publishedStatus_ = status;
    auto keep = weak_from_this().lock();
    firstResponderSubject_.send({this, status});
    firstResponderStatusChanged(status);
}

} // namespace Tessaly
