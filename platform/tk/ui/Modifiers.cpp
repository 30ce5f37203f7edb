// Layout and appearance modifiers: frames, padding, offset, aspect ratio, fixed size, background and
// overlay, opacity, scale, hidden, hit testing, clipping, environment and identity.

#include "platform/tk/ui/Button.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tk::ui {
namespace {

// A modifier node: its content plus the modifier's own values. Views are matched to nodes by the
// dynamic type of the data, so each modifier has a type of its own.
struct ModifierNodeData : NodeData {
    Node content;
};

// --- frames, padding ---------------------------------------------------------------------------

// Stands in for missing content so that a frame of nothing still has its size.
struct NothingLayoutable final : Layoutable {
    Size sizeThatFits(ProposedSize) override { return {}; }
    void place(const Rect&) override {}
};

// A modifier that measures and places its content through one of the frame or padding layouts.
template <class Layout> struct LayoutNodeData final : ModifierNodeData {
    Layout layout;
    std::shared_ptr<NodeView> makeView() const override;
};

template <class Layout> class LayoutModifierView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const LayoutNodeData<Layout>&>(node);
        layout_ = d.layout;
        setContent(d.content, context_);
    }
    Size measure(ProposedSize proposal) override {
        NothingLayoutable nothing;
        return layout_.sizeThatFits(proposal, child_ ? static_cast<Layoutable&>(*child_) : nothing);
    }
    void layoutContent(Size size) override {
        if (child_)
            layout_.place(Rect(Point{}, size), *child_);
    }

private:
    Layout layout_;
};
template <class Layout> std::shared_ptr<NodeView> LayoutNodeData<Layout>::makeView() const {
    return View::make<LayoutModifierView<Layout>>();
}

// --- offset, aspect ratio, fixed size ----------------------------------------------------------

struct OffsetNodeData final : ModifierNodeData {
    Point offset;
    std::shared_ptr<NodeView> makeView() const override;
};

class OffsetView final : public WrapperView {
public:
    void place(const Rect& frame) override {
        setFrame(frame.offsetBy(offset_.x, offset_.y));
        layoutContentIfNeeded(frame.size);
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const OffsetNodeData&>(node);
        offset_ = d.offset;
        setContent(d.content, context_);
    }

private:
    Point offset_;
};
std::shared_ptr<NodeView> OffsetNodeData::makeView() const {
    return View::make<OffsetView>();
}

struct PositionNodeData final : ModifierNodeData {
    Point center;
    std::shared_ptr<NodeView> makeView() const override;
};

class PositionView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const PositionNodeData&>(node);
        center_ = d.center;
        setContent(d.content, context_);
    }
    Size measure(ProposedSize proposal) override {
        const Size ideal = child_ ? child_->sizeThatFits(ProposedSize::unspecified()) : Size{};
        return proposal.replacingUnspecified(ideal);
    }
    void layoutContent(Size) override {
        if (!child_)
            return;
        const Size s = child_->sizeThatFits(ProposedSize::unspecified());
        child_->place(Rect(center_.x - s.width / 2, center_.y - s.height / 2, s.width, s.height));
    }

private:
    Point center_;
};
std::shared_ptr<NodeView> PositionNodeData::makeView() const {
    return View::make<PositionView>();
}

struct AspectNodeData final : ModifierNodeData {
    std::optional<double> ratio;
    AspectMode mode = AspectMode::fit;
    std::shared_ptr<NodeView> makeView() const override;
};

class AspectView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const AspectNodeData&>(node);
        ratio_ = d.ratio;
        mode_ = d.mode;
        setContent(d.content, context_);
    }
    Size target(ProposedSize proposal) {
        const Size ideal = child_ ? child_->sizeThatFits(ProposedSize::unspecified()) : Size{};
        const double ratio = ratio_.value_or(ideal.height > 0 ? ideal.width / ideal.height : 1);
        return aspectRatioSize(proposal, ratio, mode_ == AspectMode::fill, ideal);
    }
    Size measure(ProposedSize proposal) override {
        const Size t = target(proposal);
        return child_ ? child_->sizeThatFits(ProposedSize(t)) : t;
    }
    void layoutContent(Size size) override {
        if (!child_)
            return;
        const Size s = child_->sizeThatFits(ProposedSize(target(ProposedSize(size))));
        child_->place(Rect(alignedOrigin(s, size, Alignment::center()), s));
    }

private:
    std::optional<double> ratio_;
    AspectMode mode_ = AspectMode::fit;
};
std::shared_ptr<NodeView> AspectNodeData::makeView() const {
    return View::make<AspectView>();
}

struct FixedSizeNodeData final : ModifierNodeData {
    bool horizontal = true;
    bool vertical = true;
    std::shared_ptr<NodeView> makeView() const override;
};

class FixedSizeView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const FixedSizeNodeData&>(node);
        horizontal_ = d.horizontal;
        vertical_ = d.vertical;
        setContent(d.content, context_);
    }
    ProposedSize childProposal(ProposedSize p) const {
        return {horizontal_ ? std::nullopt : p.width, vertical_ ? std::nullopt : p.height};
    }
    Size measure(ProposedSize proposal) override {
        return child_ ? child_->sizeThatFits(childProposal(proposal)) : Size{};
    }
    void layoutContent(Size size) override {
        if (!child_)
            return;
        const Size s = child_->sizeThatFits(childProposal(ProposedSize(size)));
        child_->place(Rect(alignedOrigin(s, size, Alignment::center()), s));
    }

private:
    bool horizontal_ = true;
    bool vertical_ = true;
};
std::shared_ptr<NodeView> FixedSizeNodeData::makeView() const {
    return View::make<FixedSizeView>();
}

// --- background and overlay --------------------------------------------------------------------

struct DecorationNodeData final : ModifierNodeData {
    Node decoration;
    Alignment alignment;
    bool behind = true;
    std::shared_ptr<NodeView> makeView() const override;
};

class DecorationView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const DecorationNodeData&>(node);
        alignment_ = d.alignment;
        child_ = reconcile(child_, d.content, context_);
        decoration_ = reconcile(decoration_, d.decoration, context_);
        const std::array<std::shared_ptr<NodeView>, 2> order =
            d.behind ? std::array{decoration_, child_} : std::array{child_, decoration_};
        installSubviews(order);
    }
    void layoutContent(Size size) override {
        WrapperView::layoutContent(size);
        if (decoration_) {
            const Size s = decoration_->sizeThatFits(ProposedSize(size));
            decoration_->place(Rect(alignedOrigin(s, size, alignment_), s));
        }
    }

private:
    std::shared_ptr<NodeView> decoration_;
    Alignment alignment_;
};
std::shared_ptr<NodeView> DecorationNodeData::makeView() const {
    return View::make<DecorationView>();
}

// --- opacity, hidden, hit testing, clipping ----------------------------------------------------

struct AppearanceNodeData final : ModifierNodeData {
    double opacity = 1;
    bool hidden = false;
    bool hitTesting = true;
    bool clipped = false;
    std::shared_ptr<NodeView> makeView() const override;
};

class AppearanceView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const AppearanceNodeData&>(node);
        setAlpha(d.opacity);
        setHidden(d.hidden);
        setAllowsHitTesting(d.hitTesting);
        setClipsToBounds(d.clipped);
        setContent(d.content, context_);
    }
};
std::shared_ptr<NodeView> AppearanceNodeData::makeView() const {
    return View::make<AppearanceView>();
}

// --- scale -------------------------------------------------------------------------------------

struct ScaleNodeData final : ModifierNodeData {
    double sx = 1;
    double sy = 1;
    Alignment anchor;
    std::shared_ptr<NodeView> makeView() const override;
};

double anchorFraction(HorizontalAlignment a) {
    return a == HorizontalAlignment::leading ? 0 : a == HorizontalAlignment::trailing ? 1 : 0.5;
}
double anchorFraction(VerticalAlignment a) {
    return a == VerticalAlignment::top ? 0 : a == VerticalAlignment::bottom ? 1 : 0.5;
}

class ScaleView final : public WrapperView {
public:
    // The frame is the layout rect scaled about the anchor; the bounds keep the layout size, so the
    // content draws (and is hit) scaled.
    void place(const Rect& frame) override {
        const double sx = std::max(std::abs(sx_), 1e-6);
        const double sy = std::max(std::abs(sy_), 1e-6);
        const double fx = anchorFraction(anchor_.horizontal);
        const double fy = anchorFraction(anchor_.vertical);
        const double ax = frame.x() + frame.width() * fx;
        const double ay = frame.y() + frame.height() * fy;
        const Size scaled{frame.width() * sx, frame.height() * sy};
        setFrame(Rect(ax - scaled.width * fx, ay - scaled.height * fy, scaled.width, scaled.height));
        setBoundsSize(frame.size);
        layoutContentIfNeeded(frame.size);
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const ScaleNodeData&>(node);
        sx_ = d.sx;
        sy_ = d.sy;
        anchor_ = d.anchor;
        setContent(d.content, context_);
    }

private:
    double sx_ = 1;
    double sy_ = 1;
    Alignment anchor_;
};
std::shared_ptr<NodeView> ScaleNodeData::makeView() const {
    return View::make<ScaleView>();
}

// --- environment, identity ---------------------------------------------------------------------

class EnvironmentView final : public WrapperView {
public:
    EnvironmentView() { measuresAsChild_ = true; }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const detail::EnvironmentNodeData&>(node);
        BuildContext inner = context_;
        inner.environment = d.apply(context_.environment);
        setContent(d.content, inner);
    }
};

struct IdentityNodeData final : ModifierNodeData {
    std::shared_ptr<NodeView> makeView() const override;
};

class IdentityView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        setContent(static_cast<const IdentityNodeData&>(node).content, context_);
    }
};
std::shared_ptr<NodeView> IdentityNodeData::makeView() const {
    return View::make<IdentityView>();
}

struct IdentifierNodeData final : ModifierNodeData {
    std::string name;
    std::shared_ptr<NodeView> makeView() const override;
};

class IdentifierView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const IdentifierNodeData&>(node);
        setIdentifier(d.name);
        setContent(d.content, context_);
    }
};
std::shared_ptr<NodeView> IdentifierNodeData::makeView() const {
    return View::make<IdentifierView>();
}

template <class D> std::shared_ptr<D> wrap(const Node& content) {
    auto d = std::make_shared<D>();
    d->content = content;
    return d;
}

std::shared_ptr<DecorationNodeData> decorated(const Node& content, Node decoration, Alignment alignment,
                                              bool behind) {
    auto d = wrap<DecorationNodeData>(content);
    d->decoration = std::move(decoration);
    d->alignment = alignment;
    d->behind = behind;
    return d;
}

} // namespace

std::shared_ptr<NodeView> detail::EnvironmentNodeData::makeView() const {
    return View::make<EnvironmentView>();
}

Node Node::frame(std::optional<double> width, std::optional<double> height, Alignment alignment) const {
    auto d = wrap<LayoutNodeData<FixedFrameLayout>>(*this);
    d->layout = FixedFrameLayout{width, height, alignment};
    return Node(std::move(d));
}

Node Node::frame(const FrameLimits& l) const {
    auto d = wrap<LayoutNodeData<FlexibleFrameLayout>>(*this);
    d->layout = FlexibleFrameLayout{l.minWidth,    l.idealWidth, l.maxWidth, l.minHeight,
                                    l.idealHeight, l.maxHeight,  l.alignment};
    return Node(std::move(d));
}

Node Node::padding(double amount) const {
    return padding(Edges::all(), amount);
}
Node Node::padding(Edges edges, double amount) const {
    return padding(edges.insets(amount));
}
Node Node::padding(EdgeInsets insets) const {
    auto d = wrap<LayoutNodeData<PaddingLayout>>(*this);
    d->layout = PaddingLayout{insets};
    return Node(std::move(d));
}

Node Node::offset(double x, double y) const {
    auto d = wrap<OffsetNodeData>(*this);
    d->offset = {x, y};
    return Node(std::move(d));
}

Node Node::position(double x, double y) const {
    auto d = wrap<PositionNodeData>(*this);
    d->center = {x, y};
    return Node(std::move(d));
}

Node Node::aspectRatio(std::optional<double> ratio, AspectMode mode) const {
    auto d = wrap<AspectNodeData>(*this);
    d->ratio = ratio;
    d->mode = mode;
    return Node(std::move(d));
}

Node Node::fixedSize(bool horizontal, bool vertical) const {
    auto d = wrap<FixedSizeNodeData>(*this);
    d->horizontal = horizontal;
    d->vertical = vertical;
    return Node(std::move(d));
}

Node Node::background(const Color& color) const {
    return background(Rectangle().fill(color));
}

Node Node::background(Node content, Alignment alignment) const {
    return Node(decorated(*this, std::move(content), alignment, true));
}

Node Node::overlay(Node content, Alignment alignment) const {
    return Node(decorated(*this, std::move(content), alignment, false));
}

Node Node::opacity(double opacity) const {
    auto d = wrap<AppearanceNodeData>(*this);
    d->opacity = std::clamp(opacity, 0.0, 1.0);
    return Node(std::move(d));
}

Node Node::hidden(bool isHidden) const {
    auto d = wrap<AppearanceNodeData>(*this);
    d->hidden = isHidden;
    return Node(std::move(d));
}

Node Node::allowsHitTesting(bool allows) const {
    auto d = wrap<AppearanceNodeData>(*this);
    d->hitTesting = allows;
    return Node(std::move(d));
}

Node Node::clipped() const {
    auto d = wrap<AppearanceNodeData>(*this);
    d->clipped = true;
    return Node(std::move(d));
}

Node Node::scaleEffect(double scale, Alignment anchor) const {
    return scaleEffect(scale, scale, anchor);
}

Node Node::scaleEffect(double sx, double sy, Alignment anchor) const {
    auto d = wrap<ScaleNodeData>(*this);
    d->sx = sx;
    d->sy = sy;
    d->anchor = anchor;
    return Node(std::move(d));
}

Node Node::font(Font font) const {
    return environment<FontKey>(std::move(font));
}
Node Node::foregroundColor(Color color) const {
    return environment<ForegroundColorKey>(color);
}
Node Node::kerning(double points) const {
    return environment<KerningKey>(points);
}
Node Node::lineLimit(std::optional<int> limit) const {
    return environment<LineLimitKey>(limit);
}
Node Node::truncationMode(TruncationMode mode) const {
    return environment<TruncationModeKey>(mode);
}
Node Node::textCase(TextCase textCase) const {
    return environment<TextCaseKey>(textCase);
}
Node Node::multilineTextAlignment(TextAlignment alignment) const {
    return environment<MultilineTextAlignmentKey>(alignment);
}
Node Node::allowsTightening(bool allows) const {
    return environment<AllowsTighteningKey>(allows);
}

Node Node::controlSize(ControlSize size) const {
    return environment<ControlSizeKey>(size);
}
Node Node::disabled(bool isDisabled) const {
    auto d = std::make_shared<detail::EnvironmentNodeData>();
    d->content = *this;
    d->apply = [isDisabled](const EnvironmentValues& env) {
        return env.with<IsEnabledKey>(env.get<IsEnabledKey>() && !isDisabled);
    };
    return Node(std::move(d));
}

Node Node::buttonsTakeFocus(bool takeFocus) const {
    return environment<ButtonsTakeFocusKey>(takeFocus);
}

Node Node::buttonStyle(std::shared_ptr<const ButtonStyle> style) const {
    return environment<ButtonStyleKey>(std::move(style));
}

Node Node::identifier(std::string name) const {
    auto d = wrap<IdentifierNodeData>(*this);
    d->name = std::move(name);
    return Node(std::move(d));
}

View* findNodeView(View& root, std::string_view name) {
    if (root.identifier() == name)
        return &root;
    for (const auto& sub : root.subviews())
        if (View* found = findNodeView(*sub, name))
            return found;
    return nullptr;
}

Node Node::id(std::size_t identity) const {
    auto d = wrap<IdentityNodeData>(*this);
    d->identity = identity;
    return Node(std::move(d));
}

} // namespace tk::ui
