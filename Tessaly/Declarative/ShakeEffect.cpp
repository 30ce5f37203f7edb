#include "Tessaly/Declarative/ShakeEffect.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/Timer.h"
#include "platform/tk/ui/NodeView.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <optional>

namespace Tessaly {

namespace {

struct ShakeNodeData final : tk::ui::NodeData {
    tk::ui::Node content;
    ShakeEffect effect;
    int trigger = 0;
    double duration = kShakeDuration;
    std::shared_ptr<tk::ui::NodeView> makeView() const override;
};

// Places its content like an offset does, the offset being the effect at the shake's progress;
// each step of a shake moves the view and nothing else is laid out again.
class ShakingView final : public tk::ui::WrapperView {
public:
    void place(const tk::Rect& frame) override {
        placed_ = frame;
        setFrame(displaced());
        layoutContentIfNeeded(frame.size);
    }
    void dismantle() override {
        timer_.invalidate();
        WrapperView::dismantle();
    }

protected:
    void update(const tk::ui::NodeData& node) override {
        const auto& d = static_cast<const ShakeNodeData&>(node);
        effect_ = d.effect;
        duration_ = d.duration;
        if (trigger_ && *trigger_ != d.trigger)
            begin();
        trigger_ = d.trigger;
        setContent(d.content, context_);
    }

private:
    tk::Rect displaced() const {
        if (!timer_.isValid())
            return placed_;
        ShakeEffect at = effect_;
        at.animatableData = progress_;
        const tk::AffineTransform t = at.effectValue(placed_.size);
        return placed_.offsetBy(t.tx, t.ty);
    }
    void begin() {
        tk::RunLoop& loop = tk::RunLoop::main();
        start_ = loop.now();
        progress_ = 0;
        // The timer is this view's and goes with it, so the action never outlives the view.
        timer_ = loop.scheduleTimer(kShakeFrameInterval, true, [this] { step(); });
    }
    void step() {
        const double elapsed = std::chrono::duration<double>(tk::RunLoop::main().now() - start_).count();
        progress_ = duration_ > 0 ? std::min(1.0, elapsed / duration_) : 1.0;
        if (progress_ >= 1)
            timer_.invalidate();
        setFrame(displaced());
    }

    tk::Rect placed_;
    ShakeEffect effect_;
    double duration_ = kShakeDuration;
    std::optional<int> trigger_;
    tk::Timer timer_;
    tk::Clock::TimePoint start_{};
    double progress_ = 0;
};

std::shared_ptr<tk::ui::NodeView> ShakeNodeData::makeView() const {
    return tk::View::make<ShakingView>();
}

} // namespace

tk::AffineTransform ShakeEffect::effectValue(tk::Size) const {
    return tk::AffineTransform::translation(amount * std::sin(animatableData * std::numbers::pi * shakes), 0);
}

tk::ui::Node shake(tk::ui::Node content, const ShakeEffect& effect) {
    const auto transform = effect.effectValue();
    return content.offset(transform.tx, transform.ty);
}

tk::ui::Node shake(tk::ui::Node content, const ShakeEffect& effect, int trigger, double duration) {
    auto d = std::make_shared<ShakeNodeData>();
    d->content = std::move(content);
    d->effect = effect;
    d->trigger = trigger;
    d->duration = duration;
    return tk::ui::Node(std::move(d));
}

} // namespace Tessaly
