// Nodes that draw: text, images, shapes, canvases; and the geometry reader.

#include "platform/tk/base/ReadTracking.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/ResourceBundle.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/TextTruncation.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"
#include "platform/tk/ui/detail/ComponentView.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tk::ui {
namespace {

// Flexible drawings (shapes, canvases) ideally take this much when nothing is proposed.
constexpr Size kFlexibleIdealSize{10, 10};

Color foreground(const EnvironmentValues& env) {
    return env.get<ForegroundColorKey>().value_or(Color::black());
}

// --- text --------------------------------------------------------------------------------------

struct TextNodeData final : NodeData {
    std::string text;
    std::shared_ptr<NodeView> makeView() const override;
};

class TextView final : public NodeView {
public:
    void draw(GraphicsContext& context, const Rect& dirty) override {
        const Size b = bounds().size;
        // Laid out as measured: on one line when the ideal width fits, else wrapped in the width.
        if (!(b.width + 0.01 < ideal_.width)) {
            context.drawText(TextLayout(text_, attributes_), Rect(Point{}, b));
            return;
        }
        // Wrapped: only the lines that show in the frame and the area being drawn are laid out.
        const double shown = std::clamp(dirty.maxY(), 0.0, b.height);
        TextLayout layout(truncatedToFrame(text_, attributes_, b.width, visibleLines(shown)), attributes_,
                          b.width);
        context.drawText(layout, Rect(Point{}, b));
    }

protected:
    void update(const NodeData& node) override {
        const std::string& text = static_cast<const TextNodeData&>(node).text;
        const auto& env = context_.environment;
        TextAttributes attributes;
        attributes.font = env.get<FontKey>();
        attributes.color = foreground(env);
        attributes.alignment = env.get<MultilineTextAlignmentKey>();
        attributes.lineLimit = env.get<LineLimitKey>().value_or(0);
        attributes.truncation = env.get<TruncationModeKey>();
        attributes.uppercased = env.get<TextCaseKey>() == TextCase::uppercase;
        attributes.letterSpacing = env.get<KerningKey>();
        if (measured_ && text == text_ && attributes == attributes_)
            return; // a rebuild that changed nothing here
        text_ = text;
        attributes_ = attributes;
        measured_ = true;
        ideal_ = measureText(text_, attributes_);
        wrapped_.clear();
        setNeedsDisplay();
    }

    Size measure(ProposedSize proposal) override {
        if (!proposal.width || !std::isfinite(*proposal.width) || *proposal.width >= ideal_.width)
            return ideal_;
        // Wrapped sizes are kept until the text or its attributes change: stacks ask for the same
        // widths at every layout pass.
        const double width = std::max(0.0, *proposal.width);
        // A proposed height bounds the lines laid out; without one the whole text is measured.
        const int lines = proposal.height ? visibleLines(*proposal.height) : 0;
        for (const auto& [w, l, size] : wrapped_)
            if (w == width && l == lines)
                return size;
        const Size size = measureText(truncatedToFrame(text_, attributes_, width, lines), attributes_, width);
        if (wrapped_.size() >= kWrappedCacheSize)
            wrapped_.erase(wrapped_.begin());
        wrapped_.emplace_back(width, lines, size);
        return size;
    }

private:
    static constexpr std::size_t kWrappedCacheSize = 8;

    // Lines a frame of `height` can show: the line limit, when tighter.
    int visibleLines(double height) const {
        const int fit = linesWithin(height, attributes_);
        return attributes_.lineLimit > 0 && (fit <= 0 || attributes_.lineLimit < fit) ? attributes_.lineLimit
                                                                                      : fit;
    }

    std::string text_;
    TextAttributes attributes_;
    Size ideal_;
    bool measured_ = false;
    std::vector<std::tuple<double, int, Size>> wrapped_; // width, lines, size
};
std::shared_ptr<NodeView> TextNodeData::makeView() const {
    return View::make<TextView>();
}

// --- images ------------------------------------------------------------------------------------

struct ImageNodeData final : NodeData {
    tk::Image image;
    bool resizable = false;
    EdgeInsets capInsets;
    ImageResizingMode resizingMode = ImageResizingMode::stretch;
    bool isTemplate = false;
    std::shared_ptr<NodeView> makeView() const override;
};

class ImageView final : public NodeView {
public:
    void draw(GraphicsContext& context, const Rect&) override {
        if (image_.isEmpty())
            return;
        const Rect r = d_.resizable ? Rect(Point{}, bounds().size) : Rect(Point{}, image_.size());
        ImageDrawOptions options;
        if (d_.isTemplate || image_.isTemplate())
            options.tint = tint_;
        // A resizable image takes the node's cap insets; without any it is stretched whole.
        if (d_.resizable)
            context.drawImageNinePart(image_, r, d_.capInsets, options);
        else
            context.drawImage(image_, r, options);
    }
    const tk::Image& image() const { return image_; }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const ImageNodeData&>(node);
        d_.resizable = d.resizable;
        d_.capInsets = d.capInsets;
        d_.resizingMode = d.resizingMode;
        d_.isTemplate = d.isTemplate;
        image_ = d.image;
        tint_ = foreground(context_.environment);
        setNeedsDisplay();
    }
    Size measure(ProposedSize proposal) override {
        if (!d_.resizable)
            return image_.size();
        return proposal.replacingUnspecified(image_.size());
    }

private:
    ImageNodeData d_;
    tk::Image image_;
    Color tint_;
};
std::shared_ptr<NodeView> ImageNodeData::makeView() const {
    return View::make<ImageView>();
}

// --- shapes ------------------------------------------------------------------------------------

struct ShapeNodeData final : NodeData {
    std::function<tk::Path(const Rect&)> outline;
    std::optional<Color> fill;
    std::optional<Color> strokeColor;
    StrokeStyle stroke;
    std::shared_ptr<NodeView> makeView() const override;
};

class ShapeView final : public NodeView {
public:
    void draw(GraphicsContext& context, const Rect&) override {
        if (!outline_)
            return;
        const tk::Path path = outline_(Rect(Point{}, bounds().size));
        if (strokeColor_)
            context.strokePath(path, *strokeColor_, stroke_);
        else
            context.fillPath(path, fill_);
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const ShapeNodeData&>(node);
        outline_ = d.outline;
        fill_ = d.fill.value_or(foreground(context_.environment));
        strokeColor_ = d.strokeColor;
        stroke_ = d.stroke;
        setNeedsDisplay();
    }
    Size measure(ProposedSize proposal) override { return proposal.replacingUnspecified(kFlexibleIdealSize); }

private:
    std::function<tk::Path(const Rect&)> outline_;
    Color fill_;
    std::optional<Color> strokeColor_;
    StrokeStyle stroke_;
};
std::shared_ptr<NodeView> ShapeNodeData::makeView() const {
    return View::make<ShapeView>();
}

const ShapeNodeData* shapeData(const Node& n) {
    return dynamic_cast<const ShapeNodeData*>(n.data());
}

// --- canvas ------------------------------------------------------------------------------------

struct CanvasNodeData final : NodeData {
    std::function<void(GraphicsContext&, Size)> draw;
    std::shared_ptr<NodeView> makeView() const override;
};

class CanvasView final : public NodeView {
public:
    void draw(GraphicsContext& context, const Rect&) override {
        if (!draw_)
            return;
        const Size size = bounds().size;
        auto drawer = draw_;
        ObservedReads reads = trackReads([&] {
            GraphicsStateGuard guard(context);
            drawer(context, size);
        });
        std::weak_ptr<View> weak = weakView();
        readsChanged_ = reads.subscribe([weak] {
            if (auto v = weak.lock())
                v->setNeedsDisplay();
        });
    }

protected:
    void update(const NodeData& node) override {
        draw_ = static_cast<const CanvasNodeData&>(node).draw;
        setNeedsDisplay();
    }
    Size measure(ProposedSize proposal) override { return proposal.replacingUnspecified(kFlexibleIdealSize); }

private:
    std::function<void(GraphicsContext&, Size)> draw_;
    Subscription readsChanged_;
};
std::shared_ptr<NodeView> CanvasNodeData::makeView() const {
    return View::make<CanvasView>();
}

// --- geometry reader ---------------------------------------------------------------------------

struct GeometryNodeData final : NodeData {
    std::function<Node(Size)> content;
    std::shared_ptr<NodeView> makeView() const override;
};

class GeometryView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        content_ = static_cast<const GeometryNodeData&>(node).content;
        // Built for a size: at the first layout, and again now when it already has one.
        if (built_)
            build(builtSize_);
    }
    Size measure(ProposedSize proposal) override { return proposal.replacingUnspecified(kFlexibleIdealSize); }
    void layoutContent(Size size) override {
        if (!built_ || size != builtSize_)
            build(size);
        if (child_) {
            const Size s = child_->sizeThatFits(ProposedSize(size));
            child_->place(Rect(Point{}, s));
        }
    }

private:
    void build(Size size) {
        built_ = true;
        builtSize_ = size;
        Node content;
        // What the content builder reads belongs to the component that described this reader.
        ObservedReads reads = trackReads([&] {
            EnvironmentScope scope(context_.environment);
            if (content_)
                content = content_(size);
        });
        std::weak_ptr<View> owner =
            context_.component ? context_.component->weakView() : std::weak_ptr<View>();
        readsChanged_ = reads.subscribe([owner] {
            if (auto v = owner.lock())
                static_cast<detail::ComponentView&>(*v).invalidate();
        });
        setContent(content, context_);
    }

    std::function<Node(Size)> content_;
    Size builtSize_;
    bool built_ = false;
    Subscription readsChanged_;
};
std::shared_ptr<NodeView> GeometryNodeData::makeView() const {
    return View::make<GeometryView>();
}

} // namespace

Node Text(std::string text) {
    auto d = std::make_shared<TextNodeData>();
    d->text = std::move(text);
    return Node(std::move(d));
}

ImageNode Image(tk::Image image) {
    auto d = std::make_shared<ImageNodeData>();
    d->image = std::move(image);
    return ImageNode(std::move(d));
}

ImageNode Image(const ResourceBundle& bundle, std::string_view name) {
    return Image(bundle.image(name).value_or(tk::Image()));
}

ImageNode ImageNode::resizable(EdgeInsets capInsets, ImageResizingMode mode) const {
    auto* src = dynamic_cast<const ImageNodeData*>(data());
    if (!src)
        return *this;
    auto d = std::make_shared<ImageNodeData>(*src);
    d->resizable = true;
    d->capInsets = capInsets;
    d->resizingMode = mode;
    return ImageNode(std::move(d));
}

ImageNode ImageNode::renderingModeTemplate(bool isTemplate) const {
    auto* src = dynamic_cast<const ImageNodeData*>(data());
    if (!src)
        return *this;
    auto d = std::make_shared<ImageNodeData>(*src);
    d->isTemplate = isTemplate;
    return ImageNode(std::move(d));
}

Node ShapeNode::fill(const Color& color) const {
    auto* src = shapeData(*this);
    if (!src)
        return *this;
    auto d = std::make_shared<ShapeNodeData>(*src);
    d->fill = color;
    d->strokeColor.reset();
    return Node(std::move(d));
}

Node ShapeNode::stroke(const Color& color, double lineWidth) const {
    StrokeStyle style;
    style.lineWidth = lineWidth;
    return stroke(color, style);
}

Node ShapeNode::stroke(const Color& color, const StrokeStyle& style) const {
    auto* src = shapeData(*this);
    if (!src)
        return *this;
    auto d = std::make_shared<ShapeNodeData>(*src);
    d->strokeColor = color;
    d->stroke = style;
    return Node(std::move(d));
}

ShapeNode Shape(std::function<tk::Path(const Rect&)> outline) {
    auto d = std::make_shared<ShapeNodeData>();
    d->outline = std::move(outline);
    return ShapeNode(std::move(d));
}

ShapeNode Rectangle() {
    return Shape([](const Rect& r) { return tk::Path::rect(r); });
}
ShapeNode RoundedRectangle(double cornerRadius) {
    return Shape([cornerRadius](const Rect& r) { return tk::Path::roundedRect(r, cornerRadius); });
}
ShapeNode RoundedRectangle(Size cornerSize) {
    // Elliptical corners are drawn with the smaller radius (the corner styles look alike at the
    // sizes the controls use).
    const double radius = std::min(cornerSize.width, cornerSize.height);
    return RoundedRectangle(radius);
}
ShapeNode Ellipse() {
    return Shape([](const Rect& r) { return tk::Path::ellipse(r); });
}
ShapeNode Circle() {
    return Shape([](const Rect& r) {
        const double d = std::min(r.width(), r.height());
        return tk::Path::ellipse(Rect(r.midX() - d / 2, r.midY() - d / 2, d, d));
    });
}
ShapeNode Capsule() {
    return Shape([](const Rect& r) { return tk::Path::roundedRect(r, std::min(r.width(), r.height()) / 2); });
}

Node Canvas(std::function<void(GraphicsContext&, Size)> draw) {
    auto d = std::make_shared<CanvasNodeData>();
    d->draw = std::move(draw);
    return Node(std::move(d));
}

Node GeometryReader(std::function<Node(Size)> content) {
    auto d = std::make_shared<GeometryNodeData>();
    d->content = std::move(content);
    return Node(std::move(d));
}

} // namespace tk::ui
