#include "platform/tk/ui/NodeView.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/ui/detail/ComponentView.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace tk::ui {

// Clears the scheduled flag when the posted flush runs or is dropped unrun (a test's loop
// discards what it left queued), so that a later change schedules a flush again.
struct FlushGuard {
    std::weak_ptr<UpdateHost> host;
    ~FlushGuard() {
        if (auto h = host.lock())
            h->flushScheduled_ = false;
    }
};

void UpdateHost::markDirty(const std::shared_ptr<detail::ComponentView>& component, int depth) {
    TK_CHECK_MAIN_THREAD();
    dirty_.push_back({depth, component});
    if (flushScheduled_)
        return;
    flushScheduled_ = true;
    auto guard = std::make_shared<FlushGuard>(FlushGuard{weak_from_this()});
    RunLoop::main().post([guard] {
        if (auto h = guard->host.lock())
            h->flush();
    });
}

void UpdateHost::afterBuild(std::function<void()> action) {
    pending_.push_back(std::move(action));
}

void UpdateHost::runPendingActions() {
    // Actions may queue more (an observer's action changing state that an appearing view reads).
    for (std::size_t round = 0; round < 64 && !pending_.empty(); ++round) {
        auto actions = std::exchange(pending_, {});
        for (auto& a : actions)
            a();
    }
}

void UpdateHost::flush() {
    TK_CHECK_MAIN_THREAD();
    flushScheduled_ = false;
    // The marks are taken into the spare list (marks made meanwhile go to the emptied one), which
    // keeps its room for the next flush.
    std::vector<Dirty> dirty = std::exchange(spareDirty_, {});
    dirty.swap(dirty_);
    // Parents first: rebuilding a parent rebuilds its children, which are then clean. The list is
    // usually a handful long: sorted in place then (std::stable_sort takes a heap buffer).
    const auto parentsFirst = [](const Dirty& a, const Dirty& b) { return a.depth < b.depth; };
    if (dirty.size() > 32) {
        std::stable_sort(dirty.begin(), dirty.end(), parentsFirst);
    } else {
        for (std::size_t i = 1; i < dirty.size(); ++i)
            for (std::size_t j = i; j > 0 && parentsFirst(dirty[j], dirty[j - 1]); --j)
                std::swap(dirty[j], dirty[j - 1]);
    }
    bool rebuilt = false;
    for (auto& d : dirty) {
        auto view = d.view.lock();
        if (view && view->isDirty()) {
            view->rebuild();
            rebuilt = true;
        }
    }
    dirty.clear();
    if (dirty.capacity() > spareDirty_.capacity())
        spareDirty_.swap(dirty);
    runPendingActions();
    if (rebuilt)
        relayout();
}

void NodeView::apply(const NodeData& node, const BuildContext& context) {
    context_ = context;
    invalidateLayout();
    const bool wasChanging = std::exchange(contentChanging_, true);
    update(node);
    contentChanging_ = wasChanging;
}

NodeView::~NodeView() {
    // The subviews outlive this view only as views without a superview.
    for (const auto& sub : subviews())
        if (auto* node = dynamic_cast<NodeView*>(sub.get()); node && node->nodeSuperview_ == this)
            node->nodeSuperview_ = nullptr;
}

void NodeView::viewDidMoveToSuperview() {
    nodeSuperview_ = dynamic_cast<NodeView*>(superview());
}

void NodeView::invalidateLayout() {
    UpdateHost* host = context_.host.get();
    const std::uint64_t work = host ? host->layoutWork() : 0;
    for (NodeView* node = this; node; node = node->nodeSuperview_) {
        // Nothing was measured or placed since this branch was invalidated up to the root: the
        // views above are still invalid (a rebuild applies many views of one branch).
        if (host && node->context_.host.get() == host && node->invalidatedAt_ == work)
            break;
        node->cache_.clear();
        node->placedSize_.reset();
        if (node->holdsInvalidation_) {
            // The branch above is not invalid (yet): endContentChange() decides.
            node->invalidatedAt_ = UINT64_MAX;
            break;
        }
        node->invalidatedAt_ = host ? work : UINT64_MAX;
    }
}

std::vector<NodeView::CachedSize> NodeView::measuredSizes() const {
    const NodeView* v = this;
    while (v->measuresAsChild_) {
        v = v->sizingChild();
        if (!v)
            return {};
    }
    const std::uint64_t generation = v->context_.host ? v->context_.host->layoutGeneration() : 0;
    if (generation != 0 && v->cacheGeneration_ == generation)
        return v->cache_;
    return {};
}

NodeView::LayoutSnapshot NodeView::takeLayout() {
    LayoutSnapshot before;
    before.measured = measuredSizes();
    before.placedSize = placedSize_;
    cache_.clear();
    placedSize_.reset();
    invalidatedAt_ = UINT64_MAX;
    return before;
}

bool NodeView::layOutAgainInPlace(const LayoutSnapshot& before, bool markAsWhole) {
    if (before.measured.empty() || !before.placedSize)
        return false;
    // The parent asked for these proposals: the same answers leave its layout as it is.
    for (const CachedSize& m : before.measured)
        if (sizeThatFits(m.key.proposal()) != m.size)
            return false;
    if (markAsWhole && !contentChanged_) {
        // Its children move inside it: its drawing is marked once before and once after, not
        // once for every view that moves (each of which would walk its subtree and the branch
        // up to the window).
        markSubtreeForDisplay();
        contentChanged_ = true;
    }
    layoutContentIfNeeded(*before.placedSize);
    return true;
}

NodeView::LayoutSnapshot NodeView::beginContentChange() {
    LayoutSnapshot before = takeLayout();
    holdsInvalidation_ = true;
    contentChanged_ = true;
    return before;
}

void NodeView::endContentChange(LayoutSnapshot before) {
    holdsInvalidation_ = false;
    if (layOutAgainInPlace(before))
        return;
    // The size changed: the parent lays out again, and so on up while sizes change.
    for (NodeView* parent = nodeSuperview_; parent; parent = parent->nodeSuperview_) {
        if (parent->context_.host != context_.host)
            break;
        // A view whose own content is changing (this one is part of that change) is measured and
        // placed when the change is done; nothing above it is touched before.
        if (parent->holdsInvalidation_ || parent->contentChanging_) {
            parent->cache_.clear();
            parent->placedSize_.reset();
            return;
        }
        // A wrapper that measures as its child does changed size with it; its sizes are the
        // child's, already measured anew, so the comparison is made further up.
        if (parent->measuresAsChild_) {
            parent->placedSize_.reset();
            parent->invalidatedAt_ = UINT64_MAX;
            continue;
        }
        if (parent->layOutAgainInPlace(parent->takeLayout(), true))
            return;
    }
    // Up to the root: the next layout measures from there.
    invalidateLayout();
}

namespace {
// A quiet NaN with a payload of its own: no arithmetic produces it, so it never stands for a width.
constexpr std::uint64_t kUnspecifiedSide = 0x7ff8'0000'5a5a'0001ULL;

std::uint64_t sideKey(const std::optional<double>& side) {
    return side ? std::bit_cast<std::uint64_t>(*side) : kUnspecifiedSide;
}
std::optional<double> sideOf(std::uint64_t key) {
    if (key == kUnspecifiedSide)
        return std::nullopt;
    return std::bit_cast<double>(key);
}
} // namespace

NodeView::ProposalKey NodeView::ProposalKey::of(ProposedSize proposal) {
    return {sideKey(proposal.width), sideKey(proposal.height)};
}

ProposedSize NodeView::ProposalKey::proposal() const {
    return {sideOf(width), sideOf(height)};
}

Size NodeView::sizeThatFits(ProposedSize proposal) {
    // A chain of wrappers that pass the proposal on is measured at its bottom.
    NodeView* v = this;
    while (v->measuresAsChild_) {
        v = v->sizingChild();
        if (!v)
            return {};
    }
    return v->cachedSizeThatFits(proposal);
}

Size NodeView::cachedSizeThatFits(ProposedSize proposal) {
    const std::uint64_t generation = context_.host ? context_.host->layoutGeneration() : 0;
    if (generation != cacheGeneration_ || generation == 0) {
        cache_.clear();
        cacheGeneration_ = generation;
    }
    const ProposalKey key = ProposalKey::of(proposal);
    for (const auto& c : cache_)
        if (c.key == key)
            return c.size;
    const Size s = measure(proposal);
    cache_.push_back({key, s});
    if (context_.host)
        context_.host->noteLayoutWork();
    return s;
}

void NodeView::place(const Rect& frame) {
    setFrame(frame);
    layoutContentIfNeeded(frame.size);
}

void NodeView::layoutContentIfNeeded(Size size) {
    const std::uint64_t generation = context_.host ? context_.host->layoutGeneration() : 0;
    if (placedSize_ == size && placedGeneration_ == generation && generation != 0)
        return;
    if (contentChanged_) {
        contentChanged_ = false;
        {
            Window::DeferredDisplayMarks deferred(window());
            layoutContent(size);
        }
        markSubtreeForDisplay();
    } else {
        layoutContent(size);
    }
    placedSize_ = size;
    placedGeneration_ = generation;
    if (context_.host)
        context_.host->noteLayoutWork();
}

void NodeView::layoutContent(Size) {}

void NodeView::dismantle() {
    for (const auto& sub : subviews())
        if (auto* n = dynamic_cast<NodeView*>(sub.get()))
            n->dismantle();
}

void NodeView::installSubviews(std::span<const std::shared_ptr<NodeView>> views) {
    // Avoid touching the tree (and the window's bookkeeping) when nothing changed, as after most
    // rebuilds; the comparison allocates nothing.
    const auto& current = subviews();
    std::size_t matched = 0;
    bool same = true;
    for (const auto& v : views) {
        if (!v)
            continue;
        if (matched == current.size() || current[matched] != v) {
            same = false;
            break;
        }
        ++matched;
    }
    if (same && matched == current.size())
        return;
    std::vector<std::shared_ptr<View>> list;
    list.reserve(views.size());
    for (const auto& v : views)
        if (v)
            list.push_back(v);
    setSubviews(std::move(list));
}

std::shared_ptr<NodeView> NodeView::reconcile(std::shared_ptr<NodeView> existing, const Node& node,
                                              const BuildContext& context) {
    if (node.isEmpty()) {
        if (existing)
            existing->dismantle();
        return nullptr;
    }
    const NodeData& data = *node.data();
    const std::type_index kind(data.kind());
    if (existing && existing->kind_ == kind && existing->identity_ == data.identity) {
        existing->apply(data, context);
        return existing;
    }
    if (existing)
        existing->dismantle();
    auto view = data.makeView();
    view->kind_ = kind;
    view->identity_ = data.identity;
    view->apply(data, context);
    return view;
}

std::vector<std::shared_ptr<NodeView>> NodeView::reconcile(std::vector<std::shared_ptr<NodeView>> existing,
                                                           const std::vector<Node>& nodes,
                                                           const BuildContext& context) {
    std::vector<std::shared_ptr<NodeView>> result(nodes.size());
    std::vector<bool> used(existing.size(), false);
    // Nodes with an id find their old view wherever it stood.
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const NodeData* d = nodes[i].data();
        if (!d || !d->identity)
            continue;
        for (std::size_t j = 0; j < existing.size(); ++j) {
            if (!used[j] && existing[j] && existing[j]->identity_ == d->identity &&
                existing[j]->kind_ == std::type_index(d->kind())) {
                used[j] = true;
                result[i] = reconcile(existing[j], nodes[i], context);
                break;
            }
        }
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (result[i] || nodes[i].isEmpty())
            continue;
        std::shared_ptr<NodeView> old;
        if (i < existing.size() && !used[i] && existing[i] && !existing[i]->identity_) {
            old = existing[i];
            used[i] = true;
        }
        result[i] = reconcile(old, nodes[i], context);
    }
    for (std::size_t j = 0; j < existing.size(); ++j)
        if (!used[j] && existing[j])
            existing[j]->dismantle();
    return result;
}

void WrapperView::setContent(const Node& content, const BuildContext& context) {
    const bool wasChanging = std::exchange(contentChanging_, true);
    child_ = reconcile(child_, content, context);
    installSubviews({&child_, 1});
    contentChanging_ = wasChanging;
}

Size WrapperView::measure(ProposedSize proposal) {
    return child_ ? child_->sizeThatFits(proposal) : Size{};
}

void WrapperView::layoutContent(Size size) {
    if (child_)
        child_->place(Rect(Point{}, size));
}

void DrawnContentView::dismantle() {
    if (child_)
        child_->dismantle();
    WrapperView::dismantle();
}

void DrawnContentView::setDrawnContent(const Node& content, const BuildContext& context) {
    child_ = reconcile(child_, content, context);
    if (child_)
        child_->setDrawnBy(this);
    setNeedsDisplay();
}

} // namespace tk::ui
