#pragma once

// Node: one description in a declarative tree. A node is a cheap, immutable value (it shares its
// data); builder functions make nodes (Text, Image, VStack, Button, a Component ...) and modifier
// methods wrap a node in another (frame, padding, background, gesture ...), innermost first:
//
//     Text("GATE").font(Font::named("Dosis-Medium", 14)).padding(4).background(Color::gray(0.2))
//
// is a text, padded by 4 points, on a grey rectangle of the padded size. Realising a tree makes
// one retained view per node (see NodeView.h); rebuilding describes the tree again, and views
// whose node kind and position stayed are updated in place, so their state (a press in progress,
// a component's State) survives. Give a node an id() to force a fresh view when the id changes.
//
// All members are [main] except building values, which may happen anywhere.

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/GraphicsTypes.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/ui/ControlSize.h"
#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Gesture.h"
#include "platform/tk/ui/Layout.h"
#include "platform/tk/view/DragItem.h"

#include <concepts>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace tk {
class ResourceBundle;
class View;
} // namespace tk

namespace tk::ui {

class Node;
class NodeView;
class ButtonStyle;
class Shader;

inline constexpr double kDefaultPadding = 16;

// A type whose body() describes a tree (see Component.h).
template <class C>
concept Component = !std::is_base_of_v<Node, C> && requires(C & c) {
    { c.body() } -> std::convertible_to<Node>;
};

// The data behind a node. Each kind of node pairs with one kind of view that realises it.
class NodeData {
public:
    virtual ~NodeData() = default;
    // A new view for this node (not yet updated with it).
    virtual std::shared_ptr<NodeView> makeView() const = 0;
    // Views are reused only for nodes of the same kind; by default the data's dynamic type.
    virtual const std::type_info& kind() const { return typeid(*this); }

    // Set by Node::id(): a different id gives a new view.
    std::optional<std::size_t> identity;
};

// Limits of a flexible frame (designated initialisers read well: {.maxWidth = kInfinity}).
struct FrameLimits {
    std::optional<double> minWidth = std::nullopt;
    std::optional<double> idealWidth = std::nullopt;
    std::optional<double> maxWidth = std::nullopt;
    std::optional<double> minHeight = std::nullopt;
    std::optional<double> idealHeight = std::nullopt;
    std::optional<double> maxHeight = std::nullopt;
    Alignment alignment = {};
};

enum class AspectMode { fit, fill };
enum class TextCase { none, uppercase };

class Node {
public:
    // The empty node: no view, no space in a stack.
    Node() = default;
    explicit Node(std::shared_ptr<const NodeData> data) : data_(std::move(data)) {}
    // A component described by its fields (see Component.h).
    template <class C>
    requires Component<C> Node(C component);

    const NodeData* data() const { return data_.get(); }
    const std::shared_ptr<const NodeData>& sharedData() const { return data_; }
    bool isEmpty() const { return !data_; }

    // --- Layout --------------------------------------------------------------------------
    // Fixed width and/or height; unset sides follow the content. The content is aligned inside.
    Node frame(std::optional<double> width, std::optional<double> height, Alignment alignment = {}) const;
    Node frame(const FrameLimits& limits) const;
    Node padding(double amount = kDefaultPadding) const;
    Node padding(Edges edges, double amount = kDefaultPadding) const;
    Node padding(EdgeInsets insets) const;
    // Moves the drawing and hit area; layout keeps the original place.
    Node offset(double x, double y) const;
    // Takes all the space offered and puts the content's centre at (x, y) of it.
    Node position(double x, double y) const;
    // A size of the ratio (width / height; the content's ideal ratio when unset) fitted into or
    // filling the proposal.
    Node aspectRatio(std::optional<double> ratio, AspectMode mode) const;
    // Proposes the content its ideal size on the given axes (whatever the parent offers).
    Node fixedSize(bool horizontal = true, bool vertical = true) const;

    // --- Decoration ------------------------------------------------------------------------
    // Behind / in front of this node, proposed this node's size and aligned on it.
    Node background(const Color& color) const;
    Node background(Node content, Alignment alignment = {}) const;
    Node overlay(Node content, Alignment alignment = {}) const;
    Node opacity(double opacity) const;
    // Scales the drawing and the hit area about `anchor`; layout keeps the unscaled size.
    Node scaleEffect(double scale, Alignment anchor = {}) const;
    Node scaleEffect(double sx, double sy, Alignment anchor) const;
    // Not drawn and not hit, but still taking its space.
    Node hidden(bool isHidden = true) const;
    Node allowsHitTesting(bool allows) const;
    Node clipped() const;
    // A drop shadow under the drawn content (offset in points, y down; blur radius in points).
    // Shadows stack: an outer shadow is cast by the content with its inner shadows. Content under
    // a shadow is drawn only - it takes no pointer events (meant for titles and decorations).
    Node shadow(const Color& color, double radius, double x = 0, double y = 0) const;
    // The drawing inside the bounds run through `shader`'s colour function, pixel by pixel (see
    // Shader.h); shown as drawn when the shader cannot run. Like content under a shadow, the content
    // is drawn only and takes no pointer events.
    Node colorEffect(std::shared_ptr<const Shader> shader) const;

    // --- Environment -----------------------------------------------------------------------
    template <class Key> Node environment(typename Key::Value value) const;
    Node font(Font font) const;
    Node foregroundColor(Color color) const;
    Node kerning(double points) const;
    Node lineLimit(std::optional<int> limit) const;
    Node truncationMode(TruncationMode mode) const;
    Node textCase(TextCase textCase) const;
    Node multilineTextAlignment(TextAlignment alignment) const;
    // Whether text below may tighten its letters before it is truncated (AllowsTighteningKey).
    Node allowsTightening(bool allows) const;
    // The size class of the controls below (ControlSizeKey).
    Node controlSize(ControlSize size) const;
    // Disables buttons and text fields below (enabled stays false once an ancestor disabled).
    Node disabled(bool isDisabled = true) const;
    // Buttons below take the keyboard focus from Tab and Shift-Tab, in the window's key view loop
    // (ButtonsTakeFocusKey; see Button.h).
    Node buttonsTakeFocus(bool takeFocus = true) const;
    Node buttonStyle(std::shared_ptr<const ButtonStyle> style) const;
    // Any ButtonStyle, or any type with `Node makeBody(const ButtonStyleConfiguration&) const`
    // (defined in Button.h).
    template <class Style> Node buttonStyle(Style style) const;

    // --- Gestures (see Gesture.h) ----------------------------------------------------------
    Node gesture(TapGesture tap) const;
    Node gesture(DragGesture drag) const;
    Node onTapGesture(std::function<void()> action, int count = 1) const;
    // Drags an item out of the window (see Gesture.h); nullopt from the provider drags nothing.
    Node onDrag(std::function<std::optional<DragItem>()> provider) const;

    // --- Observers -------------------------------------------------------------------------
    // Runs `action(old, new)` after a rebuild in which `value` differs from the value of the
    // previous build (== decides); with `initial`, also once when first shown (old == new).
    template <class V>
    Node onChange(V value,
                  std::type_identity_t<std::function<void(const V& oldValue, const V& newValue)>> action,
                  bool initial = false) const;
    // Runs once after the node's view first appears in the tree / when it leaves the tree.
    Node onAppear(std::function<void()> action) const;
    Node onDisappear(std::function<void()> action) const;

    // --- Identity --------------------------------------------------------------------------
    Node id(std::size_t identity) const;
    // Names the view of this node (View::identifier), so that tests and tools can find it with
    // findNodeView().
    Node identifier(std::string name) const;

private:
    std::shared_ptr<const NodeData> data_;
};

// --- Builders ------------------------------------------------------------------------------

struct VStackOptions {
    HorizontalAlignment alignment = HorizontalAlignment::center;
    std::optional<double> spacing = std::nullopt; // kDefaultSpacing when unset
};
struct HStackOptions {
    VerticalAlignment alignment = VerticalAlignment::center;
    std::optional<double> spacing = std::nullopt;
};

Node VStack(std::vector<Node> children);
Node VStack(VStackOptions options, std::vector<Node> children);
Node HStack(std::vector<Node> children);
Node HStack(HStackOptions options, std::vector<Node> children);
Node ZStack(std::vector<Node> children);
Node ZStack(Alignment alignment, std::vector<Node> children);
// Children that a stack takes as its own (a list built in a loop); elsewhere they overlay.
Node Group(std::vector<Node> children);
// One node per element of `range`, in order (a stack takes them as its own children).
template <class Range, class Make> Node ForEach(const Range& range, Make make) {
    std::vector<Node> nodes;
    for (const auto& element : range)
        nodes.push_back(Node(make(element)));
    return Group(std::move(nodes));
}
// Takes the space left along its stack's axis (at least `minLength`).
Node Spacer(std::optional<double> minLength = std::nullopt);

// Text in the environment's font, colour, kerning, line limit, alignment and case.
Node Text(std::string text);

// How a resizable picture fills its rect (stretched, with its cap insets kept unscaled).
enum class ImageResizingMode { stretch };

class ImageNode : public Node {
public:
    using Node::Node;
    // Takes the proposed size instead of the picture's own; `capInsets` keep the corners unscaled.
    ImageNode resizable(EdgeInsets capInsets = {}, ImageResizingMode mode = ImageResizingMode::stretch) const;
    // Draws only the picture's shape, in the environment's foreground colour.
    ImageNode renderingModeTemplate(bool isTemplate = true) const;
};
// A picture at its own size (points).
ImageNode Image(tk::Image image);
// The named picture of a resource bundle; a missing one shows nothing (and takes no space).
ImageNode Image(const ResourceBundle& bundle, std::string_view name);

class ShapeNode : public Node {
public:
    using Node::Node;
    // The shape filled (the default: the environment's foreground colour) or stroked.
    Node fill(const Color& color) const;
    Node stroke(const Color& color, double lineWidth = 1) const;
    Node stroke(const Color& color, const StrokeStyle& style) const;
};
// The outline of a shape for the rect it is given (its whole bounds).
ShapeNode Shape(std::function<tk::Path(const Rect& bounds)> outline);
ShapeNode Rectangle();
ShapeNode RoundedRectangle(double cornerRadius);
ShapeNode RoundedRectangle(Size cornerSize);
ShapeNode Ellipse();
ShapeNode Circle();
ShapeNode Capsule();

// Custom drawing into the proposed size. Observables the closure reads while drawing are tracked:
// a change redraws it.
Node Canvas(std::function<void(GraphicsContext& context, Size size)> draw);

// Builds its content for the size it is given (all that is proposed).
Node GeometryReader(std::function<Node(Size size)> content);

// The view named `name` with Node::identifier() at or below `root`, depth first; null when none.
View* findNodeView(View& root, std::string_view name);

// --- Environment keys that the layer itself reads ---------------------------------------------

struct FontKey {
    using Value = Font;
    static Value defaultValue() { return Font(); }
};
struct ForegroundColorKey {
    using Value = std::optional<Color>;
    static Value defaultValue() { return std::nullopt; }
};
struct KerningKey {
    using Value = double;
    static Value defaultValue() { return 0; }
};
struct LineLimitKey {
    using Value = std::optional<int>;
    static Value defaultValue() { return std::nullopt; }
};
struct TextCaseKey {
    using Value = TextCase;
    static Value defaultValue() { return TextCase::none; }
};
struct TruncationModeKey {
    using Value = TruncationMode;
    static Value defaultValue() { return TruncationMode::tail; }
};
struct MultilineTextAlignmentKey {
    using Value = TextAlignment;
    static Value defaultValue() { return TextAlignment::leading; }
};
struct AllowsTighteningKey {
    using Value = bool;
    static Value defaultValue() { return false; }
};
struct IsEnabledKey {
    using Value = bool;
    static Value defaultValue() { return true; }
};
struct ButtonsTakeFocusKey {
    using Value = bool;
    static Value defaultValue() { return false; }
};
struct ControlSizeKey {
    using Value = ControlSize;
    static Value defaultValue() { return ControlSize::regular; }
};

// --- Implementation details of the templates above -----------------------------------------

namespace detail {

struct EnvironmentNodeData final : NodeData {
    Node content;
    std::function<EnvironmentValues(const EnvironmentValues&)> apply;
    std::shared_ptr<NodeView> makeView() const override;
};

// The value one build saw, and how to report a change of it.
class ChangeProbe {
public:
    virtual ~ChangeProbe() = default;
    virtual bool sameValue(const ChangeProbe& previous) const = 0;
    // Calls the action with the previous value (or with its own value twice when null).
    virtual void fire(const ChangeProbe* previous) const = 0;
};

template <class V> class TypedChangeProbe final : public ChangeProbe {
public:
    TypedChangeProbe(V value, std::function<void(const V&, const V&)> action)
        : value_(std::move(value)), action_(std::move(action)) {}
    bool sameValue(const ChangeProbe& previous) const override {
        auto* p = dynamic_cast<const TypedChangeProbe*>(&previous);
        return p && p->value_ == value_;
    }
    void fire(const ChangeProbe* previous) const override {
        if (!action_)
            return;
        auto* p = dynamic_cast<const TypedChangeProbe*>(previous);
        action_(p ? p->value_ : value_, value_);
    }

private:
    V value_;
    std::function<void(const V&, const V&)> action_;
};

struct OnChangeNodeData final : NodeData {
    Node content;
    std::shared_ptr<const ChangeProbe> probe;
    bool initial = false;
    std::shared_ptr<NodeView> makeView() const override;
};

} // namespace detail

template <class Key> Node Node::environment(typename Key::Value value) const {
    auto d = std::make_shared<detail::EnvironmentNodeData>();
    d->content = *this;
    d->apply = [value = std::move(value)](const EnvironmentValues& env) { return env.with<Key>(value); };
    return Node(std::move(d));
}

template <class V>
Node Node::onChange(V value, std::type_identity_t<std::function<void(const V&, const V&)>> action,
                    bool initial) const {
    auto d = std::make_shared<detail::OnChangeNodeData>();
    d->content = *this;
    d->probe = std::make_shared<detail::TypedChangeProbe<V>>(std::move(value), std::move(action));
    d->initial = initial;
    return Node(std::move(d));
}

} // namespace tk::ui
