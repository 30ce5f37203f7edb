// Colour effects: the content is drawn into a picture of its own, which the shader turns into the
// picture shown (or which is shown as it is when the shader cannot run).

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"
#include "platform/tk/ui/Shader.h"

#include <algorithm>

namespace tk::ui {
namespace {

struct ColorEffectNodeData final : NodeData {
    Node content;
    std::shared_ptr<const Shader> shader;
    std::shared_ptr<NodeView> makeView() const override;
};

class ColorEffectView final : public NodeView {
public:
    void draw(GraphicsContext& context, const Rect&) override {
        if (!child_)
            return;
        const Size size = bounds().size;
        if (size.width <= 0 || size.height <= 0)
            return;
        const tk::Image drawing =
            tk::Image::draw(size, std::max(1.0, context.backingScale()), [&](GraphicsContext& inner) {
                child_->drawHierarchy(inner, Rect(Point{}, size));
            });
        std::optional<tk::Image> shaded = shader_ ? shader_->applyColorEffect(drawing) : std::nullopt;
        context.drawImage(shaded ? *shaded : drawing, Rect(Point{}, size));
    }

    void dismantle() override {
        if (child_)
            child_->dismantle();
        NodeView::dismantle();
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const ColorEffectNodeData&>(node);
        shader_ = d.shader;
        // The content is not a subview: this view draws it, and is marked when it changes.
        child_ = reconcile(child_, d.content, context_);
        if (child_)
            child_->setDrawnBy(this);
        setNeedsDisplay();
    }
    Size measure(ProposedSize proposal) override { return child_ ? child_->sizeThatFits(proposal) : Size{}; }
    void layoutContent(Size size) override {
        if (child_)
            child_->place(Rect(Point{}, size));
    }

private:
    std::shared_ptr<const Shader> shader_;
    std::shared_ptr<NodeView> child_;
};
std::shared_ptr<NodeView> ColorEffectNodeData::makeView() const {
    return View::make<ColorEffectView>();
}

} // namespace

Node Node::colorEffect(std::shared_ptr<const Shader> shader) const {
    auto d = std::make_shared<ColorEffectNodeData>();
    d->content = *this;
    d->shader = std::move(shader);
    return Node(std::move(d));
}

} // namespace tk::ui
