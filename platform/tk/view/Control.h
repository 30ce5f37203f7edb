#pragma once

// Control: the base of views that act - target/action with actions named by strings, enabled and
// highlighted states, and the tracking loop of a mouse-down.
//
// Tracking: a mouse-down on an enabled control starts it (highlighted, startTracking); each drag
// calls continueTracking and keeps the highlight while the pointer is inside; the mouse-up calls
// stopTracking and, when the pointer is inside, sends the action. A cancelled gesture (see View)
// ends the loop through trackingCancelled() and stopTracking(..., mouseIsUp = false) and sends
// nothing. Subclasses override the hooks, not the mouse handlers.
//
// Sending: to the target when there is one; otherwise up the first responder's chain, and when no
// responder there answers, up the control's own chain (superviews, window).

#include "platform/tk/view/View.h"

#include <memory>
#include <string>
#include <string_view>

namespace tk {

class Control : public View {
public:
    enum class SendActionOn { mouseUp, mouseDown };

    using View::View;

    // --- Target and action -----------------------------------------------------------------
    Responder* target() const { return target_.lock().get(); }
    void setTarget(std::weak_ptr<Responder> target) { target_ = std::move(target); }
    const std::string& action() const { return action_; }
    void setAction(std::string action) { action_ = std::move(action); }
    // Sends action() to target() (see above). False when nothing answered or there is no action.
    bool sendAction();
    bool sendAction(std::string_view action, Responder* target);
    // Sends the action on every drag while tracking, not only at the end.
    bool isContinuous() const { return continuous_; }
    void setContinuous(bool continuous) { continuous_ = continuous; }
    SendActionOn sendActionOn() const { return sendOn_; }
    void setSendActionOn(SendActionOn on) { sendOn_ = on; }

    // --- State -----------------------------------------------------------------------------
    // Virtual so that a control keeping these in another object (a cell) can answer from there.
    virtual bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    virtual bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    bool isTracking() const { return tracking_; }

    // --- Tracking hooks (points in the control's coordinates) -------------------------------
    // The press; return false to end tracking at once (no action).
    virtual bool startTracking(Point location, const Event& event);
    // Each drag; return false to stop tracking (no action at the mouse-up).
    virtual bool continueTracking(Point lastLocation, Point location, const Event& event);
    // The end: the mouse-up (mouseIsUp) or a cancel.
    virtual void stopTracking(Point lastLocation, Point location, bool mouseIsUp);
    // The gesture was cancelled; runs before stopTracking(..., false).
    virtual void trackingCancelled();
    // Whether a release here counts as inside (bounds by default).
    virtual bool isInside(Point location) const { return bounds().contains(location); }
    // A press ended with a release inside that tracking accepted (a click): runs after
    // stopTracking and before the action is sent, e.g. to move a button to its next state.
    virtual void trackingDidEndInside() {}

    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    void mouseCancelled(const Event& event) override;

private:
    std::weak_ptr<Responder> target_;
    std::string action_;
    Point lastLocation_;
    SendActionOn sendOn_ = SendActionOn::mouseUp;
    bool continuous_ = false;
    bool enabled_ = true;
    bool highlighted_ = false;
    bool tracking_ = false;
    bool trackingStopped_ = false; // continueTracking said no
};

} // namespace tk
