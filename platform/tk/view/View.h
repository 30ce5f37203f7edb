#pragma once

// View: one node of the retained view tree that every window draws and routes events through.
//
// Tree rules:
//   - Coordinates: a view's frame is in its superview's coordinates; its bounds are its own
//     coordinate system. Both have the top-left origin with y growing downwards. Bounds of another
//     size than the frame scale the content (a 616 x 678 bounds in a 308 x 339 frame draws at half
//     size); a bounds origin other than zero scrolls it.
//   - Drawing: a view draws itself first, then its subviews in order (the last is on top). Hidden
//     views and their subtrees are skipped; alpha applies to the view with its subtree. Content
//     outside the bounds shows unless clipsToBounds is set.
//   - Events: pointer events go to the topmost visible view under the pointer (the last subview
//     first, depth first); a view that does not handle one passes it to its next responder
//     (superview ... window). A handled event stops there. The view that handles a mouse-down
//     captures the pointer: the drags and the mouse-up of that gesture go to it wherever the pointer
//     is, and when the gesture cannot finish (grab lost, view removed, window closed) it receives
//     mouseCancelled() instead of mouseUp().
//   - Keyboard events and text go to the window's first responder and up its chain.
//
// Life cycle: views are made with View::make<T>(args...), which constructs and then calls setup(),
// so that a subclass's set-up code runs with the subclass complete. A superview owns its
// subviews (shared pointers); superview() and window() are plain back references kept by the tree.
//
// All members are [main].

#include "platform/tk/base/AssociatedObjects.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Cursor.h"
#include "platform/tk/view/DragItem.h"
#include "platform/tk/view/Dragging.h"
#include "platform/tk/view/Event.h"
#include "platform/tk/view/Layer.h"
#include "platform/tk/view/LayoutPriority.h"
#include "platform/tk/view/Responder.h"
#include "platform/tk/view/TrackingArea.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class GestureRecognizer;
class GraphicsContext;
class Menu;
class Occlusion;
class Window;

// Which margins and sides follow a superview's size change (classic numbering). Top-left origin:
// minYMargin is the top margin.
enum class AutoresizingMask : std::uint32_t {
    none = 0,
    minXMargin = 1,
    widthSizable = 2,
    maxXMargin = 4,
    minYMargin = 8,
    heightSizable = 16,
    maxYMargin = 32,
};
constexpr AutoresizingMask operator|(AutoresizingMask a, AutoresizingMask b) {
    return static_cast<AutoresizingMask>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool contains(AutoresizingMask set, AutoresizingMask m) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(m)) != 0;
}

enum class SubviewOrder { above, below };

class View : public Responder {
public:
    // Marks an intrinsic size component that the view does not have.
    static constexpr double kNoIntrinsicMetric = -1;

    // Constructs a T and then runs its setup(). Always make views this way.
    template <class T = View, class... Args> static std::shared_ptr<T> make(Args&&... args) {
        auto view = std::make_shared<T>(std::forward<Args>(args)...);
        static_cast<View&>(*view).setup();
        return view;
    }

    View() = default;
    explicit View(Rect frame);
    ~View() override;

    // A shared pointer to this view (empty for a view not made by make()).
    std::shared_ptr<View> sharedView();
    std::weak_ptr<View> weakView();

    // --- Geometry --------------------------------------------------------------------------
    Rect frame() const { return frame_; }
    void setFrame(const Rect& frame);
    void setFrameOrigin(Point origin);
    void setFrameSize(Size size);
    // Own coordinate system: origin (scroll offset) and size (scale against the frame).
    Rect bounds() const {
        return {boundsOrigin_, Size{frame_.size.width / boundsScaleX_, frame_.size.height / boundsScaleY_}};
    }
    void setBoundsOrigin(Point origin);
    // Scales the content so that `size` fills the frame; the scale stays when the frame changes.
    void setBoundsSize(Size size);

    // Called after the frame changed (origin or size).
    virtual void frameDidChange(const Rect& oldFrame);

    // --- Tree ------------------------------------------------------------------------------
    View* superview() const { return superview_; }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    Window* window() const { return window_; }

    // Adds on top (or above/below `relativeTo`, a current subview; on top/bottom when absent). A
    // view that already has a superview leaves it first. Adding an ancestor of this view, or the
    // view itself, is refused (nothing happens).
    void addSubview(std::shared_ptr<View> view);
    void addSubview(std::shared_ptr<View> view, SubviewOrder order, const View* relativeTo = nullptr);
    void insertSubview(std::shared_ptr<View> view, std::size_t index);
    // Many subviews leaving one after another from the top down (the last first) take a constant
    // time each.
    void removeFromSuperview();
    void removeAllSubviews();
    // Replaces the subviews with `views` in that order (views kept stay, others leave).
    void setSubviews(std::vector<std::shared_ptr<View>> views);
    bool isDescendantOf(const View& ancestor) const; // true for the view itself too

    // Hooks around tree changes.
    virtual void viewWillMoveToSuperview(View* newSuperview);
    virtual void viewDidMoveToSuperview();
    virtual void viewWillMoveToWindow(Window* newWindow);
    virtual void viewDidMoveToWindow();
    virtual void didAddSubview(View& subview);
    virtual void willRemoveSubview(View& subview);

    // --- Appearance ------------------------------------------------------------------------
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    bool isHiddenOrHasHiddenAncestor() const;
    double alpha() const { return alpha_; }
    // Clamped to 0..1. Virtual, so that a view reacting to its fading (one hiding at zero) does so
    // however it is reached.
    virtual void setAlpha(double alpha);
    bool clipsToBounds() const { return clipsToBounds_; }
    void setClipsToBounds(bool clips);
    // A layer behind the view (see Layer.h); layer() is null until the view wants one.
    bool wantsLayer() const { return layer_ != nullptr; }
    void setWantsLayer(bool wants);
    Layer* layer() const { return layer_.get(); }
    const std::string& identifier() const { return identifier_; }
    void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    // Objects the view keeps alive for others (see AssociatedObjects.h).
    AssociatedObjects& associatedObjects() { return associatedObjects_; }
    const AssociatedObjects& associatedObjects() const { return associatedObjects_; }

    // --- Drawing ---------------------------------------------------------------------------
    bool needsDisplay() const { return needsDisplay_; }
    // Marks the view's drawing for the next display: the window draws the marked areas again.
    void setNeedsDisplay();
    void setNeedsDisplayInRect(const Rect& rectInBounds);
    // The area the view's own drawing can reach, in its bounds coordinates: its bounds, unless it
    // draws beyond them (a shadow). Strokes and anti-aliasing may spill kDrawingSlop points further:
    // marks for display and the choice of what to draw allow for that.
    virtual Rect drawingBounds() const { return bounds(); }
    static constexpr double kDrawingSlop = 4;
    // True only for a view whose draw() fills every pixel of its bounds that it is asked to draw
    // with an opaque colour: the window then leaves out what that hides, the drawing of the views
    // before it and the window's background (see Occlusion.h). False by default.
    virtual bool isOpaque() const { return false; }
    // For a view that another view draws instead of its superview (into a picture of its own):
    // what it marks for display is marked on `drawer`.
    void setDrawnBy(View* drawer) { drawnBy_ = drawer; }
    // Marks everything this view and its subviews draw, where they are now (before they change or
    // leave).
    void markSubtreeForDisplay();
    // Draws the view's own content (not its subviews) in its bounds coordinates. `dirtyRect` is
    // the part that must be drawn, in the same coordinates.
    virtual void draw(GraphicsContext& context, const Rect& dirtyRect);
    // Draws this view and its subtree into `context`, whose current coordinates are this view's
    // superview's (the window uses it; so can snapshots). Clears the needs-display marks.
    void drawHierarchy(GraphicsContext& context, const Rect& dirtyInSuperview);

    // --- Layout ----------------------------------------------------------------------------
    // Places the subviews. Runs before drawing when needsLayout is set (a size change sets it).
    virtual void layout();
    bool needsLayout() const { return needsLayout_; }
    void setNeedsLayout();
    // Runs layout() here and below wherever it is needed, parents before children. Only branches
    // with a view that needs layout are walked.
    void layoutSubtreeIfNeeded();
    // The size the content wants; kNoIntrinsicMetric for a dimension it does not care about.
    virtual Size intrinsicContentSize() const;
    // How far the view's visible shape lies inside its frame on each side (a bezel drawn with a
    // margin for its shadow): layout that aligns views aligns these edges. Zero by default.
    virtual EdgeInsets alignmentRectInsets() const { return {}; }
    // Tells the superview (through setNeedsLayout) that the intrinsic size changed; a pinned view
    // is placed on its pin again.
    void invalidateIntrinsicContentSize();
    // See LayoutPriority.h. An edge pin gives way only to a required priority.
    LayoutPriority contentHuggingPriority(LayoutOrientation orientation) const;
    void setContentHuggingPriority(LayoutPriority priority, LayoutOrientation orientation);
    LayoutPriority contentCompressionResistancePriority(LayoutOrientation orientation) const;
    void setContentCompressionResistancePriority(LayoutPriority priority, LayoutOrientation orientation);
    AutoresizingMask autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(AutoresizingMask mask) { autoresizingMask_ = mask; }
    // False: the autoresizing mask is not applied (the view is placed by a pin or by its superview's
    // layout).
    bool translatesAutoresizingMaskIntoConstraints() const { return translatesAutoresizingMask_; }
    void setTranslatesAutoresizingMaskIntoConstraints(bool translates) {
        translatesAutoresizingMask_ = translates;
    }
    // Keeps this view's frame on the edges of `other` (its superview, or a view in the same tree),
    // `insets` inside them, as `other` moves or resizes; turns the autoresizing mask off. A view has
    // one pin; pinning again replaces it. Null does nothing. Along an orientation where the view
    // has an intrinsic size and its hugging (compression resistance) is required, it is not made
    // larger (smaller) than that size: it keeps it, centred in the span between the pinned edges.
    void pinToEdges(View* other, EdgeInsets insets = {});

    // --- Coordinates -----------------------------------------------------------------------
    // Inline: the display marks call it for every view of a branch and every level above it.
    Point convertToSuperview(Point p) const {
        return {frame_.origin.x + (p.x - boundsOrigin_.x) * boundsScaleX_,
                frame_.origin.y + (p.y - boundsOrigin_.y) * boundsScaleY_};
    }
    Point convertFromSuperview(Point p) const;
    Point convertToWindow(Point p) const;
    Point convertFromWindow(Point p) const;
    // From another view's coordinates into this one's (window coordinates when `from` is null).
    Point convertFrom(Point p, const View* from) const;
    Point convertTo(Point p, const View* to) const;
    Rect convertFrom(const Rect& r, const View* from) const;
    Rect convertTo(const Rect& r, const View* to) const;
    // The event's location in this view's coordinates.
    Point locationOf(const Event& event) const { return convertFromWindow(event.locationInWindow); }

    // --- Hit testing -----------------------------------------------------------------------
    // The deepest visible view at `pointInSelf` (this view's coordinates): subviews from the top
    // down first, then this view when hitTestSelf() says so. Hidden views, views that do not allow
    // hit testing and their subtrees are skipped. With clipsToBounds, points outside the bounds
    // miss the whole subtree.
    virtual View* hitTest(Point pointInSelf);
    // Whether this view itself (not its subviews) takes the point; default: inside the bounds.
    // Containers that should let clicks through their empty parts return false.
    virtual bool hitTestSelf(Point pointInSelf) const;
    bool allowsHitTesting() const { return allowsHitTesting_; }
    // False takes the view and its subtree out of hit testing.
    void setAllowsHitTesting(bool allows) { allowsHitTesting_ = allows; }

    // --- Tracking areas, cursor, tool tip --------------------------------------------------
    TrackingArea* addTrackingArea(TrackingArea area);
    void removeTrackingArea(const TrackingArea* area);
    void removeAllTrackingAreas();
    const std::vector<std::unique_ptr<TrackingArea>>& trackingAreas() const { return trackingAreas_; }
    // Called when the window recomputes tracking (the view moved or resized): rebuild areas here.
    virtual void updateTrackingAreas();
    // The cursor over the whole bounds (a cursor rect); none leaves it to the views below.
    std::optional<Cursor> cursor() const { return cursor_; }
    void setCursor(std::optional<Cursor> cursor);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }
    // The tip the window shows over the view now: its tool tip, unless the view answers another
    // (a text field showing its whole text where it is cut, say).
    virtual std::string shownToolTip() const { return toolTip_; }
    // A context menu for a right click that no view handled.
    virtual std::shared_ptr<Menu> menuForEvent(const Event& event);
    void setMenu(std::shared_ptr<Menu> menu) { menu_ = std::move(menu); }
    std::shared_ptr<Menu> menu() const { return menu_; }

    // --- Gesture recognisers (see GestureRecognizer.h) -------------------------------------
    void addGestureRecognizer(std::shared_ptr<GestureRecognizer> recognizer);
    void removeGestureRecognizer(const GestureRecognizer* recognizer);
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }

    // --- Responder -------------------------------------------------------------------------
    Responder* nextResponder() const override;
    bool isFirstResponder() const;
    // Whether Tab may bring the focus here (accepts first responder and is visible by default).
    virtual bool canBecomeKeyView() const;
    // A click inside this view (on nothing in it that takes the focus) leaves the keyboard focus
    // where it is, as a panel floating beside the content does. False by default.
    virtual bool clicksKeepFocus() const { return false; }
    // Whether a click gives this view the focus when it accepts first responder. Views that take
    // text (fields, tables) do; buttons and their kin take the focus from the keyboard only (Tab),
    // so a click on one leaves the focus where it was. False by default.
    virtual bool takesFocusOnClick() const { return false; }
    // The key view loop: where Tab (Shift-Tab) moves the focus from this view when set; without a
    // link the window's tree order decides. Setting B as A's next view makes A B's previous view.
    // The links are weak: a view that goes away drops out of the loop.
    View* nextKeyView() const { return nextKeyView_.lock().get(); }
    void setNextKeyView(const std::shared_ptr<View>& view);
    View* previousKeyView() const { return previousKeyView_.lock().get(); }
    // A field editor (the text view that edits a control's text in the control's place) answers
    // the control it edits; other views answer none. See hasKeyboardFocus().
    virtual View* fieldEditorClient() const { return nullptr; }
    // A key-down offered to the whole tree as a shortcut (a button's key equivalent): true once a
    // view took it. By default the visible subviews are asked, the topmost first.
    virtual bool performKeyEquivalent(const Event& event);

    // --- Drops ----------------------------------------------------------------------------
    // The types of dragged things this view takes: registering makes it a drop target for drags
    // that carry an item of one of them (see Window, "Drops").
    void registerForDraggedTypes(std::vector<std::string> types) { draggedTypes_ = std::move(types); }
    void unregisterDraggedTypes() { draggedTypes_.clear(); }
    const std::vector<std::string>& registeredDraggedTypes() const { return draggedTypes_; }
    // A drag came over the view: the operation it would do (none refuses the drop).
    virtual DragOperation draggingEntered(const DraggingInfo& info);
    // The drag moved over it; none (the default) keeps what draggingEntered answered.
    virtual std::optional<DragOperation> draggingUpdated(const DraggingInfo& info);
    // The drag left the view, or ended elsewhere or without a drop.
    virtual void draggingExited(const DraggingInfo& info);
    // The drop: prepare (false refuses), perform (true when it took the things), then conclude.
    virtual bool prepareForDragOperation(const DraggingInfo& info);
    virtual bool performDragOperation(const DraggingInfo& info);
    virtual void concludeDragOperation(const DraggingInfo& info);

    // --- Dragging out ----------------------------------------------------------------------
    // Starts offering `item` to other programs, from the current pointer gesture. False when the
    // view has no window or the backend cannot drag.
    bool beginDraggingSession(const DragItem& item, const Event& event);

protected:
    // Runs once, right after construction by make().
    virtual void setup() {}

    // A new size asks for layout() unless the view places its content itself as it is resized
    // (its layout() has nothing to do then; its subviews still ask for their own).
    bool resizingNeedsLayout_ = true;

private:
    friend class Window;

    // drawHierarchy, each view drawing only where no opaque view still to come hides it.
    void drawHierarchy(GraphicsContext& context, const Rect& dirtyInSuperview, Occlusion* occlusion);
    void drawOwnContent(GraphicsContext& context, const Rect& dirty, const Occlusion* occlusion);

    void setWindowRecursively(Window* window);
    // Marks the branch above as holding a view that needs layout.
    void markAncestorsForLayout();
    void resizeSubviewsWithOldSize(Size oldSize);
    Rect convertFromSuperviewRect(const Rect& r) const;
    // What this view and its subviews draw, in its bounds coordinates.
    Rect subtreeDrawingRect() const;
    // Marks `rectInBounds` in the window (or on the view that draws this tree).
    void markForDisplay(const Rect& rectInBounds);
    View* drawerOfTree() const;
    Rect rectInWindow(const Rect& rectInBounds) const;
    void applyEdgePin();

    Rect frame_;
    Point boundsOrigin_;
    double boundsScaleX_ = 1; // frame size / bounds size
    double boundsScaleY_ = 1;
    View* superview_ = nullptr;
    Window* window_ = nullptr;
    View* drawnBy_ = nullptr;
    std::vector<std::shared_ptr<View>> subviews_;
    std::vector<std::unique_ptr<TrackingArea>> trackingAreas_;
    std::optional<Cursor> cursor_;
    std::string toolTip_;
    std::shared_ptr<Menu> menu_;
    std::vector<std::string> draggedTypes_;
    std::weak_ptr<View> nextKeyView_;
    std::weak_ptr<View> previousKeyView_;
    std::weak_ptr<View> pinnedTo_;
    EdgeInsets pinInsets_;
    LayoutPriority hugging_[2] = {kLayoutPriorityDefaultLow, kLayoutPriorityDefaultLow};
    LayoutPriority compressionResistance_[2] = {kLayoutPriorityDefaultHigh, kLayoutPriorityDefaultHigh};
    std::vector<std::weak_ptr<View>> pinnedViews_; // views pinned to this one
    std::unique_ptr<Layer> layer_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    std::string identifier_;
    int tag_ = 0;
    double alpha_ = 1;
    AutoresizingMask autoresizingMask_ = AutoresizingMask::none;
    bool hidden_ = false;
    bool clipsToBounds_ = false;
    bool allowsHitTesting_ = true;
    bool translatesAutoresizingMask_ = true;
    bool needsDisplay_ = true;
    bool needsLayout_ = true;
    bool subviewNeedsLayout_ = false; // some view below needs layout
    AssociatedObjects associatedObjects_;
};

} // namespace tk
