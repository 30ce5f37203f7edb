#pragma once

// Representable: puts a classic tk::View into a declarative tree.
//
//     ui::Representable<ShaderView>(
//         [] { return tk::View::make<ShaderView>(); },            // once, when the node appears
//         [](ShaderView& v) { v.setNeedsDisplay(); });             // after every build
//
// The view is made once for its place in the tree and updated at every rebuild. Its size:
// `sizeThatFits` when given, else its intrinsic content size, with the proposal (10 points when
// unspecified) on the sides without an intrinsic metric. Either size is the view's alignment rect:
// the rect it is given, which its frame exceeds by the view's alignment insets.
//
// With a coordinator (an object that lives as long as the view and receives its callbacks):
//
//     ui::RepresentableWithCoordinator<tk::PopUpButton, PopUpCoordinator>({
//         .makeCoordinator = [&] { return PopUpCoordinator{selection}; },
//         .make = [](PopUpCoordinator& c) { auto b = tk::View::make<tk::PopUpButton>(); c.connect(*b); return
//         b; }, .update = [&](tk::PopUpButton& b, PopUpCoordinator& c) { c.selection = selection;
//         b.select(...); },
//     });
//
// The callbacks run in the environment of the representable's place: `ui::environment<Key>()` inside
// make, update and dismantle answers what the ancestors set, and each update sees the current values.
//
// The kind of a representable is its view type: another type at the same place makes a new view.

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
    std::function<std::shared_ptr<void>()> makeCoordinator;
    std::function<std::shared_ptr<View>(void* coordinator)> make;
    std::function<void(View&, void* coordinator)> update;
    std::function<std::optional<Size>(View&, ProposedSize)> sizeThatFits;
    std::function<void(View&, void* coordinator)> dismantle;

    std::shared_ptr<NodeView> makeView() const override;
    const std::type_info& kind() const override { return *viewType; }
};

} // namespace detail

template <class V, class Coordinator> struct RepresentableCallbacks {
    std::function<Coordinator()> makeCoordinator = {};
    // [main] Once, when the node first appears.
    std::function<std::shared_ptr<V>(Coordinator&)> make = {};
    // [main] After every build (the first included).
    std::function<void(V&, Coordinator&)> update = {};
    // [main] The size for a proposal; nullopt (or unset) uses the intrinsic size.
    std::function<std::optional<Size>(V&, ProposedSize)> sizeThatFits = {};
    // [main] When the node leaves the tree.
    std::function<void(V&, Coordinator&)> dismantle = {};
};

template <class V, class Coordinator>
Node RepresentableWithCoordinator(RepresentableCallbacks<V, Coordinator> callbacks) {
    auto d = std::make_shared<detail::RepresentableNodeData>();
    d->viewType = &typeid(V);
    d->makeCoordinator = [f = std::move(callbacks.makeCoordinator)]() -> std::shared_ptr<void> {
        return f ? std::make_shared<Coordinator>(f()) : std::make_shared<Coordinator>();
    };
    d->make = [f = std::move(callbacks.make)](void* c) -> std::shared_ptr<View> {
        return f ? f(*static_cast<Coordinator*>(c)) : nullptr;
    };
    if (callbacks.update)
        d->update = [f = std::move(callbacks.update)](View& v, void* c) {
            f(static_cast<V&>(v), *static_cast<Coordinator*>(c));
        };
    if (callbacks.sizeThatFits)
        d->sizeThatFits = [f = std::move(callbacks.sizeThatFits)](View& v, ProposedSize p) {
            return f(static_cast<V&>(v), p);
        };
    if (callbacks.dismantle)
        d->dismantle = [f = std::move(callbacks.dismantle)](View& v, void* c) {
            f(static_cast<V&>(v), *static_cast<Coordinator*>(c));
        };
    return Node(std::move(d));
}

namespace detail {
struct NoCoordinator {};
} // namespace detail

template <class V>
Node Representable(std::function<std::shared_ptr<V>()> make, std::function<void(V&)> update = {},
                   std::function<std::optional<Size>(V&, ProposedSize)> sizeThatFits = {},
                   std::function<void(V&)> dismantle = {}) {
    RepresentableCallbacks<V, detail::NoCoordinator> c;
    c.make = [make = std::move(make)](detail::NoCoordinator&) { return make(); };
    if (update)
        c.update = [update = std::move(update)](V& v, detail::NoCoordinator&) { update(v); };
    c.sizeThatFits = std::move(sizeThatFits);
    if (dismantle)
        c.dismantle = [dismantle = std::move(dismantle)](V& v, detail::NoCoordinator&) { dismantle(v); };
    return RepresentableWithCoordinator<V, detail::NoCoordinator>(std::move(c));
}

} // namespace tk::ui
