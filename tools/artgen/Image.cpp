#include "tools/artgen/Image.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace artgen {
namespace {

std::string optionsJson(const ImageOptions& o) {
    std::ostringstream s;
    s << "{";
    bool first = true;
    if (o.isTemplate) {
        s << "\"template\": true";
        first = false;
    }
    if (o.capInsets) {
        if (!first)
            s << ", ";
        const auto& c = *o.capInsets;
        s << "\"capInsets\": [" << c[0] << ", " << c[1] << ", " << c[2] << ", " << c[3] << "]";
    }
    s << "}\n";
    return s.str();
}

} // namespace

void writePng(cairo_surface_t* surface, const std::filesystem::path& path) {
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path.string());
}

cairo_surface_t* render(const Image& image, int scale) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width * scale, image.height * scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    image.paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

void write(const Image& image, const std::filesystem::path& imagesDir) {
    const std::filesystem::path base = imagesDir / image.name;
    std::filesystem::create_directories(base.parent_path());
    for (int scale : {1, 2}) {
        SurfacePtr surface(render(image, scale));
        writePng(surface.get(), base.string() + (scale == 1 ? ".png" : "@2x.png"));
    }
    if (image.options.isTemplate || image.options.capInsets) {
        std::ofstream out(base.string() + ".json");
        out << optionsJson(image.options);
        if (!out)
            throw std::runtime_error("cannot write " + base.string() + ".json");
    }
}

} // namespace artgen
