#include "platform/tk/graphics/cairo/PangoLayoutCache.h"

#include "platform/tk/graphics/cairo/PangoInternal.h"
#include "platform/tk/graphics/cairo/TextPicture.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <list>
#include <unordered_map>
#include <utility>

namespace tk::detail {

struct KeptLayout {
    std::string key;
    PangoContext* context = nullptr;
    PangoLayout* layout = nullptr;
    std::optional<LayoutMetrics> metrics;
    TextPicture picture;                   // drawing layouts only
    FollowedTarget followed;               // drawing layouts only
    KeptSource source;                     // drawing layouts only
    std::list<KeptLayout>::iterator place; // in the cache's list, for moving it to the front

    KeptLayout(std::string k, PangoContext* c, PangoLayout* l) : key(std::move(k)), context(c), layout(l) {}
    KeptLayout(const KeptLayout&) = delete;
    KeptLayout& operator=(const KeptLayout&) = delete;
    ~KeptLayout() {
        if (layout)
            g_object_unref(layout);
        if (context)
            g_object_unref(context);
    }
};

namespace {

constexpr std::size_t kCapacity = 512;

struct Cache {
    std::list<KeptLayout> entries; // most recently used first
    std::unordered_map<std::string, std::list<KeptLayout>::iterator> byKey;
    // Counts the times layouts were dropped: a handle taken at another count may name a layout
    // that is gone.
    std::uint64_t generation = 1;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

// Numbers go into the key as their bytes: fixed-size fields need no separators, and formatting
// them as text cost more than the lookup itself.
void appendNumber(std::string& key, double value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    key.append(bytes, sizeof bytes);
}

// Everything a layout depends on. The font is keyed as it was named: what a name resolves to
// changes only when fonts are registered, and registering empties the cache.
std::string keyFor(LayoutUse use, const std::string& displayed, const TextAttributes& a,
                   std::optional<double> width) {
    const Font& font = a.font;
    std::string key;
    key.reserve(displayed.size() + font.name().size() + 104);
    key.push_back(use == LayoutUse::drawing ? 'd' : 'm');
    key += font.name();
    key.push_back('\x1f');
    key.push_back(font.isSystemFont() ? 's' : 'n');
    appendNumber(key, static_cast<double>(static_cast<int>(font.design())));
    appendNumber(key, static_cast<double>(static_cast<int>(font.weight())));
    appendNumber(key, font.italic() ? 1 : 0);
    appendNumber(key, font.hasMonospacedDigits() ? 1 : 0);
    appendNumber(key, font.size());
    appendNumber(key, static_cast<double>(static_cast<int>(a.alignment)));
    appendNumber(key, a.lineLimit);
    appendNumber(key, static_cast<double>(static_cast<int>(a.truncation)));
    appendNumber(key, a.letterSpacing);
    appendNumber(key, a.lineSpacing);
    key.push_back(width ? 'w' : 'n');
    appendNumber(key, width.value_or(0.0));
    key += displayed;
    return key;
}

KeptLayout& entryFor(LayoutUse use, const std::string& displayed, const TextAttributes& attributes,
                     std::optional<double> width) {
    Cache& c = cache();
    std::string key = keyFor(use, displayed, attributes, width);
    if (auto found = c.byKey.find(key); found != c.byKey.end()) {
        c.entries.splice(c.entries.begin(), c.entries, found->second);
        return *found->second;
    }
    if (c.entries.size() >= kCapacity) {
        c.byKey.erase(c.entries.back().key);
        c.entries.pop_back();
        ++c.generation;
    }
    PangoContext* context = newTextContext();
    PangoLayout* layout = newLayout(context, displayed, attributes, width);
    c.entries.emplace_front(std::move(key), context, layout);
    KeptLayout& made = c.entries.front();
    made.place = c.entries.begin();
    c.byKey.emplace(made.key, made.place);
    return made;
}

} // namespace

PangoLayout* cachedLayout(LayoutUse use, const std::string& displayed, const TextAttributes& attributes,
                          std::optional<double> width) {
    return entryFor(use, displayed, attributes, width).layout;
}

DrawingLayout drawingLayout(const TextLayout& text) {
    Cache& c = cache();
    KeptLayoutHandle& handle = text.keptDrawingLayout();
    KeptLayout* entry = handle.kept;
    if (entry && handle.generation == c.generation) {
        c.entries.splice(c.entries.begin(), c.entries, entry->place);
    } else {
        entry = &entryFor(LayoutUse::drawing, text.displayedText(), text.attributes(), text.width());
        handle.kept = entry;
        handle.generation = c.generation; // as it is after any layout dropped to make room
    }
    return {entry->layout, &entry->picture, &entry->followed, &entry->source};
}

MeasuredLayout measuredLayout(const std::string& displayed, const TextAttributes& attributes,
                              std::optional<double> width) {
    KeptLayout& entry = entryFor(LayoutUse::measuring, displayed, attributes, width);
    if (!entry.metrics) {
        LayoutMetrics m;
        pango_layout_get_extents(entry.layout, nullptr, &m.logical);
        m.lineCount = pango_layout_get_line_count(entry.layout);
        m.ellipsized = pango_layout_is_ellipsized(entry.layout) != 0;
        m.baseline = pango_layout_get_baseline(entry.layout);
        entry.metrics = m;
    }
    return {entry.layout, &*entry.metrics};
}

KeptSource::~KeptSource() {
    if (pattern_)
        cairo_pattern_destroy(pattern_);
}

cairo_pattern_t* KeptSource::solid(double red, double green, double blue, double alpha) {
    const std::array<double, 4> rgba{red, green, blue, alpha};
    if (!pattern_ || rgba != rgba_) {
        if (pattern_)
            cairo_pattern_destroy(pattern_);
        pattern_ = cairo_pattern_create_rgba(red, green, blue, alpha);
        rgba_ = rgba;
    }
    return pattern_;
}

void clearLayoutCache() {
    Cache& c = cache();
    c.byKey.clear();
    c.entries.clear();
    ++c.generation;
}

} // namespace tk::detail
