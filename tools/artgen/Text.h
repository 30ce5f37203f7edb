// Text for the few pictures that carry lettering (the word marks), set with Pango from font files
// registered with fontconfig for this process only.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <string>

namespace artgen {

// Makes the font file available to Pango in this process. Throws when fontconfig refuses it.
void registerFontFile(const std::filesystem::path& file);

struct TextStyle {
    std::string fontDescription; // Pango description, e.g. "League Spartan SemiBold 18px"
    double letterSpacing = 0;    // points between letters
};

// Width and ink height of `text`, in points.
struct TextExtent {
    double width = 0;
    double inkTop = 0; // from the layout's top to the top of the ink
    double inkHeight = 0;
};
TextExtent measureText(cairo_t* cr, const std::string& text, const TextStyle& style);

// Adds the outline of `text` to the current path with its ink box's left edge at x and its ink
// top at y, so callers can fill it with any source (gradients, masks).
void textPath(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double inkTopY);

} // namespace artgen
