#pragma once

// Representable: puts a classic tk::View into a declarative tree.
//
//     ui::Representable<ShaderView>(
//         [] { return tk::View::make<ShaderView>(); },            // once, when the node appears
//         [](ShaderView& v) { v.setNeedsDisplay(); });             // after every build
//
// The view is made once for its place in the tree and updated at every rebuild; it fills the rect
// it is given. Its size: `sizeThatFits` when given, else its intrinsic content size, with the
// proposal (10 points when unspecified) on the sides without an intrinsic metric.
// A coordinator is whatever the make closure creates and the update closure captures.

#include "platform/tk/ui/Node.h"
#include "platform/tk/view/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <typeinfo>

namespace tk::ui {

namespace detail {

struct RepresentableNodeData final : NodeData {
    const std::type_info* viewType = &typeid(View);
    std::function<std::shared_ptr<View>()> make;
    std::function<void(View&)> update;
    std::function<std::optional<Size>(View&, ProposedSize)> sizeThatFits;
    std::function<void(View&)> dismantle;

    std::shared_ptr<NodeView> makeView() const override;
    // One kind per classic view type: a different type at the same place gets a new view.
    const std::type_info& kind() const override { return *viewType; }
};

} // namespace detail

template <class V>
Node Representable(std::function<std::shared_ptr<V>()> make, std::function<void(V&)> update = {},
                   std::function<std::optional<Size>(V&, ProposedSize)> sizeThatFits = {},
                   std::function<void(V&)> dismantle = {}) {
    auto d = std::make_shared<detail::RepresentableNodeData>();
    d->viewType = &typeid(V);
    d->make = [make = std::move(make)]() -> std::shared_ptr<View> { return make(); };
    if (update)
        d->update = [update = std::move(update)](View& v) { update(static_cast<V&>(v)); };
    if (sizeThatFits)
        d->sizeThatFits = [f = std::move(sizeThatFits)](View& v, ProposedSize p) {
            return f(static_cast<V&>(v), p);
        };
    if (dismantle)
        d->dismantle = [f = std::move(dismantle)](View& v) { f(static_cast<V&>(v)); };
    return Node(std::move(d));
}

} // namespace tk::ui
