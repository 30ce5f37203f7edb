#pragma once

// NodeView: the retained view that realises one node, and the machinery every node view shares.
//
// A tree of nodes is realised as a tree of NodeViews (tk::View subclasses) under a HostingView.
// Rebuilding applies a new node to each view whose node kind and id did not change (update in
// place) and replaces the others; a view that leaves for good is dismantled first (gestures in
// progress are cancelled, onDisappear runs) while everything it refers to is still alive.
//
// Layout: NodeViews answer sizeThatFits() (memoised for one layout pass) and are placed by their
// parent with place(); node views do not take pointer events themselves (hitTestSelf is false)
// except those that have gestures, buttons and the classic views they carry.
//
// UpdateHost is shared by all views under one hosting view: it collects the components that must
// rebuild, rebuilds them once on the main queue (parents first), runs the observers' actions
// after a build, and lays the tree out again.
//
// All members are [main].

#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Layout.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/view/View.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <typeindex>
#include <utility>
#include <vector>

namespace tk::ui {

class UpdateHost;

namespace detail {
class ComponentView;
}

// What a node view is built with: the environment of its place, the host, and the component
// whose body described it.
struct BuildContext {
    EnvironmentValues environment;
    std::shared_ptr<UpdateHost> host;
    int componentDepth = 0;
    detail::ComponentView* component = nullptr;
};

class UpdateHost : public std::enable_shared_from_this<UpdateHost> {
public:
    UpdateHost() = default;
    UpdateHost(const UpdateHost&) = delete;
    UpdateHost& operator=(const UpdateHost&) = delete;

    // Rebuilds `component` on the main queue (together with every other component marked before
    // the queue gets there).
    void markDirty(const std::shared_ptr<detail::ComponentView>& component, int depth);
    // Runs `action` once the build in progress is complete (or at once, outside builds, at the
    // next flush of the queue).
    void afterBuild(std::function<void()> action);
    // Rebuilds what is marked, runs the pending actions and lays the tree out; normally called
    // from the main queue, callable directly.
    void flush();
    // Runs the pending actions now.
    void runPendingActions();

    // Called after a flush so that the hosting view lays out again (only what the rebuilds
    // invalidated is measured and placed again, see NodeView::invalidateLayout).
    void setRelayout(std::function<void()> relayout) { relayout_ = std::move(relayout); }
    void relayout() {
        if (relayout_)
            relayout_();
    }

    // Sizes measured, and placements made, with an older generation are made again: a new
    // generation lays out the whole tree.
    std::uint64_t layoutGeneration() const { return layoutGeneration_; }
    void beginLayoutPass() { ++layoutGeneration_; }

    // Counts the sizes measured and the placements made: while it stands still, a branch that was
    // invalidated stays invalid up to the root.
    std::uint64_t layoutWork() const { return layoutWork_; }
    void noteLayoutWork() { ++layoutWork_; }

    bool isFlushScheduled() const { return flushScheduled_; }

private:
    struct Dirty {
        int depth;
        std::weak_ptr<detail::ComponentView> view;
    };
    std::vector<Dirty> dirty_;
    std::vector<Dirty> spareDirty_;
    std::vector<std::function<void()>> pending_;
    std::function<void()> relayout_;
    std::uint64_t layoutGeneration_ = 1;
    std::uint64_t layoutWork_ = 0;
    bool flushScheduled_ = false;
    friend struct FlushGuard;
};

class NodeView : public View, public Layoutable {
public:
    // Node views place their content in place(), not in layout().
    NodeView() { resizingNeedsLayout_ = false; }
    ~NodeView() override;

    // Applies `node` (of this view's kind): the first time and at every rebuild.
    void apply(const NodeData& node, const BuildContext& context);
    const BuildContext& buildContext() const { return context_; }

    Size sizeThatFits(ProposedSize proposal) final;
    void place(const Rect& frame) override;

    // This view's content changed: its measured sizes and its placement, and those of the node
    // views above it, are made again at the next layout. The rest of the tree keeps its layout.
    void invalidateLayout();

    // Before the view leaves the tree for good; the default dismantles the child node views.
    virtual void dismantle();

    void viewDidMoveToSuperview() override;

    // Placement is done by place(); the view tree's own layout pass has nothing to add.
    void layout() final {}
    bool hitTestSelf(Point) const override { return false; }

    // The view that realises `node` where `existing` stood: `existing` updated in place when the
    // kinds and ids match, else a new view (and `existing` dismantled). Null for the empty node.
    static std::shared_ptr<NodeView> reconcile(std::shared_ptr<NodeView> existing, const Node& node,
                                               const BuildContext& context);
    // The same for a list, by position (nodes with an id match an old view of the same id first).
    static std::vector<std::shared_ptr<NodeView>> reconcile(std::vector<std::shared_ptr<NodeView>> existing,
                                                            const std::vector<Node>& nodes,
                                                            const BuildContext& context);

protected:
    // Applies the node's data; context_ is already the new one.
    virtual void update(const NodeData& node) = 0;
    virtual Size measure(ProposedSize proposal) = 0;
    // Places the content for a layout size (the bounds' size unless a subclass scales).
    virtual void layoutContent(Size size);

    // Places the content for `size` unless it is already placed at that size and nothing under it
    // changed since (see invalidateLayout).
    void layoutContentIfNeeded(Size size);

    // Makes `views` the subviews, in order (nulls skipped).
    void installSubviews(std::span<const std::shared_ptr<NodeView>> views);

    // Runs `change` (which changes the content) and lays out again only what it needs: when this
    // view still measures as before for every proposal it was measured for, only its content is
    // laid out again, in its frame, and the views above keep their layout; otherwise this view
    // and the branch above it are laid out again (as far up as sizes change). The caller has
    // marked the old content's drawing; the new content marks its drawing once, when it is laid
    // out, instead of view by view.
    template <class Change> void changeContentKeepingLayout(Change&& change) {
        LayoutSnapshot before = beginContentChange();
        change();
        endContentChange(std::move(before));
    }

    // The view measures as its only child does (a wrapper that passes the proposal on unchanged):
    // it keeps no sizes of its own and answers from the child's, so a chain of such wrappers is
    // measured once, at the bottom.
    bool measuresAsChild_ = false;
    virtual NodeView* sizingChild() const { return nullptr; }

    BuildContext context_;
    // The content is being changed (applied, reconciled): a view below that changes size leaves
    // this one, and those above, to be measured and placed when the change is done.
    bool contentChanging_ = false;

private:
    // A proposal as two bit patterns (an unspecified side as a pattern no double arithmetic makes):
    // the size cache is searched at every measure, and this compares in two integer tests.
    struct ProposalKey {
        std::uint64_t width;
        std::uint64_t height;
        static ProposalKey of(ProposedSize proposal);
        ProposedSize proposal() const;
        friend bool operator==(ProposalKey, ProposalKey) = default;
    };
    struct CachedSize {
        ProposalKey key;
        Size size;
    };
    struct LayoutSnapshot {
        std::vector<CachedSize> measured; // empty when not measured in the current layout
        std::optional<Size> placedSize;
    };
    // The size for `proposal` from this layout's cache, measured on a miss.
    Size cachedSizeThatFits(ProposedSize proposal);
    // The sizes measured for this view in the current layout (the child's for a view that measures
    // as its child does); empty when not measured in it.
    std::vector<CachedSize> measuredSizes() const;
    // What was measured and placed, now forgotten (this view is laid out again).
    LayoutSnapshot takeLayout();
    // Measures again for the proposals of `before`; with the same sizes, lays the content out again
    // in the same frame and returns true. With `markAsWhole`, the drawing of this view's subtree is
    // marked as a whole, before and after, instead of view by view.
    bool layOutAgainInPlace(const LayoutSnapshot& before, bool markAsWhole = false);
    LayoutSnapshot beginContentChange();
    void endContentChange(LayoutSnapshot before);

    // The superview when it is a node view (kept as the view moves: the branch walks of layout
    // invalidation run for every view a rebuild applies); null otherwise.
    NodeView* nodeSuperview_ = nullptr;
    std::optional<std::type_index> kind_;
    std::optional<std::size_t> identity_;
    std::vector<CachedSize> cache_;
    std::uint64_t cacheGeneration_ = 0;
    std::uint64_t placedGeneration_ = 0;
    std::optional<Size> placedSize_;
    // The host's layoutWork() when this view and the branch above it were last invalidated.
    std::uint64_t invalidatedAt_ = UINT64_MAX;
    // While its content changes, invalidations from below stop here (changeContentKeepingLayout).
    bool holdsInvalidation_ = false;
    // The content changed since it was last laid out: its drawing is marked as a whole.
    bool contentChanged_ = false;
};

// A node view with one child that fills it; the base of most modifiers.
class WrapperView : public NodeView {
protected:
    // Reconciles the child with `content` in `context` and installs it.
    void setContent(const Node& content, const BuildContext& context);
    Size measure(ProposedSize proposal) override;
    void layoutContent(Size size) override;
    NodeView* sizingChild() const override { return child_.get(); }

    std::shared_ptr<NodeView> child_;
};

// A wrapper that draws its child itself (into a picture of its own, as the colour effect and the
// shadow do): the child is not a subview, is marked as drawn by this view so that its changes
// redraw it, and is dismantled with it.
class DrawnContentView : public WrapperView {
public:
    void dismantle() override;

protected:
    // Reconciles the child with `content` in `context`, and redraws.
    void setDrawnContent(const Node& content, const BuildContext& context);
};

} // namespace tk::ui
