// Stacks, groups and spacers.

#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"

namespace tk::ui {
namespace {

enum class StackKind { vertical, horizontal, overlay };

struct GroupNodeData final : NodeData {
    std::vector<Node> children;
    std::shared_ptr<NodeView> makeView() const override;
};

// Children of groups become children of the stack. Empty nodes stay as empty slots, so that a
// child shown only sometimes does not shift the places of its siblings (which keep their views and
// state); they take no space.
void flatten(const std::vector<Node>& in, std::vector<Node>& out) {
    for (const auto& n : in) {
        if (n.isEmpty()) {
            out.push_back(n);
            continue;
        }
        if (auto* g = dynamic_cast<const GroupNodeData*>(n.data()); g && !g->identity)
            flatten(g->children, out);
        else
            out.push_back(n);
    }
}

struct StackNodeData final : NodeData {
    StackKind stack = StackKind::vertical;
    Alignment alignment;
    double spacing = kDefaultSpacing;
    std::vector<Node> children;
    std::shared_ptr<NodeView> makeView() const override;
};

struct SpacerNodeData final : NodeData {
    double minLength = kDefaultSpacerMinLength;
    std::shared_ptr<NodeView> makeView() const override;
};

class SpacerView final : public NodeView {
public:
    void setAxis(std::optional<Axis> axis) { axis_ = axis; }
    bool isSpacer() const override { return axis_.has_value(); }

protected:
    void update(const NodeData& node) override {
        minLength_ = static_cast<const SpacerNodeData&>(node).minLength;
    }
    Size measure(ProposedSize proposal) override { return spacerSize(proposal, minLength_, axis_); }

private:
    double minLength_ = kDefaultSpacerMinLength;
    std::optional<Axis> axis_;
};

class StackView final : public NodeView {
protected:
    void update(const NodeData& node) override {
        const std::vector<Node>* children = nullptr;
        if (auto* g = dynamic_cast<const GroupNodeData*>(&node)) {
            kind_ = StackKind::overlay;
            alignment_ = Alignment::center();
            spacing_ = 0;
            children = &g->children;
        } else {
            const auto& d = static_cast<const StackNodeData&>(node);
            kind_ = d.stack;
            alignment_ = d.alignment;
            spacing_ = d.spacing;
            children = &d.children;
        }
        children_ = reconcile(std::move(children_), *children, context_);
        std::optional<Axis> axis;
        if (kind_ == StackKind::vertical)
            axis = Axis::vertical;
        else if (kind_ == StackKind::horizontal)
            axis = Axis::horizontal;
        for (const auto& c : children_)
            if (auto* s = dynamic_cast<SpacerView*>(c.get()))
                s->setAxis(axis);
        installSubviews(children_);
        layoutables_.clear();
        for (const auto& c : children_)
            if (c)
                layoutables_.push_back(c.get());
    }

    Size measure(ProposedSize proposal) override {
        if (kind_ == StackKind::overlay)
            return OverlayLayout{alignment_}.sizeThatFits(proposal, layoutables_);
        return stack().sizeThatFits(proposal, layoutables_);
    }

    void layoutContent(Size size) override {
        if (kind_ == StackKind::overlay)
            OverlayLayout{alignment_}.place(Rect(Point{}, size), layoutables_);
        else
            stack().place(Rect(Point{}, size), layoutables_);
    }

private:
    StackLayout stack() const {
        return StackLayout{kind_ == StackKind::horizontal ? Axis::horizontal : Axis::vertical, spacing_,
                           alignment_};
    }

    StackKind kind_ = StackKind::vertical;
    Alignment alignment_;
    double spacing_ = kDefaultSpacing;
    std::vector<std::shared_ptr<NodeView>> children_; // one slot per child node, null for empty ones
    std::vector<Layoutable*> layoutables_;
};

std::shared_ptr<NodeView> StackNodeData::makeView() const {
    return View::make<StackView>();
}
std::shared_ptr<NodeView> SpacerNodeData::makeView() const {
    return View::make<SpacerView>();
}

// A group on its own overlays its children, centred.
std::shared_ptr<NodeView> GroupNodeData::makeView() const {
    return View::make<StackView>();
}

Node makeStack(StackKind kind, Alignment alignment, double spacing, const std::vector<Node>& children) {
    auto d = std::make_shared<StackNodeData>();
    d->stack = kind;
    d->alignment = alignment;
    d->spacing = spacing;
    flatten(children, d->children);
    return Node(std::move(d));
}

} // namespace

Node VStack(std::vector<Node> children) {
    return VStack(VStackOptions{}, std::move(children));
}
Node VStack(VStackOptions options, std::vector<Node> children) {
    return makeStack(StackKind::vertical, Alignment{options.alignment, VerticalAlignment::center},
                     options.spacing.value_or(kDefaultSpacing), children);
}
Node HStack(std::vector<Node> children) {
    return HStack(HStackOptions{}, std::move(children));
}
Node HStack(HStackOptions options, std::vector<Node> children) {
    return makeStack(StackKind::horizontal, Alignment{HorizontalAlignment::center, options.alignment},
                     options.spacing.value_or(kDefaultSpacing), children);
}
Node ZStack(std::vector<Node> children) {
    return ZStack(Alignment::center(), std::move(children));
}
Node ZStack(Alignment alignment, std::vector<Node> children) {
    return makeStack(StackKind::overlay, alignment, 0, children);
}

Node Group(std::vector<Node> children) {
    // Kept as a group so that stacks can take its children; realised alone it is an overlay.
    auto d = std::make_shared<GroupNodeData>();
    flatten(children, d->children);
    return Node(std::move(d));
}

Node Spacer(std::optional<double> minLength) {
    auto d = std::make_shared<SpacerNodeData>();
    d->minLength = minLength.value_or(kDefaultSpacerMinLength);
    return Node(std::move(d));
}

} // namespace tk::ui
