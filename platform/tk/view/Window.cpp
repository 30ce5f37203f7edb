#include "platform/tk/view/Window.h"

#include "platform/tk/view/Application.h"
#include "platform/tk/view/FieldEditor.h"
#include "platform/tk/view/FrameAutosave.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/GestureRecognizer.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/ToolTips.h"
#include "platform/tk/view/View.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
// Keeps a responder alive across a handler that may remove it from its tree.
std::shared_ptr<Responder> keepAlive(Responder* r) {
    return r ? r->weak_from_this().lock() : nullptr;
}

// Offers an event to `first` and up its responder chain until `handle` says one took it; each
// responder is kept alive while it handles. Returns whether one did.
template <class Handle> bool offerUpChain(Responder* first, Handle&& handle) {
    for (Responder* r = first; r;) {
        auto keep = keepAlive(r);
        if (handle(*r))
            return true;
        r = r->nextResponder();
    }
    return false;
}

// A drag or mouse-up to the view that captured the gesture, if any; the up ends the capture
// before the view sees it.
void sendToCapture(View*& capture, const Event& event, bool (Responder::*dragged)(const Event&),
                   bool (Responder::*up)(const Event&)) {
    if (!capture)
        return;
    View* view = capture;
    auto keep = keepAlive(view);
    if (event.type == EventType::mouseUp) {
        capture = nullptr;
        (view->*up)(event);
    } else {
        (view->*dragged)(event);
    }
}

Event derivedEvent(EventType type, const Event& from) {
    Event e;
    e.type = type;
    e.timestamp = from.timestamp;
    e.locationInWindow = from.locationInWindow;
    e.modifierFlags = from.modifierFlags;
    return e;
}
} // namespace

Window::Window(const Options& options)
    : contentSize_(options.contentSize), title_(options.title), identifier_(options.identifier) {
    backend_ = sharedCurrentBackend();
    const double scale =
        options.backingScaleFactor > 0 ? options.backingScaleFactor : backend_->defaultBackingScaleFactor();
    backingScaleFactor_ = std::clamp(std::isfinite(scale) ? scale : 1.0, 1.0, 4.0);
    native_ = backend_->createNativeWindow(*this, options);
    toolTips_ = std::make_unique<ToolTipController>(*this);
    setContentView(View::make<View>());
}

std::shared_ptr<Window> Window::make(const Options& options) {
    TK_CHECK_MAIN_THREAD();
    return std::make_shared<Window>(options);
}

std::shared_ptr<Window> Window::make(Size contentSize, std::string title) {
    Options options;
    options.contentSize = contentSize;
    options.title = std::move(title);
    return make(options);
}

Window::~Window() {
    capture_ = nullptr;
    firstResponder_ = nullptr;
    hovered_.clear();
    for (auto& v : rootViews())
        v->setWindowRecursively(nullptr);
    if (native_ && !closed_)
        native_->close();
}

std::vector<std::shared_ptr<View>> Window::rootViews() const {
    std::vector<std::shared_ptr<View>> roots;
    if (contentView_)
        roots.push_back(contentView_);
    roots.insert(roots.end(), overlays_.begin(), overlays_.end());
    return roots;
}

View* Window::hitTest(Point locationInWindow) const {
    for (auto it = overlays_.rbegin(); it != overlays_.rend(); ++it)
        if (View* hit = (*it)->hitTest((*it)->convertFromSuperview(locationInWindow)))
            return hit;
    return contentView_ ? contentView_->hitTest(contentView_->convertFromSuperview(locationInWindow))
                        : nullptr;
}

void Window::addOverlayView(std::shared_ptr<View> view) {
    if (!view || closed_ || isOverlayView(view.get()) || view.get() == contentView_.get())
        return;
    if (view->superview())
        view->removeFromSuperview();
    overlays_.push_back(view);
    view->setWindowRecursively(this);
    viewNeedsLayout();
}

void Window::removeOverlayView(View* view) {
    auto it = std::find_if(overlays_.begin(), overlays_.end(),
                           [&](const std::shared_ptr<View>& v) { return v.get() == view; });
    if (it == overlays_.end())
        return;
    auto keep = *it;
    viewSubtreeWillDisappear(*keep);
    keep->setWindowRecursively(nullptr);
    std::erase(overlays_, keep);
    setNeedsDisplay();
}

bool Window::isOverlayView(const View* view) const {
    return std::any_of(overlays_.begin(), overlays_.end(),
                       [&](const std::shared_ptr<View>& v) { return v.get() == view; });
}

std::shared_ptr<Window> Window::sharedWindow() {
    return std::static_pointer_cast<Window>(weak_from_this().lock());
}

// --- Content -----------------------------------------------------------------------------------

void Window::setContentView(std::shared_ptr<View> view) {
    if (view == contentView_)
        return;
    if (view && view->superview())
        view->removeFromSuperview();
    if (contentView_) {
        viewSubtreeWillDisappear(*contentView_);
        contentView_->setWindowRecursively(nullptr);
    }
    contentView_ = std::move(view);
    if (contentView_) {
        contentView_->setFrame({Point{}, contentSize_});
        if (!closed_)
            contentView_->setWindowRecursively(this);
    }
    viewNeedsLayout();
}

void Window::setContentSize(Size size) {
    size = {std::max(0.0, size.width), std::max(0.0, size.height)};
    if (size == contentSize_)
        return;
    contentSize_ = size;
    if (contentView_)
        contentView_->setFrame({Point{}, size});
    if (native_)
        native_->setContentSize(size);
    viewNeedsLayout();
}

void Window::setBackingScaleFactor(double scale) {
    scale = std::clamp(std::isfinite(scale) ? scale : 1.0, 1.0, 4.0);
    if (scale == backingScaleFactor_)
        return;
    backingScaleFactor_ = scale;
    setNeedsDisplay();
}

void Window::setTitle(std::string title) {
    title_ = std::move(title);
    if (native_)
        native_->setTitle(title_);
}

// --- Showing, key state, closing -----------------------------------------------------------------

void Window::orderFront() {
    if (closed_ || visible_)
        return;
    visible_ = true;
    if (native_)
        native_->show();
    setNeedsDisplay();
}

void Window::makeKeyAndOrderFront() {
    if (closed_)
        return;
    orderFront();
    if (native_)
        native_->requestKeyFocus();
}

void Window::becomeKeyWindow() {
    if (key_ || closed_)
        return;
    key_ = true;
    notifyKeyState();
}

void Window::resignKeyWindow() {
    if (!key_)
        return;
    // Focus moving to another window takes the pointer grab with it.
    cancelTracking();
    key_ = false;
    notifyKeyState();
}

void Window::notifyKeyState() {
    auto observers = *keyObservers_;
    for (auto& o : observers)
        o.fn(*this, key_);
}

Subscription Window::observeKeyState(std::function<void(Window&, bool)> observer) {
    const int id = nextObserverId_++;
    keyObservers_->push_back({id, std::move(observer)});
    std::weak_ptr<std::vector<KeyObserver>> list = keyObservers_;
    return Subscription([list, id] {
        if (auto l = list.lock())
            std::erase_if(*l, [id](const KeyObserver& o) { return o.id == id; });
    });
}

Subscription Window::observeWillClose(std::function<void(Window&)> observer) {
    const int id = nextObserverId_++;
    closeObservers_->push_back({id, std::move(observer)});
    std::weak_ptr<std::vector<CloseObserver>> list = closeObservers_;
    return Subscription([list, id] {
        if (auto l = list.lock())
            std::erase_if(*l, [id](const CloseObserver& o) { return o.id == id; });
    });
}

Subscription Window::monitorEvents(std::function<bool(const Event&)> monitor) {
    const int id = nextObserverId_++;
    eventMonitors_->push_back({id, std::move(monitor)});
    std::weak_ptr<std::vector<EventMonitor>> list = eventMonitors_;
    return Subscription([list, id] {
        if (auto l = list.lock())
            std::erase_if(*l, [id](const EventMonitor& m) { return m.id == id; });
    });
}

void Window::close() {
    if (closed_)
        return;
    auto self = weak_from_this().lock(); // observers may drop the last reference
    cancelTracking();
    toolTips_->dismiss();
    auto observers = *closeObservers_;
    for (auto& o : observers)
        o.fn(*this);
    makeFirstResponder(nullptr);
    setFirstResponderField(nullptr);
    resignKeyWindow();
    closed_ = true;
    visible_ = false;
    hovered_.clear();
    for (auto& v : rootViews())
        v->setWindowRecursively(nullptr);
    if (native_)
        native_->close();
}

// --- Responders --------------------------------------------------------------------------------

Responder* Window::firstResponder() const {
    return firstResponder_ ? static_cast<Responder*>(firstResponder_) : const_cast<Window*>(this);
}

bool Window::makeFirstResponder(Responder* responder) {
    View* view = nullptr;
    if (responder && responder != this) {
        view = dynamic_cast<View*>(responder);
        if (!view || view->window() != this || !view->acceptsFirstResponder())
            return false;
    }
    if (view == firstResponder_)
        return true;
    auto keepNew = keepAlive(view);
    if (View* current = firstResponder_) {
        auto keepOld = keepAlive(current);
        if (!current->resignFirstResponder())
            return false;
        // Resigning may have moved the focus itself or taken the new one out of the window.
        if (firstResponder_ == current)
            setFirstResponderField(nullptr);
        if (view && view->window() != this)
            return false;
    }
    if (view) {
        if (!view->becomeFirstResponder())
            return false;
        setFirstResponderField(view);
    }
    return true;
}

FieldEditor& Window::fieldEditor() {
    if (!fieldEditor_)
        fieldEditor_ = std::make_unique<FieldEditor>();
    return *fieldEditor_;
}

void Window::setFirstResponderField(View* view) {
    if (view == firstResponder_)
        return;
    firstResponder_ = view;
    firstResponderNotifier_.notify();
}

Subscription Window::observeFirstResponder(std::function<void(Window&)> observer) {
    return firstResponderNotifier_.subscribe([this, observer = std::move(observer)] { observer(*this); });
}

namespace {
void collectKeyViews(View& view, std::vector<View*>& out) {
    if (view.isHidden())
        return;
    if (view.canBecomeKeyView())
        out.push_back(&view);
    for (auto& child : view.subviews())
        collectKeyViews(*child, out);
}
} // namespace

std::vector<View*> Window::keyViewLoop() const {
    std::vector<View*> views;
    for (auto& root : rootViews())
        collectKeyViews(*root, views);
    return views;
}

View* Window::linkedKeyView(bool forward) const {
    // Along the explicit links from the focused view, skipping views that cannot take the focus
    // now; a loop of such views ends the walk.
    std::vector<const View*> seen{firstResponder_};
    View* v = firstResponder_
                  ? (forward ? firstResponder_->nextKeyView() : firstResponder_->previousKeyView())
                  : nullptr;
    while (v && std::find(seen.begin(), seen.end(), v) == seen.end()) {
        if (v->window() == this && v->canBecomeKeyView())
            return v;
        seen.push_back(v);
        v = forward ? v->nextKeyView() : v->previousKeyView();
    }
    return nullptr;
}

void Window::selectNextKeyView() {
    selectKeyView(true);
}

void Window::selectPreviousKeyView() {
    selectKeyView(false);
}

void Window::selectKeyView(bool forward) {
    if (View* linked = linkedKeyView(forward)) {
        makeFirstResponder(linked);
        return;
    }
    const std::vector<View*> views = keyViewLoop();
    if (views.empty())
        return;
    auto it = std::find(views.begin(), views.end(), firstResponder_);
    View* chosen = forward
                       ? (it == views.end() || std::next(it) == views.end() ? views.front() : *std::next(it))
                       : (it == views.end() || it == views.begin() ? views.back() : *std::prev(it));
    makeFirstResponder(chosen);
}

Responder* Window::nextResponder() const {
    return nextResponder_.lock().get();
}

bool Window::sendAction(std::string_view action, Responder* target, const ActionSender& sender) {
    if (action.empty())
        return false;
    Responder* start = target ? target : firstResponder();
    auto keep = keepAlive(start);
    if (start->tryToPerform(action, sender))
        return true;
    // The application object ends every chain (it answers what belongs to the whole program).
    return !target && Application::shared().tryToPerform(action, sender);
}

// --- Events ------------------------------------------------------------------------------------

void Window::sendEvent(const Event& event) {
    TK_CHECK_MAIN_THREAD();
    if (closed_)
        return;
    if (lookingAhead_) {
        queuedEvents_.push_back(event);
        return;
    }
    auto self = weak_from_this().lock();
    ++dispatchDepth_;
    dispatchEvent(event);
    --dispatchDepth_;
    if (dispatchDepth_ > 0)
        return; // the outermost dispatch runs the queue
    while (!queuedEvents_.empty() && !closed_) {
        const Event next = queuedEvents_.front();
        queuedEvents_.pop_front();
        ++dispatchDepth_;
        dispatchEvent(next);
        --dispatchDepth_;
    }
    queuedEvents_.clear();
}

void Window::queueEvent(const Event& event) {
    TK_CHECK_MAIN_THREAD();
    if (!closed_)
        queuedEvents_.push_back(event);
}

std::optional<Event> Window::nextEventMatching(const std::function<bool(const Event&)>& matches,
                                               Clock::TimePoint deadline, bool dequeue) {
    TK_CHECK_MAIN_THREAD();
    for (;;) {
        for (auto it = queuedEvents_.begin(); it != queuedEvents_.end(); ++it)
            if (matches(*it)) {
                Event found = *it;
                if (dequeue)
                    queuedEvents_.erase(it);
                return found;
            }
        if (closed_ || !native_ || lookingAhead_)
            return std::nullopt;
        lookingAhead_ = true;
        const bool more = native_->waitForEvents(deadline);
        lookingAhead_ = false;
        if (!more)
            return std::nullopt;
    }
}

void Window::dispatchEvent(const Event& event) {
    lastTimestamp_ = event.timestamp;
    if (event.type != EventType::textInput) {
        lastModifiers_ = event.modifierFlags;
        setCurrentModifierFlags(event.modifierFlags);
    }
    notePressedMouseButtons(event);
    if (event.isMouseEvent() && event.type != EventType::mouseCancelled)
        mouseLocation_ = event.locationInWindow;
    if (event.type == EventType::mouseMoved)
        toolTips_->pointerMoved(hitTest(event.locationInWindow), event.locationInWindow);
    else if (event.type == EventType::mouseDown || event.type == EventType::keyDown ||
             event.type == EventType::scrollWheel)
        toolTips_->dismiss();

    // A monitor may add or cancel monitors while it runs: the loop runs over a copy and skips the
    // ones cancelled meanwhile.
    const auto monitors = *eventMonitors_;
    for (const auto& m : monitors) {
        const bool live = std::any_of(eventMonitors_->begin(), eventMonitors_->end(),
                                      [&](const EventMonitor& e) { return e.id == m.id; });
        if (live && m.fn(event)) {
            updateCursor();
            return;
        }
    }

    if (event.button == MouseButton::left &&
        (event.type == EventType::mouseDown || event.type == EventType::mouseDragged ||
         event.type == EventType::mouseUp))
        feedRecognizers(event);

    switch (event.type) {
    case EventType::mouseDown:
        if (event.button == MouseButton::left)
            dispatchMouseDown(event);
        else if (event.button == MouseButton::right)
            dispatchRightMouse(event);
        break;
    case EventType::mouseDragged:
    case EventType::mouseUp:
        updateTracking(event);
        if (event.button == MouseButton::right)
            dispatchRightMouse(event);
        else if (event.button == MouseButton::left)
            dispatchMouseDragOrUp(event);
        break;
    case EventType::mouseMoved:
        updateTracking(event);
        break;
    case EventType::scrollWheel:
        offerUpChain(hitTest(event.locationInWindow), [&](Responder& r) { return r.scrollWheel(event); });
        break;
    case EventType::mouseCancelled:
        cancelTracking();
        break;
    case EventType::keyDown:
        dispatchKeyDown(event);
        break;
    case EventType::keyUp:
    case EventType::flagsChanged:
    case EventType::textInput:
        offerUpChain(firstResponder(), [&](Responder& r) {
            return event.type == EventType::keyUp          ? r.keyUp(event)
                   : event.type == EventType::flagsChanged ? r.flagsChanged(event)
                                                           : r.insertText(event.text);
        });
        break;
    case EventType::mouseEntered:
    case EventType::mouseExited:
        break; // the window makes these itself from moves
    }
    updateCursor();
}

void Window::feedRecognizers(const Event& event) {
    if (event.type == EventType::mouseDown) {
        if (capture_)
            cancelTracking(); // a gesture whose mouse-up never came (its recognisers with it)
        cancelRecognizers();
        for (View* v = hitTest(event.locationInWindow); v; v = v->superview())
            for (const auto& r : v->gestureRecognizers())
                recognizers_.push_back(r);
    }
    auto watching = recognizers_;
    if (event.type == EventType::mouseUp)
        recognizers_.clear();
    for (const auto& weak : watching) {
        auto r = weak.lock();
        if (!r || !r->view())
            continue;
        if (event.type == EventType::mouseDown)
            r->handleMouseDown(event);
        else if (event.type == EventType::mouseDragged)
            r->handleMouseDragged(event);
        else
            r->handleMouseUp(event);
    }
}

void Window::cancelRecognizers() {
    auto watching = std::move(recognizers_);
    recognizers_.clear();
    for (const auto& weak : watching)
        if (auto r = weak.lock())
            r->handleCancel();
}

void Window::dispatchMouseDown(const Event& event) {
    if (capture_)
        cancelTracking(); // a gesture whose mouse-up never came
    auto hitView = [&]() -> View* { return hitTest(event.locationInWindow); };
    // Focus first: the nearest view that accepts it, when a click focuses it (one that takes
    // text), else the window (ending any edit elsewhere). A button and its kin leave the focus
    // where it was: they take it from the keyboard only.
    View* focus = hitView();
    bool keepFocus = false;
    while (focus && !focus->acceptsFirstResponder()) {
        keepFocus = keepFocus || focus->clicksKeepFocus();
        focus = focus->superview();
    }
    keepFocus = keepFocus || (focus && !focus->takesFocusOnClick());
    if (focus != firstResponder_ && !keepFocus)
        makeFirstResponder(focus);
    // The focus change may have rebuilt the tree under the pointer.
    offerMouseDown(hitView(), event);
}

bool Window::offerMouseDown(View* hit, const Event& event) {
    const MouseButton button = event.button;
    return offerUpChain(hit, [&](Responder& r) {
        if (!(button == MouseButton::right ? r.rightMouseDown(event) : r.mouseDown(event)))
            return false;
        auto* view = dynamic_cast<View*>(&r);
        if (view && view->window() == this) {
            capture_ = view;
            captureButton_ = button;
        }
        return true;
    });
}

void Window::dispatchMouseDragOrUp(const Event& event) {
    if (captureButton_ == MouseButton::left)
        sendToCapture(capture_, event, &Responder::mouseDragged, &Responder::mouseUp);
}

void Window::dispatchRightMouse(const Event& event) {
    if (event.type == EventType::mouseDown) {
        if (capture_)
            cancelTracking();
        View* hit = hitTest(event.locationInWindow);
        if (offerMouseDown(hit, event))
            return;
        // Nobody took it: the nearest context menu, else the window's menu.
        for (View* v = hit; v; v = v->superview())
            if (auto menu = v->menuForEvent(event)) {
                popUpMenu(std::move(menu), event.locationInWindow);
                return;
            }
        if (menu_)
            popUpMenu(menu_, event.locationInWindow);
        return;
    }
    if (captureButton_ == MouseButton::right)
        sendToCapture(capture_, event, &Responder::rightMouseDragged, &Responder::rightMouseUp);
}

void Window::cancelTracking() {
    cancelRecognizers();
    if (!capture_)
        return;
    View* view = capture_;
    capture_ = nullptr;
    auto keep = keepAlive(view);
    Event cancel = pointerEvent(EventType::mouseCancelled);
    cancel.button = captureButton_;
    view->mouseCancelled(cancel);
}

Event Window::pointerEvent(EventType type) const {
    Event e;
    e.type = type;
    e.timestamp = lastTimestamp_;
    e.locationInWindow = mouseLocation_;
    e.modifierFlags = lastModifiers_;
    return e;
}

void Window::dispatchKeyDown(const Event& event) {
    const ModifierFlags m = event.modifierFlags;
    // Shortcuts: the menu's, then the views' (a button's key equivalent); keys without Command or
    // Control go to the focus first and are shortcuts only when it leaves them.
    const bool shortcut = contains(m, ModifierFlags::command) || contains(m, ModifierFlags::control);
    if (shortcut && (performKeyEquivalent(event) || viewsPerformKeyEquivalent(event)))
        return;
    if (offerUpChain(firstResponder(), [&](Responder& r) { return r.keyDown(event); }))
        return;
    if (!shortcut && viewsPerformKeyEquivalent(event))
        return;
    // Escape left over cancels: a sheet ends, a panel closes (whoever answers "cancelOperation:").
    if (event.keyCode == KeyCode::escape && (m & kShortcutModifierMask) == ModifierFlags::none) {
        sendAction("cancelOperation:", nullptr, ActionSender{});
        return;
    }
    // F10 opens the window's menu, as on other desktops of this platform.
    if (event.keyCode == KeyCode::f10 && (m & kShortcutModifierMask) == ModifierFlags::none && menu_) {
        popUpMenu(menu_, Point{8, 8});
        return;
    }
    if (event.keyCode == KeyCode::tab && !contains(m, ModifierFlags::control) &&
        !contains(m, ModifierFlags::command) && !contains(m, ModifierFlags::option)) {
        if (contains(m, ModifierFlags::shift))
            selectPreviousKeyView();
        else
            selectNextKeyView();
    }
}

// --- Tracking areas and cursor -----------------------------------------------------------------

namespace {
struct AreaHit {
    View* view;
    const TrackingArea* area;
};

void collectAreasAt(View& view, Point inWindow, std::vector<AreaHit>& out) {
    if (view.isHidden() || !view.allowsHitTesting())
        return;
    if (!view.trackingAreas().empty() || view.cursor()) {
        const Point local = view.convertFromWindow(inWindow);
        for (auto& area : view.trackingAreas()) {
            const Rect r =
                contains(area->options(), TrackingOptions::inVisibleRect) ? view.bounds() : area->rect();
            if (r.contains(local))
                out.push_back({&view, area.get()});
        }
    }
    for (auto& child : view.subviews())
        collectAreasAt(*child, inWindow, out);
}

bool stillHas(View& view, const TrackingArea* area) {
    for (auto& a : view.trackingAreas())
        if (a.get() == area)
            return true;
    return false;
}
} // namespace

void Window::updateTracking(const Event& event) {
    std::vector<AreaHit> now;
    for (auto& root : rootViews())
        collectAreasAt(*root, event.locationInWindow, now);
    std::vector<const TrackingArea*> nowAreas;
    for (auto& h : now)
        nowAreas.push_back(h.area);

    // Exits first (of areas that are still around), then entries, then moves.
    auto previous = hovered_;
    hovered_ = nowAreas;
    for (const TrackingArea* area : previous) {
        if (std::find(nowAreas.begin(), nowAreas.end(), area) != nowAreas.end())
            continue;
        View* view = area->view();
        if (!contains(area->options(), TrackingOptions::mouseEnteredAndExited))
            continue;
        auto keep = keepAlive(view);
        Event exited = derivedEvent(EventType::mouseExited, event);
        exited.trackingArea = area;
        view->mouseExited(exited);
    }
    for (auto& h : now) {
        if (std::find(previous.begin(), previous.end(), h.area) != previous.end())
            continue;
        if (h.view->window() != this || !stillHas(*h.view, h.area))
            continue;
        if (!contains(h.area->options(), TrackingOptions::mouseEnteredAndExited))
            continue;
        auto keep = keepAlive(h.view);
        Event entered = derivedEvent(EventType::mouseEntered, event);
        entered.trackingArea = h.area;
        h.view->mouseEntered(entered);
    }
    if (event.type == EventType::mouseMoved) {
        for (auto& h : now) {
            if (h.view->window() != this || !stillHas(*h.view, h.area))
                continue;
            if (!contains(h.area->options(), TrackingOptions::mouseMoved))
                continue;
            auto keep = keepAlive(h.view);
            Event moved = event;
            moved.trackingArea = h.area;
            h.view->mouseMoved(moved);
        }
    }
}

void Window::forgetTrackingIn(View& subtree) {
    std::vector<const TrackingArea*> leaving;
    std::erase_if(hovered_, [&](const TrackingArea* a) {
        const bool inside = a->view() && a->view()->isDescendantOf(subtree);
        if (inside)
            leaving.push_back(a);
        return inside;
    });
    // The pointer is no longer over them: each hears of it, as if it had moved away.
    for (const TrackingArea* area : leaving) {
        if (!contains(area->options(), TrackingOptions::mouseEnteredAndExited))
            continue;
        View* view = area->view();
        auto keep = keepAlive(view);
        Event exited = pointerEvent(EventType::mouseExited);
        exited.trackingArea = area;
        view->mouseExited(exited);
    }
    updateCursor();
}

void Window::trackingAreaWillBeRemoved(const TrackingArea* area) {
    std::erase(hovered_, area);
}

Cursor Window::currentCursor() const {
    if (!cursorStack_.empty())
        return cursorStack_.top();
    // While a gesture runs the cursor stays with the captured view.
    const View* start = capture_;
    if (!start)
        start = hitTest(mouseLocation_);
    // Areas that set a cursor, topmost (last in tree order) first.
    for (auto it = hovered_.rbegin(); it != hovered_.rend(); ++it)
        if (contains((*it)->options(), TrackingOptions::cursorUpdate) && (*it)->cursor())
            return *(*it)->cursor();
    for (const View* v = start; v; v = v->superview())
        if (v->cursor())
            return *v->cursor();
    return Cursor::arrow;
}

void Window::updateCursor() {
    if (auto image = cursorStack_.topImage()) {
        if (image != shownImageCursor_) {
            shownImageCursor_ = image;
            if (native_)
                native_->setImageCursor(*image);
        }
        return;
    }
    const Cursor c = currentCursor();
    if (c == shownCursor_ && !shownImageCursor_)
        return;
    shownImageCursor_.reset();
    shownCursor_ = c;
    if (native_)
        native_->setCursor(c);
}

void Window::viewSubtreeWillDisappear(View& view) {
    if (dropTarget_ && dropTarget_->isDescendantOf(view))
        dropTarget_ = nullptr; // a leaving view hears no more of the drag
    if (toolTips_)
        toolTips_->viewWillDisappear(view);
    if (capture_ && capture_->isDescendantOf(view))
        cancelTracking();
    if (firstResponder_ && firstResponder_->isDescendantOf(view)) {
        View* leaving = firstResponder_;
        auto keep = keepAlive(leaving);
        // A view that leaves cannot keep the focus, whatever it answers.
        leaving->resignFirstResponder();
        if (firstResponder_ == leaving)
            setFirstResponderField(nullptr);
    }
    forgetTrackingIn(view);
}

// --- Drawing (render() and display() are in WindowDrawing.cpp) ----------------------------------

void Window::viewNeedsLayout() {
    needsLayout_ = true;
    // Layout marks what it moves; the display pass runs it.
    requestDisplay();
}

void Window::setBackgroundColor(Color color) {
    if (color == backgroundColor_)
        return;
    backgroundColor_ = color;
    setNeedsDisplay();
}

void Window::setNeedsDisplay() {
    wholeNeedsDisplay_ = true;
    requestDisplay();
}

void Window::setNeedsDisplayInRect(const Rect& rect) {
    const Rect r = rect.standardized();
    const bool finite =
        std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
    if (!finite)
        wholeNeedsDisplay_ = true;
    if (wholeNeedsDisplay_ || r.isEmpty())
        return requestDisplay();
    dirtyRect_ = dirtyRect_.isEmpty() ? r : dirtyRect_.unionWith(r);
    requestDisplay();
}

void Window::requestDisplay() {
    if (needsDisplay_)
        return;
    needsDisplay_ = true;
    if (native_ && !closed_)
        native_->setNeedsDisplay();
}

void Window::layoutIfNeeded() {
    // Layout can ask for more layout (a child's size depends on its parent's); a few passes settle it.
    for (int pass = 0; pass < 8 && needsLayout_; ++pass) {
        needsLayout_ = false;
        for (auto& root : rootViews())
            root->layoutSubtreeIfNeeded();
    }
}

// --- Menu --------------------------------------------------------------------------------------

void Window::setMenu(std::shared_ptr<Menu> menu) {
    menu_ = std::move(menu);
}

bool Window::performKeyEquivalent(const Event& event) {
    if (!menu_)
        return false;
    if (const MenuItem* item = menu_->itemForKeyEquivalent(event)) {
        const MenuItem copy = *item; // the handler may edit the menu
        return performMenuItem(copy);
    }
    return false;
}

bool Window::viewsPerformKeyEquivalent(const Event& event) {
    const auto roots = rootViews();
    for (auto it = roots.rbegin(); it != roots.rend(); ++it)
        if (!(*it)->isHidden() && (*it)->performKeyEquivalent(event))
            return true;
    return false;
}

bool Window::performMenuItem(const MenuItem& item) {
    if (!item.enabled || item.isSeparator)
        return false;
    if (item.handler) {
        item.handler(item);
        return true;
    }
    auto target = item.target.lock();
    return sendAction(item.action, target.get(), ActionSender{nullptr, &item});
}

void Window::popUpMenu(std::shared_ptr<Menu> menu, Point location) {
    if (!menu || closed_)
        return;
    menu->update();
    backend_->menuPresenter().present(*this, std::move(menu), location);
}

bool Window::beginDraggingSession(const DragItem& item, View& source, const Event& event) {
    if (closed_ || !native_ || source.window() != this)
        return false;
    return native_->beginDrag(item, event);
}

// --- Drops -------------------------------------------------------------------------------------

View* Window::dropTargetAt(const DraggingInfo& info) const {
    for (View* v = hitTest(info.locationInWindow); v; v = v->superview())
        if (!v->registeredDraggedTypes().empty() && info.hasAnyType(v->registeredDraggedTypes()))
            return v;
    return nullptr;
}

DragOperation Window::draggingUpdated(const DraggingInfo& info) {
    if (closed_)
        return DragOperation::none;
    View* target = dropTargetAt(info);
    if (target != dropTarget_) {
        if (View* previous = std::exchange(dropTarget_, nullptr)) {
            auto keep = keepAlive(previous);
            previous->draggingExited(info);
        }
        dropOperation_ = DragOperation::none;
        if (target) {
            auto keep = keepAlive(target);
            dropOperation_ = target->draggingEntered(info) & info.sourceOperationMask;
            if (target->window() == this)
                dropTarget_ = target;
        }
    } else if (target) {
        auto keep = keepAlive(target);
        if (const auto operation = target->draggingUpdated(info))
            dropOperation_ = *operation & info.sourceOperationMask;
    }
    return dropTarget_ ? dropOperation_ : DragOperation::none;
}

void Window::draggingExited(const DraggingInfo& info) {
    dropOperation_ = DragOperation::none;
    if (View* previous = std::exchange(dropTarget_, nullptr)) {
        auto keep = keepAlive(previous);
        previous->draggingExited(info);
    }
}

bool Window::performDragOperation(const DraggingInfo& info) {
    const DragOperation operation = draggingUpdated(info);
    View* target = std::exchange(dropTarget_, nullptr);
    dropOperation_ = DragOperation::none;
    if (!target)
        return false;
    auto keep = keepAlive(target);
    if (operation == DragOperation::none) {
        target->draggingExited(info);
        return false;
    }
    if (!target->prepareForDragOperation(info) || !target->performDragOperation(info))
        return false;
    target->concludeDragOperation(info);
    return true;
}

// --- Placement and sheets -----------------------------------------------------------------------

void Window::setFrameOrigin(Point origin) {
    TK_CHECK_MAIN_THREAD();
    if (origin == frameOrigin_)
        return;
    frameOrigin_ = origin;
    if (native_)
        native_->setFrameOrigin(origin);
    saveFrameIfAutosaved();
}

void Window::setFrame(const Rect& frame, bool display) {
    TK_CHECK_MAIN_THREAD();
    const Rect f = frame.standardized();
    if (f.origin != frameOrigin_) {
        frameOrigin_ = f.origin;
        if (native_)
            native_->setFrameOrigin(f.origin);
    }
    if (f.size != contentSize_)
        setContentSize(f.size);
    saveFrameIfAutosaved();
    if (display)
        this->display();
}

std::optional<Screen> Window::screen() const {
    std::optional<Screen> best;
    double bestArea = 0;
    for (const Screen& s : backend_->screens()) {
        const Rect overlap = s.frame.intersection(frame());
        const double area = overlap.width() * overlap.height();
        if (area > bestArea) {
            bestArea = area;
            best = s;
        }
    }
    return best;
}

void Window::setFrameAutosaveName(std::string name) {
    TK_CHECK_MAIN_THREAD();
    frameAutosaveName_ = std::move(name);
    frameWasRestored_ = false;
    if (frameAutosaveName_.empty())
        return;
    if (auto saved = savedFrame(frameAutosaveName_)) {
        const std::string keep = frameAutosaveName_;
        frameAutosaveName_.clear(); // restoring is no change to save
        setFrame(*saved);
        frameAutosaveName_ = keep;
        frameWasRestored_ = true;
    } else {
        saveFrameIfAutosaved();
    }
}

void Window::saveFrameIfAutosaved() {
    if (!frameAutosaveName_.empty() && !closed_)
        saveFrame(frameAutosaveName_, frame());
}

void Window::orderOut() {
    TK_CHECK_MAIN_THREAD();
    if (!visible_)
        return;
    visible_ = false;
    if (key_)
        resignKeyWindow();
    if (native_)
        native_->hide();
}

bool Window::beginSheet(std::shared_ptr<Window> sheet, std::function<void(int)> completion) {
    TK_CHECK_MAIN_THREAD();
    if (!sheet || sheet.get() == this || sheet_ || closed_ || sheet->sheetParent())
        return false;
    sheet_ = sheet;
    sheetCompletion_ = std::move(completion);
    sheet->sheetParent_ = sharedWindow();
    const Rect parent = frame();
    sheet->setFrameOrigin({parent.midX() - sheet->contentSize().width / 2, parent.minY()});
    Window* raw = sheet.get();
    std::weak_ptr<Responder> weakParent = weak_from_this();
    sheet->setActionHandler("cancelOperation:", [weakParent, raw](const ActionSender&) {
        if (auto parentWindow = std::static_pointer_cast<Window>(weakParent.lock()))
            parentWindow->endSheet(*raw);
    });
    sheet->makeKeyAndOrderFront();
    return true;
}

Appearance Window::effectiveAppearance() const {
    return appearance_.value_or(Application::shared().effectiveAppearance());
}

void Window::endSheet(Window& sheet, int response) {
    TK_CHECK_MAIN_THREAD();
    if (sheet_.get() != &sheet)
        return;
    auto keep = sheet_;
    sheet_.reset();
    auto completion = std::exchange(sheetCompletion_, nullptr);
    sheet.sheetParent_.reset();
    sheet.setActionHandler("cancelOperation:", nullptr);
    sheet.orderOut();
    if (!closed_)
        makeKeyAndOrderFront();
    if (completion)
        completion(response);
}

} // namespace tk
