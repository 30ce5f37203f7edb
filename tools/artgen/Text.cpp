#include "tools/artgen/Text.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <memory>
#include <stdexcept>

namespace artgen {
namespace {

struct LayoutDeleter {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr makeLayout(cairo_t* cr, const std::string& text, const TextStyle& style) {
    LayoutPtr layout(pango_cairo_create_layout(cr));
    // Unhinted outlines, so the 1x and 2x pictures have the same shapes.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout.get());
    PangoFontDescription* desc = pango_font_description_from_string(style.fontDescription.c_str());
    pango_layout_set_font_description(layout.get(), desc);
    pango_font_description_free(desc);
    if (style.letterSpacing != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(
            attrs, pango_attr_letter_spacing_new(static_cast<int>(style.letterSpacing * PANGO_SCALE)));
        pango_layout_set_attributes(layout.get(), attrs);
        pango_attr_list_unref(attrs);
    }
    pango_layout_set_text(layout.get(), text.c_str(), -1);
    return layout;
}

} // namespace

void registerFontFile(const std::filesystem::path& file) {
    if (!FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(file.c_str())))
        throw std::runtime_error("fontconfig cannot load " + file.string());
}

TextExtent measureText(cairo_t* cr, const std::string& text, const TextStyle& style) {
    LayoutPtr layout = makeLayout(cr, text, style);
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout.get(), &ink, &logical);
    return {static_cast<double>(ink.width) / PANGO_SCALE, static_cast<double>(ink.y) / PANGO_SCALE,
            static_cast<double>(ink.height) / PANGO_SCALE};
}

void textPath(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double inkTopY) {
    LayoutPtr layout = makeLayout(cr, text, style);
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout.get(), &ink, &logical);
    cairo_move_to(cr, x - static_cast<double>(ink.x) / PANGO_SCALE,
                  inkTopY - static_cast<double>(ink.y) / PANGO_SCALE);
    pango_cairo_layout_path(cr, layout.get());
}

} // namespace artgen
