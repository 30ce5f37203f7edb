#pragma once

// The view that hosts one living component instance (see Component.h).

#include "platform/tk/base/ReadTracking.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/NodeView.h"

#include <memory>

namespace tk::ui::detail {

class ComponentView final : public WrapperView {
public:
    ComponentView() { measuresAsChild_ = true; }

    bool isDirty() const { return dirty_; }
    // [main] Runs the body again (tracking its reads) and updates the content.
    void rebuild();
    // [main] Marks the component for a rebuild on the main queue.
    void invalidate();
    // How many rebuilds ran (tests and diagnostics).
    int buildCount() const { return buildCount_; }
    void* instance() const { return instance_.get(); }
    std::shared_ptr<ComponentView> sharedComponentView() {
        return std::static_pointer_cast<ComponentView>(sharedView());
    }

    void dismantle() override;

protected:
    void update(const NodeData& node) override;

private:
    std::shared_ptr<void> instance_;
    ComponentNodeBase::BodyFunction body_ = nullptr;
    // What the last build read, and the subscription that invalidates the component on a change.
    ObservedReads reads_;
    Subscription readsChanged_;
    bool dirty_ = false;
    bool dismantled_ = false;
    int buildCount_ = 0;
};

} // namespace tk::ui::detail
