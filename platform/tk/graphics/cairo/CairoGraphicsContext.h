#pragma once

// Backend only: the Cairo implementation of GraphicsContext over a cairo_t that the caller owns
// (BitmapContext uses it on its own surface; a window backend may use it on a surface of its
// own). The surface's device scale should be the backing scale, so that user space is in points.

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/cairo/StraightCopy.h"

#include <cairo.h>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace tk {

class CairoGraphicsContext final : public GraphicsContext {
public:
    // Does not take ownership of `cr`; the context's state starts from cr's current state.
    CairoGraphicsContext(cairo_t* cr, double backingScale);
    ~CairoGraphicsContext() override;

    // For drawing straight on cr: the open save() has cairo's state saved first, so that what is
    // set on cr now is undone by the matching restore().
    cairo_t* cairo() {
        saveCairoState();
        inverseFresh_ = false;
        return cr_;
    }

    double backingScale() const override { return scale_; }
    void save() override;
    void restore() override;
    void concatTransform(const AffineTransform& t) override;
    AffineTransform transform() const override;
    void clipToRect(const Rect& rect) override;
    void clipToPath(const Path& path, FillRule rule = FillRule::nonZero) override;
    Rect clipBounds() const override;
    void setAlpha(double alpha) override;
    double alpha() const override { return state_.alpha; }
    void setBlendMode(BlendMode mode) override { state_.blendMode = mode; }
    BlendMode blendMode() const override { return state_.blendMode; }
    void setShadow(const Shadow& shadow) override { state_.shadow = shadow; }
    void clearShadow() override { state_.shadow.reset(); }
    void beginTransparencyLayer(double opacity) override;
    void endTransparencyLayer() override;
    void fillPath(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) override;
    void fillPath(const Path& path, const LinearGradient& gradient,
                  FillRule rule = FillRule::nonZero) override;
    void strokePath(const Path& path, const Color& color, const StrokeStyle& style = {}) override;
    void clearRect(const Rect& rect) override;
    void drawText(const TextLayout& layout, const Rect& rect) override;

    using GraphicsContext::clipToPath;
    using GraphicsContext::drawText;
    using GraphicsContext::fillPath;
    using GraphicsContext::strokePath;

    // Public here so that a context drawing through this one can hand its images on.
    void drawScaledImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) override;
    // Into a rect on whole device pixels, through a copy of the picture at that size kept with it.
    void drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                           const ImageDrawOptions& options = {}) override;
    using GraphicsContext::drawImageNinePart;

    // Back to identity transform, no clip, alpha 1, normal blending, no shadow.
    void resetState();

    // How an image that lands one pixel on one pixel is drawn: the cheapest way, or (for tests
    // comparing the two) only through cairo or only copied with pixman straight, drawing nothing
    // where that cannot be.
    enum class ImageCopy { cheapest, throughCairo, straight };
    void setImageCopy(ImageCopy copy) { imageCopy_ = copy; }

private:
    struct State {
        double alpha = 1;
        BlendMode blendMode = BlendMode::normal;
        std::optional<Shadow> shadow;
        // A singular transform was concatenated: everything drawn collapses to nothing until
        // restore().
        bool collapsed = false;
    };

    // Runs `draw(op, alpha)` once, casting the current shadow first when one is set. `bounds()`
    // gives the user-space area the draw can touch; it is asked only when there is a shadow to
    // cast (measuring a path costs a walk over it).
    template <typename Bounds, typename Draw> void withShadow(Bounds&& bounds, Draw&& draw);
    // Copies `pixelSource` (pixels of `image`) into `dest` with pixman straight where that is a
    // plain copy of pixels onto whole pixels, one for one, as cairo's paint of it would copy them;
    // false, having drawn nothing, elsewhere.
    bool copyImageStraight(cairo_surface_t* image, const Rect& dest, const Rect& pixelSource,
                           const ImageDrawOptions& options);
    void castShadow(cairo_pattern_t* group, const Shadow& shadow);

    // An open save(). Most saves see only the transform move before they are restored, and
    // cairo_save()/cairo_restore() copy the whole of cairo's state (with a reference taken and
    // dropped on each object in it), so cairo's state is saved only when something other than the
    // transform is about to change under the save; until then restore() sets the transform back.
    //
    // Cairo keeps the inverse of its transform too, built up step by step; setting the transform
    // makes it afresh, which after other scales or a rotation can differ in the last bits. A save
    // stays light only when cairo's inverse then is the one setting the transform back makes (as
    // after moves and scales by powers of two), so that restore() leaves cairo exactly as
    // cairo_restore() would; any other save saves cairo's state at once.
    struct Saved {
        State state;
        cairo_matrix_t matrix; // as cairo_get_matrix() gave it
        bool cairoSaved = false;
        bool lightRestore = true;      // the transform set back brings its inverse back
        bool inverseWhenSaved = false; // inverseFresh_ when cairo_save() was made
    };
    // Calls cairo_save() for the innermost open save() if it has not yet. Everything that changes
    // cairo's state for longer than one call of its own, apart from the transform, calls this first
    // (what is always set before it is used, like the source and the operator, need not).
    void saveCairoState();

    // An open transparency layer: the save depth it began at (restore() never goes below it) and
    // how its group is composited when it ends.
    struct Layer {
        std::size_t depth;
        double alpha;
        BlendMode blendMode;
    };

    cairo_t* cr_;
    double scale_;
    State state_;
    std::vector<Saved> stack_;
    // Cairo's inverse transform is known to be the one setting its transform would make.
    bool inverseFresh_ = false;
    std::vector<Layer> layers_;
    ImageCopy imageCopy_ = ImageCopy::cheapest;
    detail::ImagePixels targetPixels_; // what images were last copied onto straight
    // Enough for the pictures of a table's selected rows or a window of controls.
    static constexpr std::size_t kKeptSources = 16;
    // The pictures last copied straight, so that those drawn frame after frame are wrapped for
    // pixman once. Kept by the context, as it draws on one thread: pixman's images are not made to
    // be used by several at once.
    std::array<detail::ImagePixels, kKeptSources> sourcePixels_;
    std::size_t replacedSource_ = 0; // the one a new picture takes next
};

} // namespace tk
