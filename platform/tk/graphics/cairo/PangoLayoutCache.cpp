#include "platform/tk/graphics/cairo/PangoLayoutCache.h"

#include "platform/tk/graphics/cairo/PangoInternal.h"

#include <charconv>
#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>

namespace tk::detail {

namespace {

constexpr std::size_t kCapacity = 512;

struct Entry {
    std::string key;
    PangoContext* context = nullptr;
    PangoLayout* layout = nullptr;

    Entry(std::string k, PangoContext* c, PangoLayout* l) : key(std::move(k)), context(c), layout(l) {}
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
    ~Entry() {
        if (layout)
            g_object_unref(layout);
        if (context)
            g_object_unref(context);
    }
};

struct Cache {
    std::list<Entry> entries; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> byKey;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

void appendNumber(std::string& key, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    key.append(buffer, result.ptr);
    key.push_back('\x1f');
}

// Everything a layout depends on: the font as fontconfig is asked for it, not as it was named.
std::string keyFor(LayoutUse use, const std::string& displayed, const TextAttributes& a,
                   std::optional<double> width) {
    const ResolvedFont font = a.font.resolved();
    std::string key;
    key.reserve(displayed.size() + font.family.size() + 64);
    key.push_back(use == LayoutUse::drawing ? 'd' : 'm');
    key += font.family;
    key.push_back('\x1f');
    appendNumber(key, static_cast<double>(static_cast<int>(font.weight)));
    appendNumber(key, font.italic ? 1 : 0);
    appendNumber(key, font.monospacedDigits ? 1 : 0);
    appendNumber(key, font.size);
    appendNumber(key, static_cast<double>(static_cast<int>(a.alignment)));
    appendNumber(key, a.lineLimit);
    appendNumber(key, static_cast<double>(static_cast<int>(a.truncation)));
    appendNumber(key, a.letterSpacing);
    appendNumber(key, a.lineSpacing);
    if (width)
        appendNumber(key, *width);
    else
        key += "none\x1f";
    key += displayed;
    return key;
}

} // namespace

PangoLayout* cachedLayout(LayoutUse use, const std::string& displayed, const TextAttributes& attributes,
                          std::optional<double> width) {
    Cache& c = cache();
    std::string key = keyFor(use, displayed, attributes, width);
    if (auto found = c.byKey.find(key); found != c.byKey.end()) {
        c.entries.splice(c.entries.begin(), c.entries, found->second);
        return found->second->layout;
    }
    if (c.entries.size() >= kCapacity) {
        c.byKey.erase(c.entries.back().key);
        c.entries.pop_back();
    }
    PangoContext* context = newTextContext();
    PangoLayout* layout = newLayout(context, displayed, attributes, width);
    c.entries.emplace_front(std::move(key), context, layout);
    c.byKey.emplace(c.entries.front().key, c.entries.begin());
    return layout;
}

void clearLayoutCache() {
    Cache& c = cache();
    c.byKey.clear();
    c.entries.clear();
}

} // namespace tk::detail
