#include "platform/tk/ui/HostingView.h"

#include "platform/tk/base/MainThread.h"

namespace tk::ui {

HostingView::HostingView(Node root) : root_(std::move(root)), host_(std::make_shared<UpdateHost>()) {}

HostingView::~HostingView() {
    host_->setRelayout(nullptr);
    if (rootView_)
        rootView_->dismantle();
}

void HostingView::setup() {
    std::weak_ptr<View> weak = weakView();
    host_->setRelayout([weak] {
        if (auto v = weak.lock())
            static_cast<HostingView&>(*v).layoutChanged();
    });
    setUp_ = true;
    rebuild();
}

void HostingView::setRoot(Node root) {
    root_ = std::move(root);
    rebuild();
}

void HostingView::rebuild() {
    TK_CHECK_MAIN_THREAD();
    if (!setUp_)
        return;
    BuildContext context;
    context.environment = environment_;
    context.host = host_;
    rootView_ = NodeView::reconcile(rootView_, root_, context);
    if (rootView_)
        setSubviews({rootView_});
    else
        removeAllSubviews();
    host_->runPendingActions();
    layout();
    setNeedsDisplay();
}

Size HostingView::sizeThatFits(ProposedSize proposal) {
    if (!rootView_)
        return {};
    host_->beginLayoutPass();
    return rootView_->sizeThatFits(proposal);
}

Size HostingView::intrinsicContentSize() const {
    return const_cast<HostingView*>(this)->sizeThatFits(ProposedSize::unspecified());
}

void HostingView::layout() {
    if (!rootView_)
        return;
    host_->beginLayoutPass();
    const Size available = bounds().size;
    const Size s = rootView_->sizeThatFits(ProposedSize(available));
    rootView_->place(Rect(alignedOrigin(s, available, Alignment::center()), s));
    // Content built during layout (geometry readers) may have queued observers' actions.
    host_->runPendingActions();
    setNeedsDisplay();
}

void HostingView::layoutChanged() {
    if (!rootView_)
        return;
    const Size available = bounds().size;
    const Size s = rootView_->sizeThatFits(ProposedSize(available));
    rootView_->place(Rect(alignedOrigin(s, available, Alignment::center()), s));
    host_->runPendingActions();
}

void HostingView::layoutNow() {
    if (host_->isFlushScheduled())
        host_->flush();
    layout();
}

} // namespace tk::ui
