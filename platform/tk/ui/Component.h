#pragma once

// Components: pieces of interface described by a body, rebuilt when what the body read changes.
//
// A component is any copyable type with a `Node body()`: the fields it is described by (its
// props), its State<T> members, and the body that returns the tree to show. It converts to a Node,
// and plain structs can be described with designated initialisers:
//
//     struct Meter {
//         Korvane::AudioParameter* param = nullptr;   // props
//         tk::ui::State<bool> pressed{false};          // survives rebuilds
//
//         tk::ui::Node body() {
//             using namespace tk::ui;
//             return VStack({Text(param->name), Text(format(param->value.get()))})
//                 .opacity(pressed.get() ? 0.5 : 1)
//                 .onTapGesture([this] { pressed.set(!pressed.peek()); });
//         }
//     };
//     ...
//     HStack({Meter{.param = &gate}, Meter{.param = &range}})
//
// Rules:
//   - The body runs inside read tracking. A change of any observable it read (State, Observable
//     fields of a model) marks the component dirty; it rebuilds once, on the main queue, however
//     many changes came in, and the tree is laid out again.
//   - One instance lives as long as the component's place in the tree (same type at the same
//     position). A rebuild of its parent copies the new description onto it and rebuilds it; State
//     members keep their values through that copy (their copy assignment keeps the living value).
//     So components must be copy-constructible and copy-assignable: hold pointers, Bindings,
//     std::function and Nodes, not references.
//   - Handlers in the body may capture `this`: the body always runs on the living instance, which
//     outlives the views its body made.
//   - environment<Key>() reads the environment at the component's place while its body runs; in
//     gesture handlers, text-field callbacks and observers' actions it reads the environment of
//     the node that carries them.
//   - With -Wextra, give every field a default initialiser (`State<T> x{};`, `std::function<...>
//     f = {};`) so that designated initialisers may leave fields out.

#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <concepts>
#include <memory>
#include <type_traits>

namespace tk::ui {

namespace detail {

class ComponentNodeBase : public NodeData {
public:
    // A living instance made from this description.
    virtual std::shared_ptr<void> instantiate() const = 0;
    // Copies this description's fields onto a living instance of the same type.
    virtual void assignTo(void* living) const = 0;
    // Runs a living instance's body.
    using BodyFunction = Node (*)(void* living);
    virtual BodyFunction bodyFunction() const = 0;
    std::shared_ptr<NodeView> makeView() const override;
};

template <class C> class ComponentNode final : public ComponentNodeBase {
public:
    static_assert(std::is_copy_constructible_v<C> && std::is_copy_assignable_v<C>,
                  "a component must be copy-constructible and copy-assignable (hold pointers or Bindings, "
                  "not references)");

    explicit ComponentNode(C description) : description_(std::move(description)) {}
    std::shared_ptr<void> instantiate() const override { return std::make_shared<C>(description_); }
    void assignTo(void* living) const override { *static_cast<C*>(living) = description_; }
    BodyFunction bodyFunction() const override {
        return [](void* living) -> Node { return static_cast<C*>(living)->body(); };
    }

private:
    C description_;
};

} // namespace detail

template <class C>
requires Component<C> Node::Node(C component)
    : data_(std::make_shared<detail::ComponentNode<C>>(std::move(component))) {}

} // namespace tk::ui
