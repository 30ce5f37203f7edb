#pragma once

// The responder chain: views and windows receive events and named actions; whatever one of them
// does not handle goes on to its next responder (view -> superview -> ... -> content view ->
// window -> the window's next responder, e.g. an application object).
//
// Every handler returns whether it handled the event; a handled event stops there.
// Actions are named by strings ("copy:", "checkForUpdates"); a responder answers them with
// handlers registered by name or by overriding performAction().

#include "platform/tk/view/Event.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tk {

class Responder;
class MenuItem;

// Who sent an action: a control or other responder, or a menu item (either may be absent).
struct ActionSender {
    Responder* responder = nullptr;
    const MenuItem* menuItem = nullptr;
};

class Responder : public std::enable_shared_from_this<Responder> {
public:
    using ActionHandler = std::function<void(const ActionSender&)>;

    Responder() = default;
    virtual ~Responder();
    Responder(const Responder&) = delete;
    Responder& operator=(const Responder&) = delete;

    // [main] The responder that gets what this one does not handle; none ends the chain.
    virtual Responder* nextResponder() const { return nullptr; }

    // First responder protocol (Window::makeFirstResponder drives it).
    // [main] Whether this responder can take keyboard focus at all.
    virtual bool acceptsFirstResponder() const { return false; }
    // [main] Called when it is about to become first responder; return false to refuse.
    virtual bool becomeFirstResponder() { return true; }
    // [main] Called when it is about to lose first responder status; return false to keep it.
    virtual bool resignFirstResponder() { return true; }

    // Pointer events; the location is in the window (see View::locationOf).
    virtual bool mouseDown(const Event&) { return false; }
    virtual bool mouseDragged(const Event&) { return false; }
    virtual bool mouseUp(const Event&) { return false; }
    // The gesture that began with this responder's mouse-down ended without a mouse-up: the grab
    // was lost, the view left its window, or the window closed. Sent once, instead of mouseUp.
    virtual void mouseCancelled(const Event&) {}
    virtual bool rightMouseDown(const Event&) { return false; }
    virtual bool rightMouseDragged(const Event&) { return false; }
    virtual bool rightMouseUp(const Event&) { return false; }
    virtual bool mouseMoved(const Event&) { return false; }
    virtual bool mouseEntered(const Event&) { return false; }
    virtual bool mouseExited(const Event&) { return false; }
    virtual bool scrollWheel(const Event&) { return false; }

    // Keyboard.
    virtual bool keyDown(const Event&) { return false; }
    virtual bool keyUp(const Event&) { return false; }
    virtual bool flagsChanged(const Event&) { return false; }
    // Committed text for the focused responder (typing, input methods, paste by the backend).
    virtual bool insertText(const std::string&) { return false; }

    // Named actions.
    // [main] Registers (or with an empty handler removes) the handler of `action` on this responder.
    void setActionHandler(std::string action, ActionHandler handler);
    // [main] Whether this responder itself answers `action`.
    virtual bool respondsToAction(std::string_view action) const;
    // [main] Runs this responder's handler of `action`; false when it has none.
    virtual bool performAction(std::string_view action, const ActionSender& sender);
    // [main] Offers the action to this responder and then along its chain; true once one ran it.
    bool tryToPerform(std::string_view action, const ActionSender& sender);
    // [main] The first responder along the chain (this one included) that answers `action`.
    Responder* targetForAction(std::string_view action);

private:
    std::map<std::string, ActionHandler, std::less<>> actionHandlers_;
};

} // namespace tk
