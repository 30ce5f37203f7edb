#pragma once

// Backend only: Pango layouts kept for reuse, by text and attributes. Making a layout (a context,
// font selection, shaping) costs far more than measuring or drawing one that exists, and most text
// is laid out again unchanged at every rebuild and drawn unchanged at every frame.
//
// Measuring and drawing keep layouts apart: a drawing layout's context follows the Cairo context
// it draws on (transformation, surface font options), a measuring layout's never changes, so
// measured sizes stay those of a fresh layout. The colour is not part of a layout. The least
// recently used layouts go when the cache is full; registering fonts empties it. A text drawn
// again finds its layout through the handle it keeps, without building and hashing its key, as
// long as no layout was dropped since.
//
// Everything here runs with textMutex() held.

#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/graphics/TextLayout.h"

#include <pango/pangocairo.h>

#include <array>
#include <optional>
#include <string>

namespace tk::detail {

enum class LayoutUse { measuring, drawing };

// The layout of `displayed` in `attributes` (and `width`), made on first use; owned by the
// cache and valid until the next call.
PangoLayout* cachedLayout(LayoutUse use, const std::string& displayed, const TextAttributes& attributes,
                          std::optional<double> width);

class TextPicture;
// What a drawing layout keeps of the target it was last drawn on: the kind of surface its context
// followed (0: none yet), and its line count there (-1: not counted since).
struct FollowedTarget {
    int surfaceType = 0;
    int lineCount = -1;
};
// The solid source a drawing layout was last shown in, kept for the next time it is shown in the
// same colour: making one each time costs more than finding the layout.
class KeptSource {
public:
    KeptSource() = default;
    KeptSource(const KeptSource&) = delete;
    KeptSource& operator=(const KeptSource&) = delete;
    ~KeptSource();
    // A solid pattern of the colour, as cairo_set_source_rgba makes it; owned by this.
    cairo_pattern_t* solid(double red, double green, double blue, double alpha);

private:
    cairo_pattern_t* pattern_ = nullptr;
    std::array<double, 4> rgba_{};
};
// A drawing layout (as cachedLayout), the picture of its glyphs, what it keeps of its target and
// its source; valid until the next call.
struct DrawingLayout {
    PangoLayout* layout;
    TextPicture* picture;
    FollowedTarget* followed;
    KeptSource* source;
};
// The drawing layout of `text` (its displayed text, attributes and width): through the handle the
// text keeps while nothing was dropped from the cache since it was taken, else looked up by key
// and the handle taken again.
DrawingLayout drawingLayout(const TextLayout& text);

// What measuring asks of a layout (Pango units), worked out once for each cached layout.
struct LayoutMetrics {
    PangoRectangle logical{};
    int lineCount = 0;
    bool ellipsized = false;
    int baseline = 0;
};
struct MeasuredLayout {
    PangoLayout* layout;
    const LayoutMetrics* metrics;
};
// The measuring layout of `displayed` (as cachedLayout) and its metrics; valid until the next call.
MeasuredLayout measuredLayout(const std::string& displayed, const TextAttributes& attributes,
                              std::optional<double> width);

// Forgets every layout (their contexts hold the old font map).
void clearLayoutCache();

} // namespace tk::detail
