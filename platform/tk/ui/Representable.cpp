#include "platform/tk/ui/Representable.h"

#include "platform/tk/ui/NodeView.h"

namespace tk::ui {
namespace {

constexpr double kUnspecifiedSide = 10;

class RepresentableView final : public NodeView {
public:
    View* hosted() const { return hosted_.get(); }

    void dismantle() override {
        if (hosted_ && dismantle_) {
            EnvironmentScope scope(context_.environment);
            dismantle_(*hosted_, coordinator_.get());
        }
        NodeView::dismantle();
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const detail::RepresentableNodeData&>(node);
        // The callbacks read the environment of this place (ui::environment<Key>()), as a body does.
        EnvironmentScope scope(context_.environment);
        if (!hosted_ && d.make) {
            coordinator_ = d.makeCoordinator ? d.makeCoordinator() : nullptr;
            hosted_ = d.make(coordinator_.get());
            if (hosted_)
                addSubview(hosted_);
        }
        sizeThatFits_ = d.sizeThatFits;
        dismantle_ = d.dismantle;
        if (hosted_ && d.update)
            d.update(*hosted_, coordinator_.get());
    }

    Size measure(ProposedSize proposal) override {
        if (!hosted_)
            return {};
        if (sizeThatFits_)
            if (auto s = sizeThatFits_(*hosted_, proposal))
                return *s;
        const Size intrinsic = hosted_->intrinsicContentSize();
        auto side = [](double metric, std::optional<double> p) {
            if (metric != View::kNoIntrinsicMetric && metric >= 0)
                return metric;
            return p.value_or(kUnspecifiedSide);
        };
        return {side(intrinsic.width, proposal.width), side(intrinsic.height, proposal.height)};
    }

    // `size` is the hosted view's alignment rect (what its intrinsic size measures); its frame
    // reaches past that by its alignment insets, where a bezel keeps its margin.
    void layoutContent(Size size) override {
        if (!hosted_)
            return;
        const EdgeInsets a = hosted_->alignmentRectInsets();
        hosted_->setFrame(Rect{-a.left, -a.top, size.width + a.horizontal(), size.height + a.vertical()});
    }

private:
    std::shared_ptr<void> coordinator_;
    std::shared_ptr<View> hosted_;
    std::function<std::optional<Size>(View&, ProposedSize)> sizeThatFits_;
    std::function<void(View&, void*)> dismantle_;
};

} // namespace

std::shared_ptr<NodeView> detail::RepresentableNodeData::makeView() const {
    return View::make<RepresentableView>();
}

} // namespace tk::ui
