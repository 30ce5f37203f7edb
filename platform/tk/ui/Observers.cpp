// onChange, onAppear and onDisappear.

#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"

namespace tk::ui {
namespace {

// Runs `action` after the build, unless the view that asked has left by then.
void afterBuild(const BuildContext& context, const std::weak_ptr<View>& requester,
                std::function<void()> action) {
    auto run = [requester, environment = context.environment, action = std::move(action)] {
        if (requester.lock() && action) {
            EnvironmentScope scope(environment);
            action();
        }
    };
    if (context.host)
        context.host->afterBuild(std::move(run));
    else
        run();
}

class OnChangeView final : public WrapperView {
public:
    OnChangeView() { measuresAsChild_ = true; }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const detail::OnChangeNodeData&>(node);
        setContent(d.content, context_);
        auto probe = d.probe;
        if (!last_) {
            if (d.initial)
                afterBuild(context_, weakView(), [probe] { probe->fire(nullptr); });
        } else if (!probe->sameValue(*last_)) {
            afterBuild(context_, weakView(), [probe, previous = last_] { probe->fire(previous.get()); });
        }
        last_ = probe;
    }

private:
    std::shared_ptr<const detail::ChangeProbe> last_;
};

struct LifecycleNodeData final : NodeData {
    Node content;
    std::function<void()> onAppear;
    std::function<void()> onDisappear;
    std::shared_ptr<NodeView> makeView() const override;
};

class LifecycleView final : public WrapperView {
public:
    void dismantle() override {
        WrapperView::dismantle();
        if (appeared_ && onDisappear_) {
            appeared_ = false;
            auto action = std::move(onDisappear_);
            EnvironmentScope scope(context_.environment);
            action();
        }
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const LifecycleNodeData&>(node);
        onDisappear_ = d.onDisappear;
        setContent(d.content, context_);
        if (!appeared_) {
            appeared_ = true;
            if (d.onAppear)
                afterBuild(context_, weakView(), d.onAppear);
        }
    }

private:
    std::function<void()> onDisappear_;
    bool appeared_ = false;
};
std::shared_ptr<NodeView> LifecycleNodeData::makeView() const {
    return View::make<LifecycleView>();
}

} // namespace

std::shared_ptr<NodeView> detail::OnChangeNodeData::makeView() const {
    return View::make<OnChangeView>();
}

Node Node::onAppear(std::function<void()> action) const {
    auto d = std::make_shared<LifecycleNodeData>();
    d->content = *this;
    d->onAppear = std::move(action);
    return Node(std::move(d));
}

Node Node::onDisappear(std::function<void()> action) const {
    auto d = std::make_shared<LifecycleNodeData>();
    d->content = *this;
    d->onDisappear = std::move(action);
    return Node(std::move(d));
}

} // namespace tk::ui
