#pragma once

// Small value types that describe how drawing happens: compositing operators, strokes, fill rules,
// shadows, gradients and the options of an image draw.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"

#include <optional>
#include <utility>
#include <vector>

namespace tk {

// How a drawn source is composited onto what is already there (the Porter-Duff operators and the
// separable and non-separable blend modes).
enum class BlendMode {
    normal, // source over
    copy,   // source replaces destination
    clear,
    sourceIn,
    sourceOut,
    sourceAtop,
    destinationOver,
    destinationIn,
    destinationOut,
    destinationAtop,
    xorMode,
    plusLighter, // additive
    multiply,
    screen,
    overlay,
    darken,
    lighten,
    colorDodge,
    colorBurn,
    softLight,
    hardLight,
    difference,
    exclusion,
    hue,
    saturation,
    color,
    luminosity,
};

const char* blendModeName(BlendMode mode);

enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };
enum class FillRule { nonZero, evenOdd };

struct StrokeStyle {
    double lineWidth = 1;
    LineCap lineCap = LineCap::butt;
    LineJoin lineJoin = LineJoin::miter;
    double miterLimit = 10;
    // Lengths of on and off segments in user space; empty is a solid line.
    std::vector<double> dash;
    double dashPhase = 0;

    // Changed copies, for building a style in one expression (partial designated initialisers
    // trip -Wmissing-field-initializers).
    StrokeStyle withLineWidth(double width) const {
        StrokeStyle s = *this;
        s.lineWidth = width;
        return s;
    }
    StrokeStyle withLineCap(LineCap cap) const {
        StrokeStyle s = *this;
        s.lineCap = cap;
        return s;
    }
    StrokeStyle withLineJoin(LineJoin join) const {
        StrokeStyle s = *this;
        s.lineJoin = join;
        return s;
    }
    StrokeStyle withMiterLimit(double limit) const {
        StrokeStyle s = *this;
        s.miterLimit = limit;
        return s;
    }
    StrokeStyle withDash(std::vector<double> lengths, double phase = 0) const {
        StrokeStyle s = *this;
        s.dash = std::move(lengths);
        s.dashPhase = phase;
        return s;
    }

    friend bool operator==(const StrokeStyle&, const StrokeStyle&) = default;
};

// A drop shadow cast by everything drawn while it is set. The offset is in the context's base
// space (points, y down), not affected by the current transform; blur is the blur radius in points.
struct Shadow {
    Size offset;
    double blur = 0;
    Color color = Color{0, 0, 0, 1.0 / 3};

    friend bool operator==(const Shadow&, const Shadow&) = default;
};

struct GradientStop {
    double location = 0; // 0..1 along the gradient
    Color color;

    friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

// A linear gradient from `start` to `end` (user space); beyond the ends the end colours continue.
struct LinearGradient {
    Point start;
    Point end;
    std::vector<GradientStop> stops;

    friend bool operator==(const LinearGradient&, const LinearGradient&) = default;
};

// How a picture is fitted into a rect that does not have its aspect ratio.
enum class ContentMode {
    stretch,    // fill the rect, distorting
    aspectFit,  // whole picture visible, centred, letterboxed
    aspectFill, // rect covered, centred, the excess clipped
    center,     // own size, centred
};

enum class ImageInterpolation { none, low, high };

// Options of one image draw.
struct ImageDrawOptions {
    // Multiplies the context's alpha for this draw only.
    double opacity = 1;
    // Compositing for this draw only (the context's blend mode is used when unset).
    std::optional<BlendMode> blendMode;
    // Part of the picture to draw, in the image's points (the whole picture when unset).
    std::optional<Rect> source;
    // Draws the picture's alpha as a mask filled with this colour (template drawing).
    std::optional<Color> tint;
    ImageInterpolation interpolation = ImageInterpolation::high;

    ImageDrawOptions withOpacity(double value) const {
        ImageDrawOptions o = *this;
        o.opacity = value;
        return o;
    }
    ImageDrawOptions withBlendMode(BlendMode mode) const {
        ImageDrawOptions o = *this;
        o.blendMode = mode;
        return o;
    }
    ImageDrawOptions withSource(const Rect& rect) const {
        ImageDrawOptions o = *this;
        o.source = rect;
        return o;
    }
    ImageDrawOptions withTint(const Color& color) const {
        ImageDrawOptions o = *this;
        o.tint = color;
        return o;
    }
    ImageDrawOptions withInterpolation(ImageInterpolation value) const {
        ImageDrawOptions o = *this;
        o.interpolation = value;
        return o;
    }
};

} // namespace tk
