#pragma once

// Backend only: the Pango side of text. Pango's font map is not thread-safe, so every use goes
// through one process-wide lock; the font map is replaced when fonts are registered so that
// Pango sees them.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/TextAttributes.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <mutex>
#include <optional>
#include <string>

namespace tk {
class TextLayout;
}

namespace tk::detail {

std::recursive_mutex& textMutex();

// With textMutex() held: a new context on the current font map with the toolkit's font options
// (unhinted metrics, unrounded glyph positions). The caller unrefs it.
PangoContext* newTextContext();
// With textMutex() held: drops the font map so the next context sees newly registered fonts.
void resetFontMap();
// With textMutex() held: counts changes to the fonts (files or names registered); what was looked
// up under an earlier count may no longer hold.
unsigned fontGeneration();
void noteFontsChanged();

// The caller frees it.
PangoFontDescription* newFontDescription(const Font& font);
// With textMutex() held: a layout of `displayed` in `attributes` (and `width`); the caller unrefs it.
PangoLayout* newLayout(PangoContext* context, const std::string& displayed, const TextAttributes& attributes,
                       std::optional<double> width);

// Draws a measured layout with its top-left corner at `origin`, in its colour (or `colour`) times
// `alpha`. Leaves cr's state as it was, but for an empty path.
void showLayout(cairo_t* cr, const TextLayout& layout, Point origin, double alpha,
                const Color* colour = nullptr);

} // namespace tk::detail
