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

class ColorEffectView final : public DrawnContentView {
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

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const ColorEffectNodeData&>(node);
        shader_ = d.shader;
        setDrawnContent(d.content, context_);
    }

private:
    std::shared_ptr<const Shader> shader_;
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
