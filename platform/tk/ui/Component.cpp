#include "platform/tk/ui/Component.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/ReadTracking.h"
#include "platform/tk/ui/detail/ComponentView.h"
#include "platform/tk/view/Window.h"

namespace tk::ui {
namespace detail {

std::shared_ptr<NodeView> ComponentNodeBase::makeView() const {
    return View::make<ComponentView>();
}

void ComponentView::update(const NodeData& node) {
    const auto& description = static_cast<const ComponentNodeBase&>(node);
    if (!instance_)
        instance_ = description.instantiate();
    else
        description.assignTo(instance_.get());
    body_ = description.bodyFunction();
    rebuild();
}

void ComponentView::rebuild() {
    TK_CHECK_MAIN_THREAD();
    if (dismantled_ || !instance_ || !body_)
        return;
    dirty_ = false;
    ++buildCount_;
    Node content;
    // Most builds read what the last one read: room for as many reads.
    ObservedReads reads;
    reads.reserve(reads_.size());
    {
        ReadTrackingScope tracking(&reads);
        EnvironmentScope scope(context_.environment);
        content = body_(instance_.get());
    }
    // A build that read what the last one read keeps its subscription (most rebuilds do: the
    // values changed, not which ones are shown).
    if (!readsChanged_.isActive() || !reads.sameAs(reads_)) {
        std::weak_ptr<ComponentView> weak = sharedComponentView();
        readsChanged_ = reads.subscribe([weak] {
            if (auto self = weak.lock())
                self->invalidate();
        });
    }
    reads_ = std::move(reads);
    BuildContext inner = context_;
    inner.componentDepth = context_.componentDepth + 1;
    inner.component = this;
    // What the old content drew is drawn again (in one mark for the whole branch); the new content
    // is marked as a whole when it is laid out, so the views that change on the way mark nothing.
    markSubtreeForDisplay();
    // The new content is measured and placed again; the branch above only when its size changed.
    changeContentKeepingLayout([&] {
        Window::DeferredDisplayMarks deferred(window());
        setContent(content, inner);
    });
}

void ComponentView::invalidate() {
    if (dirty_ || dismantled_)
        return;
    dirty_ = true;
    if (context_.host)
        context_.host->markDirty(sharedComponentView(), context_.componentDepth);
}

void ComponentView::dismantle() {
    WrapperView::dismantle();
    dismantled_ = true;
    readsChanged_.cancel();
}

} // namespace detail
} // namespace tk::ui
