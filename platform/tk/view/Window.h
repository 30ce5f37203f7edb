#pragma once

// Window: a top-level surface holding one content view tree.
//
// It owns the content view, keeps the key (keyboard-focus) state and the first responder, routes
// the events its backend (or a test) hands to sendEvent(), lays out and draws its tree into a
// graphics context on demand, and knows its menu. The native side (an SDL window, or a headless
// image) is made by the current backend when the window is made; code above the toolkit never sees
// which one it is.
//
// Event routing:
//   - mouse-down: hit test; the deepest view and then its responder chain get mouseDown until one
//     handles it; that one captures the gesture (drags and the mouse-up go to it). Before that the
//     focus moves: the nearest view from the hit view upwards that accepts first responder becomes
//     first responder when a click focuses it (View::takesFocusOnClick: views that take text),
//     and stays where it was when not (buttons take the focus from Tab only); with no such view
//     the window itself becomes first responder (so clicking elsewhere ends an edit).
//   - cancelTracking(), removing the captured view from the window and close() send the captured
//     view mouseCancelled() once; the gesture is then over.
//   - moves and drags update the tracking areas (entered/exited, moved) and the cursor. A subtree
//     that leaves the window or is hidden ends its hovering: its areas that were entered are
//     exited.
//   - key-down: with command or control held, the menu's key equivalents and then the views' (see
//     View::performKeyEquivalent) first; then the first responder's chain; a key without those
//     modifiers that the chain leaves goes to the views' key equivalents; Tab and Shift-Tab left
//     over move the focus along the key view loop, and F10 shows the window's menu.
//   - a right click no view handles shows the nearest view's menuForEvent(), else the window's menu.
//   - text input: insertText() along the first responder's chain.
//
// Windows are made with Window::make(); all members are [main].

#include "platform/tk/base/AssociatedObjects.h"
#include "platform/tk/base/ChangeNotifier.h"
#include "platform/tk/base/Clock.h"
#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/view/Appearance.h"
#include "platform/tk/view/Cursor.h"
#include "platform/tk/view/DragItem.h"
#include "platform/tk/view/Dragging.h"
#include "platform/tk/view/Event.h"
#include "platform/tk/view/Responder.h"

#include "platform/tk/view/Screen.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class Backend;
class FieldEditor;
class BitmapContext;
class Occlusion;
class GestureRecognizer;
class GraphicsContext;
class Menu;
class MenuItem;
class NativeWindow;
class ToolTipController;
class TrackingArea;
class View;

class Window : public Responder {
public:
    struct Options {
        Size contentSize{400, 300};
        std::string title;
        std::string identifier;
        // Pixels per point; 0 lets the backend decide (the display's scale).
        double backingScaleFactor = 0;
        // Whether the user may resize it (the content view follows).
        bool resizable = true;
    };

    // Makes the window and its native side through the current backend. Not yet shown.
    static std::shared_ptr<Window> make(const Options& options);
    static std::shared_ptr<Window> make(Size contentSize, std::string title = {});
    ~Window() override;

    std::shared_ptr<Window> sharedWindow();

    // --- Content ---------------------------------------------------------------------------
    View* contentView() const { return contentView_.get(); }
    std::shared_ptr<View> sharedContentView() const { return contentView_; }
    // The view is sized to the content size and follows it.
    void setContentView(std::shared_ptr<View> view);
    // Views above the content (menus, popovers): drawn after it and hit first, sized by whoever adds
    // them (window coordinates). A view's removeFromSuperview() takes an overlay away too.
    void addOverlayView(std::shared_ptr<View> view);
    void removeOverlayView(View* view);
    bool isOverlayView(const View* view) const;
    const std::vector<std::shared_ptr<View>>& overlayViews() const { return overlays_; }
    // The deepest view at a window location: overlays first, then the content view's tree.
    View* hitTest(Point locationInWindow) const;

    Size contentSize() const { return contentSize_; }
    void setContentSize(Size size);
    // Pixels per point of the backing surface (1 or 2).
    double backingScaleFactor() const { return backingScaleFactor_; }
    void setBackingScaleFactor(double scale); // the backend tells; clamped to 1..4

    const std::string& title() const { return title_; }
    void setTitle(std::string title);
    const std::string& identifier() const { return identifier_; }
    void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }

    // --- Showing, key state, closing -------------------------------------------------------
    bool isVisible() const { return visible_; }
    void orderFront();
    // Shows the window and asks for keyboard focus (headless: it becomes key at once).
    void makeKeyAndOrderFront();
    bool isKeyWindow() const { return key_; }
    // The backend reports focus gained and lost; observers hear of each change once.
    void becomeKeyWindow();
    void resignKeyWindow();
    [[nodiscard]] Subscription observeKeyState(std::function<void(Window&, bool isKey)> observer);
    // Cancels a running gesture, tells observers, detaches the tree and closes the native window.
    // A closed window stays closed; calling it again does nothing.
    void close();
    bool isClosed() const { return closed_; }
    [[nodiscard]] Subscription observeWillClose(std::function<void(Window&)> observer);

    // --- Placement (screen coordinates: points, top-left origin, y down) ----------------------
    // The content's rect on the screen (the window system draws any decorations outside it).
    Rect frame() const { return {frameOrigin_, contentSize_}; }
    void setFrameOrigin(Point origin);
    // Moves and resizes; `display` renders at once.
    void setFrame(const Rect& frame, bool display = false);
    // The screen the frame overlaps most; none when it is on no screen.
    std::optional<Screen> screen() const;
    // Restores the frame saved under `name` (FrameAutosave.h) when there is one, and saves the frame
    // there after every change from now on. An empty name stops saving.
    void setFrameAutosaveName(std::string name);
    const std::string& frameAutosaveName() const { return frameAutosaveName_; }
    // Whether the last setFrameAutosaveName() found a saved frame and moved the window there.
    bool frameWasRestored() const { return frameWasRestored_; }
    // Takes the window off the screen without closing it.
    void orderOut();

    // --- Sheets ----------------------------------------------------------------------------
    // Shows `sheet` attached to this window: at the top of this window, centred, key while it
    // shows. Escape in the sheet (an unhandled "cancelOperation:") ends it with kSheetResponseStop.
    // One sheet at a time: a second one is refused (false).
    bool beginSheet(std::shared_ptr<Window> sheet, std::function<void(int response)> completion = {});
    // Takes `sheet` away, makes this window key again and hands `response` to the completion.
    void endSheet(Window& sheet, int response = kSheetResponseStop);
    Window* attachedSheet() const { return sheet_.get(); }
    Window* sheetParent() const { return sheetParent_.lock().get(); }
    static constexpr int kSheetResponseStop = -1000;

    // --- Modal use and appearance ------------------------------------------------------------
    // Whether the program may not end while this window runs modally (Application::
    // prepareToTerminate); true unless set otherwise.
    bool preventsApplicationTerminationWhenModal() const { return preventsTerminationWhenModal_; }
    void setPreventsApplicationTerminationWhenModal(bool prevents) {
        preventsTerminationWhenModal_ = prevents;
    }
    // The appearance given to this window; none takes the application's.
    std::optional<Appearance> appearance() const { return appearance_; }
    void setAppearance(std::optional<Appearance> appearance) { appearance_ = appearance; }
    Appearance effectiveAppearance() const;

    // --- Responders ------------------------------------------------------------------------
    // The focused responder: a view of this window's tree, or the window itself.
    Responder* firstResponder() const;
    // The focused view; none while the window itself is first responder.
    View* firstResponderView() const { return firstResponder_; }
    // Moves the focus: the current one must agree to resign, the new one must accept and agree to
    // become; null means the window itself. Returns whether `responder` is now first responder.
    bool makeFirstResponder(Responder* responder);
    // Calls `observer` after every change of the first responder (focus moved, the focused view left
    // the window, the window closed), synchronously; it reads firstResponder() for the new one.
    [[nodiscard]] Subscription observeFirstResponder(std::function<void(Window&)> observer);
    // Tab / Shift-Tab: the focused view's next or previous key view when it has one that can take
    // the focus, else the next or previous view (tree order) that can become key view.
    void selectNextKeyView();
    void selectPreviousKeyView();
    // The window's one field editor, made on first use: the focused text field edits through it.
    FieldEditor& fieldEditor();
    // The field editor if it was made.
    FieldEditor* existingFieldEditor() const { return fieldEditor_.get(); }
    // The responder after the window in the chain (an application object, for instance).
    Responder* nextResponder() const override;
    void setNextResponder(std::weak_ptr<Responder> next) { nextResponder_ = std::move(next); }

    // Sends `action` to `target`, or up the chain from the first responder when `target` is null.
    bool sendAction(std::string_view action, Responder* target, const ActionSender& sender);

    // --- Events ----------------------------------------------------------------------------
    // Dispatches one event (from the backend, or injected by a test), then the events queued behind
    // it. While a handler looks ahead (nextEventMatching) arriving events are queued instead.
    void sendEvent(const Event& event);
    // An event that has already arrived behind the next one sent: it waits in the queue (where a
    // handler of the earlier event can see it) and is dispatched right after that event.
    void queueEvent(const Event& event);
    // Looks ahead from inside a handler (press-and-hold): the first queued event that `matches`,
    // waiting for the window system to deliver more until `deadline` (main run loop clock). The
    // event stays queued (and is dispatched later as usual) unless `dequeue`. Nothing when none
    // arrived in time.
    std::optional<Event> nextEventMatching(const std::function<bool(const Event&)>& matches,
                                           Clock::TimePoint deadline, bool dequeue = false);
    // Calls `monitor` with every event this window dispatches, before the views see it (a popover
    // watching for clicks outside it). A monitor that returns true consumes the event: nothing else
    // gets it. Monitors run in the order they were added.
    [[nodiscard]] Subscription monitorEvents(std::function<bool(const Event&)> monitor);
    // The view that captured the pointer gesture in progress, if any.
    View* mouseCaptureView() const { return capture_; }
    // Ends the gesture in progress: the captured view gets mouseCancelled().
    void cancelTracking();
    // Pointer location (window coordinates) of the last pointer event.
    Point mouseLocation() const { return mouseLocation_; }

    // --- Drawing ---------------------------------------------------------------------------
    // The colour under the content (the frame is cleared to it before the tree draws); clear by
    // default.
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color);
    // The whole window is drawn again at the next display.
    void setNeedsDisplay();
    // Only `rect` (window points) changed: the next displayIfNeeded() draws the union of such
    // rects, clipped to it, over the last frame (views mark theirs through View::setNeedsDisplay).
    void setNeedsDisplayInRect(const Rect& rect);
    bool needsDisplay() const { return needsDisplay_; }
    // The next display draws the whole window (nothing smaller to keep track of).
    bool wholeNeedsDisplay() const { return wholeNeedsDisplay_; }
    // While one is held, the views of the window do not mark what they draw as they move or
    // change: the holder lays out one branch whose old drawing it marked, and marks all of the
    // branch once afterwards (one mark instead of one per view).
    class DeferredDisplayMarks {
    public:
        explicit DeferredDisplayMarks(Window* window) : window_(window) {
            if (window_)
                ++window_->deferredDisplayMarks_;
        }
        ~DeferredDisplayMarks() {
            if (window_)
                --window_->deferredDisplayMarks_;
        }
        DeferredDisplayMarks(const DeferredDisplayMarks&) = delete;
        DeferredDisplayMarks& operator=(const DeferredDisplayMarks&) = delete;

    private:
        Window* window_;
    };
    bool displayMarksDeferred() const { return deferredDisplayMarks_ > 0; }
    void layoutIfNeeded();
    // Lays out and renders the tree into `context`, whose coordinates are the window's points.
    void render(GraphicsContext& context);
    // Lays out, renders what changed and hands the frame to the native window when something
    // changed.
    void displayIfNeeded();
    // Lays out and renders the whole window.
    void display();
    // The pixels of the last display() (null before the first one).
    const BitmapContext* lastFrame() const { return backing_.get(); }

    // --- Drops (drags from elsewhere, reported by the backend or injected by a test) ---------
    // The drop target under a drag is the deepest view under the pointer, or its nearest ancestor,
    // that registered a type of one of the dragged items (View::registerForDraggedTypes).
    // The drag moved: a new target hears draggingEntered (the one it leaves draggingExited), the
    // same target draggingUpdated. Returns the operation the target takes, within the source's
    // mask; none without a target.
    DragOperation draggingUpdated(const DraggingInfo& info);
    // The drag left the window or was given up.
    void draggingExited(const DraggingInfo& info);
    // The drop: after a last update, a target that takes it hears prepareForDragOperation,
    // performDragOperation and concludeDragOperation; one that refuses hears draggingExited.
    // True when the target took the things.
    bool performDragOperation(const DraggingInfo& info);

    // --- Tool tips -------------------------------------------------------------------------
    // Shown after the pointer rests over a view with a tool tip (see ToolTips.h).
    ToolTipController& toolTips() const { return *toolTips_; }

    // --- Cursor ----------------------------------------------------------------------------
    CursorStack& cursorStack() { return cursorStack_; }
    // The cursor for the pointer's position now (stack, then cursor rects and areas, then arrow).
    Cursor currentCursor() const;
    void updateCursor();

    // --- Menu ------------------------------------------------------------------------------
    void setMenu(std::shared_ptr<Menu> menu);
    Menu* menu() const { return menu_.get(); }
    // Finds the enabled item whose key equivalent matches and performs it.
    bool performKeyEquivalent(const Event& event);
    // Performs a menu item: its handler, else its action to its target or up the chain.
    bool performMenuItem(const MenuItem& item);
    // Shows `menu` at `location` (window coordinates) through the backend's menu presenter.
    void popUpMenu(std::shared_ptr<Menu> menu, Point location);

    // --- Backend ---------------------------------------------------------------------------
    NativeWindow* nativeWindow() const { return native_.get(); }
    // The backend that made this window (its clipboard, menus and URLs serve the window's views).
    Backend& backend() const { return *backend_; }
    bool beginDraggingSession(const DragItem& item, View& source, const Event& event);

    // The tree calls these: a subtree leaves the window or is hidden (its gesture is cancelled, its
    // focus and hovering end); a tracking area goes away; some view needs layout.
    void viewSubtreeWillDisappear(View& view);
    void trackingAreaWillBeRemoved(const TrackingArea* area);
    void viewNeedsLayout();

    // Objects the window keeps alive for others until it is destroyed (see AssociatedObjects.h).
    AssociatedObjects& associatedObjects() { return associatedObjects_; }

    explicit Window(const Options& options); // use make()

private:
    void dispatchEvent(const Event& event);
    // An event of `type` where and when the pointer was last seen, with the modifiers held then.
    Event pointerEvent(EventType type) const;
    // Hands the left-button gesture's events to the recognisers of the hit view and its ancestors.
    void feedRecognizers(const Event& event);
    void cancelRecognizers();
    void dispatchMouseDown(const Event& event);
    void dispatchMouseDragOrUp(const Event& event);
    void dispatchRightMouse(const Event& event);
    // Offers a left or right mouse-down to `hit` and up its responder chain; the view that takes
    // it, if still in this window, captures the gesture. Returns whether one took it.
    bool offerMouseDown(View* hit, const Event& event);
    void dispatchKeyDown(const Event& event);
    // Offers a key-down to the views' key equivalents (overlays, then the content view's tree).
    bool viewsPerformKeyEquivalent(const Event& event);
    void updateTracking(const Event& event);
    void forgetTrackingIn(View& subtree);
    void notifyKeyState();
    void setFirstResponderField(View* view);
    std::vector<std::shared_ptr<View>> rootViews() const;
    View* dropTargetAt(const DraggingInfo& info) const;
    // The views Tab moves the focus through, in tree order.
    std::vector<View*> keyViewLoop() const;
    // The view the focused view's key view links lead to (see View::nextKeyView), if any.
    View* linkedKeyView(bool forward) const;
    // Tab and Shift-Tab: the linked key view, else the next (previous) view of the loop, wrapping.
    void selectKeyView(bool forward);

    void saveFrameIfAutosaved();

    std::shared_ptr<View> contentView_;
    std::vector<std::shared_ptr<View>> overlays_;
    std::shared_ptr<Backend> backend_; // outlives native_, which refers to it
    std::unique_ptr<NativeWindow> native_;
    std::unique_ptr<BitmapContext> backing_;
    Size contentSize_;
    Point frameOrigin_{100, 100};
    std::string frameAutosaveName_;
    bool frameWasRestored_ = false;
    std::shared_ptr<Window> sheet_;
    std::weak_ptr<Window> sheetParent_;
    std::function<void(int)> sheetCompletion_;
    bool preventsTerminationWhenModal_ = true;
    std::optional<Appearance> appearance_;
    double backingScaleFactor_ = 1;
    std::string title_;
    std::string identifier_;
    std::weak_ptr<Responder> nextResponder_;
    View* firstResponder_ = nullptr; // null: the window itself
    ChangeNotifier firstResponderNotifier_;
    View* capture_ = nullptr;
    MouseButton captureButton_ = MouseButton::left;
    Point mouseLocation_;
    ModifierFlags lastModifiers_ = ModifierFlags::none;
    double lastTimestamp_ = 0;
    std::vector<const TrackingArea*> hovered_; // areas the pointer is inside, in tree order
    Cursor shownCursor_ = Cursor::arrow;
    std::shared_ptr<const ImageCursor> shownImageCursor_;
    CursorStack cursorStack_;
    std::shared_ptr<Menu> menu_;
    std::unique_ptr<ToolTipController> toolTips_;
    std::unique_ptr<FieldEditor> fieldEditor_;
    View* dropTarget_ = nullptr; // the view under the drag that came in, if it takes it
    DragOperation dropOperation_ = DragOperation::none;
    Color backgroundColor_ = Color::clear();
    struct KeyObserver {
        int id;
        std::function<void(Window&, bool)> fn;
    };
    struct CloseObserver {
        int id;
        std::function<void(Window&)> fn;
    };
    struct EventMonitor {
        int id;
        std::function<bool(const Event&)> fn;
    };
    std::shared_ptr<std::vector<KeyObserver>> keyObservers_ = std::make_shared<std::vector<KeyObserver>>();
    std::shared_ptr<std::vector<CloseObserver>> closeObservers_ =
        std::make_shared<std::vector<CloseObserver>>();
    std::shared_ptr<std::vector<EventMonitor>> eventMonitors_ = std::make_shared<std::vector<EventMonitor>>();
    int nextObserverId_ = 1;
    std::deque<Event> queuedEvents_;
    // The recognisers watching the left-button gesture in progress.
    std::vector<std::weak_ptr<GestureRecognizer>> recognizers_;
    int dispatchDepth_ = 0;
    bool lookingAhead_ = false;
    bool visible_ = false;
    bool key_ = false;
    bool closed_ = false;
    bool needsDisplay_ = true;
    bool needsLayout_ = true;
    bool wholeNeedsDisplay_ = true;
    int deferredDisplayMarks_ = 0;
    Rect dirtyRect_; // window points; empty when nothing but a whole redraw is due

    void requestDisplay();
    void redraw(bool whole);
    // Draws `area` (window points) into the backing: clears, then draws, what no opaque view hides.
    void drawIntoBacking(const Rect& area);
    // With `occlusion`, what opaque views hide is left out.
    void renderArea(GraphicsContext& context, const Rect& area, Occlusion* occlusion = nullptr);

    // Last, so destroyed first, while the rest of the window is still whole.
    AssociatedObjects associatedObjects_;
};

} // namespace tk
