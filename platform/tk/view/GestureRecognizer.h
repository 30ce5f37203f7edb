#pragma once

// Gesture recognisers of classic views: objects attached to a view (View::addGestureRecognizer)
// that watch the left-button pointer gestures beginning on the view or inside it and report what
// they recognise through their action.
//
// The window feeds them: a press goes to the recognisers of the hit view and of its ancestors,
// and the drags, the release or the cancel of that gesture to the same ones. They never hold
// events back: the views still receive every press, drag and release as usual.
//
// States: possible until something is recognised; a discrete gesture (a click) goes straight to
// ended; a continuous one (a pan) goes began -> changed ... -> ended, or cancelled when the
// gesture is cancelled. The action runs on each of those changes; a gesture that cannot be
// recognised fails quietly. After ended, cancelled or failed the recogniser is possible again for
// the next press.
//
// All members are [main].

#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Event.h"

#include <functional>
#include <memory>

namespace tk {

class View;

enum class GestureState { possible, began, changed, ended, cancelled, failed };

class GestureRecognizer : public std::enable_shared_from_this<GestureRecognizer> {
public:
    using Action = std::function<void(GestureRecognizer&)>;

    explicit GestureRecognizer(Action action = {}) : action_(std::move(action)) {}
    virtual ~GestureRecognizer() = default;
    GestureRecognizer(const GestureRecognizer&) = delete;
    GestureRecognizer& operator=(const GestureRecognizer&) = delete;

    void setAction(Action action) { action_ = std::move(action); }
    View* view() const { return view_; }
    GestureState state() const { return state_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Where the last event of the gesture happened, in `view`'s coordinates (window when null).
    Point locationInView(const View* view) const;

    // The window feeds these (see the class comment).
    void handleMouseDown(const Event& event);
    void handleMouseDragged(const Event& event);
    void handleMouseUp(const Event& event);
    void handleCancel();

protected:
    virtual void pressed(const Event& event) = 0;
    virtual void dragged(const Event& event) = 0;
    virtual void released(const Event& event) = 0;
    virtual void cancelled();
    // Moves to `state` and runs the action (not for possible and failed).
    void setState(GestureState state);
    Point locationInWindow() const { return location_; }

private:
    friend class View;
    void resetIfFinished();

    Action action_;
    View* view_ = nullptr;
    Point location_;
    GestureState state_ = GestureState::possible;
    bool enabled_ = true;
};

// A click: the release of a press (of at least numberOfClicksRequired clicks) within
// kAllowableMovement points of where it began.
class ClickGestureRecognizer final : public GestureRecognizer {
public:
    static constexpr double kAllowableMovement = 4;

    using GestureRecognizer::GestureRecognizer;
    int numberOfClicksRequired() const { return clicks_; }
    void setNumberOfClicksRequired(int clicks) { clicks_ = clicks < 1 ? 1 : clicks; }

protected:
    void pressed(const Event& event) override;
    void dragged(const Event& event) override;
    void released(const Event& event) override;

private:
    Point start_;
    int clicks_ = 1;
    bool tracking_ = false;
};

// A drag: begins once the pointer has moved kMinimumDistance points from the press, changes with
// every drag after that and ends at the release (or is cancelled with the gesture).
//
// The translation is measured from a reference point, the press at first; setTranslation moves
// that point so that the translation reads as given now, and later drags add to it.
class PanGestureRecognizer final : public GestureRecognizer {
public:
    static constexpr double kMinimumDistance = 3;

    using GestureRecognizer::GestureRecognizer;
    // From the press to the pointer now, in `view`'s coordinates (window when null).
    Point translationInView(const View* view) const;
    // Makes the translation now `translation` (in `view`'s coordinates, window when null).
    void setTranslation(Point translation, const View* view);
    // Points per second over the last drag, in `view`'s coordinates (window when null).
    Point velocityInView(const View* view) const;

protected:
    void pressed(const Event& event) override;
    void dragged(const Event& event) override;
    void released(const Event& event) override;

private:
    Point start_;
    Point last_;
    Point velocity_;
    double lastTime_ = 0;
    bool tracking_ = false;
};

} // namespace tk
