#include "Tessaly/Declarative/Backport.h"

#include "platform/tk/ui/List.h"
#include "platform/tk/ui/NodeView.h"
#include "platform/tk/view/Event.h"

#include <optional>

namespace Tessaly {

namespace {

struct EscapeHandlingNodeData final : tk::ui::NodeData {
    tk::ui::Node content;
    std::function<void()> action;
    std::shared_ptr<tk::ui::NodeView> makeView() const override;
};

// Sits above the content in the responder chain: an Escape key-down (a first press or a repeat) that
// nothing inside handled ends here.
class EscapeHandlingView final : public tk::ui::WrapperView {
public:
    bool keyDown(const tk::Event& event) override {
        if (event.keyCode != tk::KeyCode::escape || !action_)
            return false;
        auto action = action_; // the action may rebuild this view
        action();
        return true;
    }

protected:
    void update(const tk::ui::NodeData& node) override {
        const auto& d = static_cast<const EscapeHandlingNodeData&>(node);
        action_ = d.action;
        setContent(d.content, context_);
    }

private:
    std::function<void()> action_;
};

std::shared_ptr<tk::ui::NodeView> EscapeHandlingNodeData::makeView() const {
    return tk::View::make<EscapeHandlingView>();
}

} // namespace

tk::ui::Node Backport::fixedWidth(double width) const {
    return content.frame(width, std::nullopt, tk::ui::Alignment::center());
}

tk::ui::Node Backport::alternatingRowBackgrounds(bool enabled) const {
    return content.environment<tk::ui::AlternatingRowBackgroundsKey>(enabled);
}

tk::ui::Node Backport::escapeHandling(std::function<void()> action) const {
    auto d = std::make_shared<EscapeHandlingNodeData>();
    d->content = content;
    d->action = std::move(action);
    return tk::ui::Node(std::move(d));
}

tk::ui::Node Backport::coloredBackground(const tk::Color& color) const {
    return content.background(tk::ui::Rectangle().fill(color).scaleEffect(1.5), tk::ui::Alignment::center());
}

} // namespace Tessaly
