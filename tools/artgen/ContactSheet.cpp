#include "tools/artgen/ContactSheet.h"

#include <cairo.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>

#include "tools/artgen/Image.h"
#include "tools/artgen/Paint.h"
#include "tools/artgen/Text.h"

namespace artgen {
namespace {

struct Entry {
    std::string label;
    cairo_surface_t* surface;
    bool isTemplate; // shown tinted, as the controls show it
};

bool isTemplate(const std::filesystem::path& png) {
    std::string base = png.string();
    base = base.substr(0, base.size() - 4);
    if (base.size() > 3 && base.compare(base.size() - 3, 3, "@2x") == 0)
        base.resize(base.size() - 3);
    std::ifstream in(base + ".json");
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    return text.find("\"template\": true") != std::string::npos;
}

bool wanted(const std::string& rel, int scale) {
    const bool is2x = rel.size() > 7 && rel.compare(rel.size() - 7, 7, "@2x.png") == 0;
    if ((scale == 2) != is2x)
        return false;
    static const std::regex frame(R"(knobs/.*[-_](\d\d)(@2x)?\.png)");
    std::smatch m;
    if (std::regex_match(rel, m, frame)) {
        const int k = std::stoi(m[1]);
        return k == 1 || k % 5 == 0 || k == 26 || k == 51;
    }
    return true;
}

} // namespace

void writeContactSheet(const std::filesystem::path& out, int scale,
                       const std::vector<std::filesystem::path>& bundles) {
    std::vector<Entry> entries;
    for (const auto& bundle : bundles) {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(bundle / "Images")) {
            if (!e.is_regular_file() || e.path().extension() != ".png")
                continue;
            const std::string rel = std::filesystem::relative(e.path(), bundle / "Images").string();
            if (wanted(rel, scale))
                names.push_back(rel);
        }
        std::sort(names.begin(), names.end());
        for (const auto& rel : names) {
            cairo_surface_t* s = cairo_image_surface_create_from_png((bundle / "Images" / rel).c_str());
            if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
                throw std::runtime_error("cannot read " + rel);
            entries.push_back(
                {bundle.filename().string() + ": " + rel, s, isTemplate(bundle / "Images" / rel)});
        }
    }
    const int maxWidth = 2000, pad = 10, labelH = 14;
    // First pass: place cells in rows.
    struct Cell {
        int x, y, w, h;
    };
    std::vector<Cell> cells;
    int x = pad, y = pad, rowH = 0;
    for (const auto& e : entries) {
        const int w = std::max(cairo_image_surface_get_width(e.surface), 60);
        const int h = cairo_image_surface_get_height(e.surface) + labelH;
        if (x + w + pad > maxWidth) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        cells.push_back({x, y, w, h});
        x += w + pad;
        rowH = std::max(rowH, h);
    }
    const int height = y + rowH + pad;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, maxWidth, height);
    cairo_t* cr = cairo_create(sheet);
    setColor(cr, palette::kPanel);
    cairo_paint(cr);
    for (size_t i = 0; i < entries.size(); ++i) {
        const Cell& c = cells[i];
        if (entries[i].isTemplate) {
            setColor(cr, hex(0xc9cdd5));
            cairo_mask_surface(cr, entries[i].surface, c.x, c.y);
        } else {
            cairo_set_source_surface(cr, entries[i].surface, c.x, c.y);
            cairo_paint(cr);
        }
        cairo_save(cr);
        cairo_rectangle(cr, c.x, c.y + c.h - labelH, c.w, labelH);
        cairo_clip(cr);
        std::string label = entries[i].label.substr(entries[i].label.find(": ") + 2);
        cairo_new_path(cr);
        textPath(cr, label, {"DejaVu Sans 8px", 0}, c.x, c.y + c.h - labelH + 3);
        setColor(cr, palette::kTextDim);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_surface_destroy(entries[i].surface);
    }
    cairo_destroy(cr);
    const SurfacePtr owned(sheet);
    writePng(sheet, out);
}

} // namespace artgen
