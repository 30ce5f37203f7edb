// Drop shadows: the content is drawn into a picture of its own, which is then drawn with the
// shadow set, so that stacked shadows are each cast by everything inside them.

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"

#include <algorithm>
#include <cmath>

namespace tk::ui {
namespace {

struct ShadowNodeData final : NodeData {
    Node content;
    Shadow shadow;
    std::shared_ptr<NodeView> makeView() const override;
};

class ShadowView final : public DrawnContentView {
public:
    // The picture reaches `margin` beyond the bounds, its shadow less than that again.
    Rect drawingBounds() const override {
        const double m = 2 * margin();
        return bounds().insetBy(-m, -m);
    }

    void draw(GraphicsContext& context, const Rect&) override {
        if (!child_)
            return;
        const double margin = this->margin();
        const Size size = bounds().size;
        const tk::Image picture =
            tk::Image::draw(Size{size.width + 2 * margin, size.height + 2 * margin},
                            std::max(1.0, context.backingScale()), [&](GraphicsContext& inner) {
                                inner.translate(margin, margin);
                                child_->drawHierarchy(inner, Rect(-margin, -margin, size.width + 2 * margin,
                                                                  size.height + 2 * margin));
                            });
        GraphicsStateGuard guard(context);
        context.setShadow(shadow_);
        context.drawImage(picture, Point{-margin, -margin});
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const ShadowNodeData&>(node);
        shadow_ = d.shadow;
        setDrawnContent(d.content, context_);
    }

private:
    // Room for the shadow and the inner shadows around the bounds.
    double margin() const {
        return std::ceil(std::max(0.0, shadow_.blur) * 2 + std::abs(shadow_.offset.width) +
                         std::abs(shadow_.offset.height) + 8);
    }

    Shadow shadow_;
};
std::shared_ptr<NodeView> ShadowNodeData::makeView() const {
    return View::make<ShadowView>();
}

} // namespace

Node Node::shadow(const Color& color, double radius, double x, double y) const {
    auto d = std::make_shared<ShadowNodeData>();
    d->content = *this;
    d->shadow = Shadow{Size{x, y}, radius, color};
    return Node(std::move(d));
}

} // namespace tk::ui
