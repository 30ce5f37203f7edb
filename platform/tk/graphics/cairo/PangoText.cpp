#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/TextTruncation.h"
#include "platform/tk/graphics/cairo/CairoInternal.h"
#include "platform/tk/graphics/cairo/PangoInternal.h"
#include "platform/tk/graphics/cairo/PangoLayoutCache.h"
#include "platform/tk/graphics/cairo/TextPicture.h"

#include <algorithm>
#include <cmath>

// Sanitizer runs: fontconfig's match results are kept by Cairo's and Pango's font caches until
// the process ends, where the leak checker reports them; and Pango hands fontconfig work to
// threads of its own, synchronised with GLib primitives that ThreadSanitizer does not see. SDL's
// D-Bus connection (screen saver, input methods) keeps libdbus allocations to the end, so a windowed
// run would end in a leak report. All are the libraries' own; every use of Pango here is serialised
// by textMutex().
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
// Suppressed leaks are not news: no statistics of them on standard error at exit, where a program's
// one-line messages must stay one line.
extern "C" const char* __lsan_default_options();
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
extern "C" const char* __tsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions() {
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libglib-2.0.so\n";
}

namespace tk {

namespace detail {

namespace {

PangoFontMap*& currentFontMap() {
    static PangoFontMap* map = nullptr;
    return map;
}

unsigned& fontChanges() {
    static unsigned changes = 0;
    return changes;
}

PangoEllipsizeMode ellipsizeMode(TruncationMode mode) {
    switch (mode) {
    case TruncationMode::none:
        return PANGO_ELLIPSIZE_NONE;
    case TruncationMode::head:
        return PANGO_ELLIPSIZE_START;
    case TruncationMode::middle:
        return PANGO_ELLIPSIZE_MIDDLE;
    case TruncationMode::tail:
        return PANGO_ELLIPSIZE_END;
    }
    return PANGO_ELLIPSIZE_END;
}

int pangoUnits(double points) {
    return static_cast<int>(std::lround(points * PANGO_SCALE));
}

// Height of the first `lines` lines of a layout, in points.
double heightOfLines(PangoLayout* layout, int lines) {
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    double bottom = 0;
    int index = 0;
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        bottom = static_cast<double>(logical.y + logical.height) / PANGO_SCALE;
        ++index;
    } while (index < lines && pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return bottom;
}

} // namespace

std::recursive_mutex& textMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

unsigned fontGeneration() {
    return fontChanges();
}

void noteFontsChanged() {
    ++fontChanges();
}

void resetFontMap() {
    noteFontsChanged();
    clearLayoutCache();
    PangoFontMap*& map = currentFontMap();
    if (map) {
        g_object_unref(map);
        map = nullptr;
    }
}

PangoContext* newTextContext() {
    PangoFontMap*& map = currentFontMap();
    if (!map)
        map = pango_cairo_font_map_new();
    PangoContext* context = pango_font_map_create_context(map);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context, FALSE);
    return context;
}

PangoFontDescription* newFontDescription(const Font& font) {
    const ResolvedFont r = font.resolved();
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, r.family.c_str());
    pango_font_description_set_weight(d, static_cast<PangoWeight>(static_cast<int>(r.weight)));
    pango_font_description_set_style(d, r.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    const double size = std::isfinite(r.size) && r.size > 0 ? r.size : Font::kDefaultSize;
    pango_font_description_set_absolute_size(d, size * PANGO_SCALE);
    return d;
}

PangoLayout* newLayout(PangoContext* context, const std::string& displayed, const TextAttributes& attributes,
                       std::optional<double> width) {
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_text(layout, displayed.c_str(), static_cast<int>(displayed.size()));
    PangoFontDescription* d = newFontDescription(attributes.font);
    pango_layout_set_font_description(layout, d);
    pango_font_description_free(d);
    if (attributes.letterSpacing != 0 || attributes.font.hasMonospacedDigits()) {
        PangoAttrList* list = pango_attr_list_new();
        if (attributes.letterSpacing != 0)
            pango_attr_list_insert(list, pango_attr_letter_spacing_new(pangoUnits(attributes.letterSpacing)));
        if (attributes.font.hasMonospacedDigits())
            pango_attr_list_insert(list, pango_attr_font_features_new("tnum"));
        pango_layout_set_attributes(layout, list);
        pango_attr_list_unref(list);
    }
    if (attributes.lineSpacing != 0)
        pango_layout_set_spacing(layout, pangoUnits(attributes.lineSpacing));
    switch (attributes.alignment) {
    case TextAlignment::leading:
        pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
        break;
    case TextAlignment::left:
        pango_layout_set_auto_dir(layout, FALSE);
        pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
        break;
    case TextAlignment::center:
        pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
        break;
    case TextAlignment::right:
        pango_layout_set_auto_dir(layout, FALSE);
        pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
        break;
    case TextAlignment::justified:
        pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
        pango_layout_set_justify(layout, TRUE);
        break;
    }
    if (width && std::isfinite(*width)) {
        pango_layout_set_width(layout, std::max(0, pangoUnits(*width)));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        if (attributes.lineLimit > 0 && attributes.truncation != TruncationMode::none) {
            pango_layout_set_height(layout, -attributes.lineLimit);
            pango_layout_set_ellipsize(layout, ellipsizeMode(attributes.truncation));
        }
    }
    return layout;
}

// Makes a kept drawing layout's context follow `cr` (transformation, the target's font options);
// `followed` is what the layout keeps of the target it last followed. Updating always would lay the
// text out again at every drawing: only a different scale or rotation, or another kind of surface,
// asks for it.
void followContext(cairo_t* cr, PangoContext* context, FollowedTarget& followed) {
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    const PangoMatrix* current = pango_context_get_matrix(context);
    const auto surfaceType = static_cast<int>(cairo_surface_get_type(cairo_get_target(cr))) + 1;
    const bool same = current && current->xx == m.xx && current->yx == m.yx && current->xy == m.xy &&
                      current->yy == m.yy && followed.surfaceType == surfaceType;
    if (same)
        return;
    pango_cairo_update_context(cr, context);
    followed = {.surfaceType = surfaceType, .lineCount = -1}; // laid out again: counted again
}

void showLayout(cairo_t* cr, const TextLayout& layout, Point origin, double alpha, const Color* colour) {
    std::lock_guard lock(textMutex());
    const DrawingLayout drawing = drawingLayout(layout);
    PangoLayout* pl = drawing.layout;
    FollowedTarget& followed = *drawing.followed;
    followContext(cr, pango_layout_get_context(pl), followed);
    // Only the source is changed here, and put back after; the clip of the lines that fit is the
    // one change that needs the whole state saved (saving it costs a copy of all of it).
    const int limit = layout.attributes().lineLimit;
    if (limit > 0 && followed.lineCount < 0)
        followed.lineCount = pango_layout_get_line_count(pl);
    const bool clips = limit > 0 && followed.lineCount > limit;
    cairo_pattern_t* source = nullptr;
    if (clips) {
        // More lines than the limit and no ellipsis: show only the lines that fit.
        cairo_save(cr);
        const double w = std::max(layout.size().width, layout.width().value_or(0));
        cairo_new_path(cr);
        cairo_rectangle(cr, origin.x - 1, origin.y, w + 2, layout.size().height);
        cairo_clip(cr);
    } else {
        source = cairo_pattern_reference(cairo_get_source(cr));
    }
    const Color c = sourceColor(colour ? *colour : layout.attributes().color, alpha);
    cairo_set_source(cr, drawing.source->solid(c.r, c.g, c.b, c.a));
    if (!drawing.picture->show(cr, pl, origin)) {
        // Pango's drawing is kept to itself whatever it sets; it costs far more than the save.
        cairo_save(cr);
        cairo_move_to(cr, origin.x, origin.y);
        pango_cairo_show_layout(cr, pl);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    if (clips) {
        cairo_restore(cr);
    } else {
        cairo_set_source(cr, source);
        cairo_pattern_destroy(source);
    }
}

} // namespace detail

std::string uppercased(std::string_view text) {
    gchar* up = g_utf8_strup(text.data(), static_cast<gssize>(text.size()));
    std::string out = up ? up : "";
    g_free(up);
    return out;
}

TextLayout::TextLayout(std::string text, TextAttributes attributes, std::optional<double> width)
    : text_(std::move(text)), attributes_(std::move(attributes)), width_(width) {
    if (width_ && !(std::isfinite(*width_) && *width_ >= 0))
        width_.reset();
    // Only what the line limit can show is shaped.
    displayed_ = width_ ? truncatedToFrame(text_, attributes_, *width_, attributes_.lineLimit)
                        : truncatedToWidestLine(text_, attributes_);
    if (!g_utf8_validate(displayed_.data(), static_cast<gssize>(displayed_.size()), nullptr)) {
        // Invalid UTF-8 would make Pango refuse the text; show what is valid.
        gchar* valid = g_utf8_make_valid(displayed_.data(), static_cast<gssize>(displayed_.size()));
        displayed_ = valid;
        g_free(valid);
    }
    if (attributes_.uppercased)
        displayed_ = uppercased(displayed_);

    std::lock_guard lock(detail::textMutex());
    const auto [layout, metrics] = detail::measuredLayout(displayed_, attributes_, width_);
    const PangoRectangle& logical = metrics->logical;
    lineCount_ = displayed_.empty() ? 0 : metrics->lineCount;
    double height = static_cast<double>(logical.height) / PANGO_SCALE;
    truncated_ = metrics->ellipsized;
    if (attributes_.lineLimit > 0 && lineCount_ > attributes_.lineLimit) {
        height = detail::heightOfLines(layout, attributes_.lineLimit);
        lineCount_ = attributes_.lineLimit;
        truncated_ = true;
    }
    const double w = displayed_.empty() ? 0 : static_cast<double>(logical.width) / PANGO_SCALE;
    size_ = Size{w, height};
    baseline_ = static_cast<double>(metrics->baseline) / PANGO_SCALE;
}

Rect TextLayout::caretRect(std::size_t index) const {
    index = std::min(index, displayed_.size());
    // Back to the start of the character the index falls in.
    while (index > 0 && index < displayed_.size() &&
           (static_cast<unsigned char>(displayed_[index]) & 0xC0) == 0x80)
        --index;
    std::lock_guard lock(detail::textMutex());
    PangoLayout* layout = detail::cachedLayout(detail::LayoutUse::measuring, displayed_, attributes_, width_);
    PangoRectangle strong;
    pango_layout_get_cursor_pos(layout, static_cast<int>(index), &strong, nullptr);
    return {static_cast<double>(strong.x) / PANGO_SCALE, static_cast<double>(strong.y) / PANGO_SCALE, 0,
            static_cast<double>(strong.height) / PANGO_SCALE};
}

std::size_t TextLayout::indexAt(Point point) const {
    if (displayed_.empty())
        return 0;
    std::lock_guard lock(detail::textMutex());
    PangoLayout* layout = detail::cachedLayout(detail::LayoutUse::measuring, displayed_, attributes_, width_);
    int index = 0;
    int trailing = 0;
    const auto clampUnits = [](double v) {
        return static_cast<int>(std::clamp(v * PANGO_SCALE, -1.0e9, 1.0e9));
    };
    pango_layout_xy_to_index(layout, clampUnits(point.x), clampUnits(point.y), &index, &trailing);
    // `trailing` counts characters past the start of the one hit.
    const char* p = displayed_.c_str() + index;
    for (int i = 0; i < trailing && *p; ++i)
        p = g_utf8_next_char(p);
    return std::min(static_cast<std::size_t>(p - displayed_.c_str()), displayed_.size());
}

Size measureText(std::string_view text, const TextAttributes& attributes, std::optional<double> width) {
    return TextLayout(std::string(text), attributes, width).size();
}

std::string Font::matchedFamily() const {
    std::lock_guard lock(detail::textMutex());
    PangoContext* context = detail::newTextContext();
    PangoFontDescription* d = detail::newFontDescription(*this);
    std::string family;
    if (PangoFont* font = pango_context_load_font(context, d)) {
        PangoFontDescription* actual = pango_font_describe(font);
        if (const char* f = pango_font_description_get_family(actual))
            family = f;
        pango_font_description_free(actual);
        g_object_unref(font);
    }
    pango_font_description_free(d);
    g_object_unref(context);
    return family;
}

FontMetrics Font::metrics() const {
    std::lock_guard lock(detail::textMutex());
    Font::MetricsSlot::Kept& kept = *metrics_.kept;
    if (kept.metrics && kept.generation == detail::fontGeneration())
        return *kept.metrics;
    PangoContext* context = detail::newTextContext();
    PangoFontDescription* d = detail::newFontDescription(*this);
    FontMetrics out;
    if (PangoFontMetrics* m = pango_context_get_metrics(context, d, nullptr)) {
        out.ascent = static_cast<double>(pango_font_metrics_get_ascent(m)) / PANGO_SCALE;
        out.descent = static_cast<double>(pango_font_metrics_get_descent(m)) / PANGO_SCALE;
        out.lineHeight = static_cast<double>(pango_font_metrics_get_height(m)) / PANGO_SCALE;
        if (out.lineHeight <= 0)
            out.lineHeight = out.ascent + out.descent;
        pango_font_metrics_unref(m);
    }
    pango_font_description_free(d);
    g_object_unref(context);
    kept.metrics = out;
    kept.generation = detail::fontGeneration();
    return out;
}

} // namespace tk
