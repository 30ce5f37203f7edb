#pragma once

// A GraphicsContext that draws nothing and records every draw with the state it was made in, so
// tests can check what a view drew: which image (by name) in which rect with which opacity and
// operator, which fills and strokes in which colour, which text in which font and rect.
//
// Rects and paths are recorded in user space as the caller gave them; `transform` maps them to
// the context's base space (deviceRect()). Nine-part and fitted image draws record the image
// pieces they draw; pictures() folds the pieces of each nine-part draw back into one.

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/TextAttributes.h"

#include <optional>
#include <string>
#include <vector>

namespace tk {

struct RecordedDraw {
    enum class Kind { fill, stroke, clear, image, text, clip };

    Kind kind = Kind::fill;
    // State at the time of the draw.
    AffineTransform transform;
    double alpha = 1;
    BlendMode blendMode = BlendMode::normal;
    std::optional<Shadow> shadow;
    // Clip bounds in base space, when a clip is set.
    std::optional<Rect> clip;

    // fill, stroke, clip: the path and its bounding box; clear, image, text: the rect.
    Path path;
    Rect rect;
    FillRule fillRule = FillRule::nonZero;
    // fill, stroke, text: the colour; image: the tint, if any.
    Color color;
    std::optional<LinearGradient> gradient;
    StrokeStyle stroke;

    // image
    std::string imageName;
    Image image;
    Rect sourceRect; // in the picture's points
    double opacity = 1;
    bool isTemplateDraw = false;
    // image: for a piece of a nine-part draw, which one (numbered from 1) and its whole rect.
    int ninePartDraw = 0;
    Rect ninePartRect;

    // text: what was shown (after upper-casing) and how
    std::string text;
    TextAttributes textAttributes;

    Rect deviceRect() const { return transform.apply(rect); }
};

class RecordingContext final : public GraphicsContext {
public:
    // `bounds` is reported as the clip when none is set; `scale` as the backing scale.
    explicit RecordingContext(Rect bounds = Rect{0, 0, 1.0e6, 1.0e6}, double scale = 1);

    const std::vector<RecordedDraw>& draws() const { return draws_; }
    std::vector<RecordedDraw> draws(RecordedDraw::Kind kind) const;
    std::vector<RecordedDraw> images() const { return draws(RecordedDraw::Kind::image); }
    std::vector<RecordedDraw> texts() const { return draws(RecordedDraw::Kind::text); }
    // The image draws as their callers made them: the pieces of a nine-part draw become one draw
    // of the whole picture over the whole rect.
    std::vector<RecordedDraw> pictures() const;
    // Names of the pictures drawn, in order (a nine-part draw once).
    std::vector<std::string> imageNames() const;
    // Texts drawn, in order.
    std::vector<std::string> textStrings() const;
    void clearRecording() { draws_.clear(); }
    // Depth of unmatched save() calls (0 when balanced).
    int saveDepth() const { return static_cast<int>(stack_.size()); }

    double backingScale() const override { return scale_; }
    void save() override;
    void restore() override;
    void concatTransform(const AffineTransform& t) override;
    AffineTransform transform() const override { return state_.transform; }
    void clipToRect(const Rect& rect) override;
    void clipToPath(const Path& path, FillRule rule = FillRule::nonZero) override;
    Rect clipBounds() const override;
    void setAlpha(double alpha) override;
    double alpha() const override { return state_.alpha; }
    void setBlendMode(BlendMode mode) override { state_.blendMode = mode; }
    BlendMode blendMode() const override { return state_.blendMode; }
    void setShadow(const Shadow& shadow) override { state_.shadow = shadow; }
    void clearShadow() override { state_.shadow.reset(); }
    void fillPath(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) override;
    void fillPath(const Path& path, const LinearGradient& gradient,
                  FillRule rule = FillRule::nonZero) override;
    void strokePath(const Path& path, const Color& color, const StrokeStyle& style = {}) override;
    void clearRect(const Rect& rect) override;
    void drawText(const TextLayout& layout, const Rect& rect) override;
    void drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                           const ImageDrawOptions& options = {}) override;
    using GraphicsContext::drawImageNinePart;

    using GraphicsContext::clipToPath;
    using GraphicsContext::drawText;
    using GraphicsContext::fillPath;
    using GraphicsContext::strokePath;

protected:
    void drawScaledImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) override;

private:
    struct State {
        AffineTransform transform;
        double alpha = 1;
        BlendMode blendMode = BlendMode::normal;
        std::optional<Shadow> shadow;
        std::optional<Rect> clip; // base space
    };

    RecordedDraw begin(RecordedDraw::Kind kind) const;
    void intersectClip(const Rect& baseRect);

    Rect bounds_;
    double scale_;
    State state_;
    std::vector<State> stack_;
    std::vector<RecordedDraw> draws_;
    int ninePartDraws_ = 0;
};

} // namespace tk
