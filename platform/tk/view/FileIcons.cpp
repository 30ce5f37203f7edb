#include "platform/tk/view/FileIcons.h"

#include "platform/tk/graphics/GraphicsContext.h"

#include <system_error>

namespace tk {

namespace {

void drawPage(GraphicsContext& g, double s) {
    const double fold = 0.28 * s;
    Path page;
    page.moveTo({0.16 * s, 0.06 * s});
    page.lineTo({0.84 * s - fold, 0.06 * s});
    page.lineTo({0.84 * s, 0.06 * s + fold});
    page.lineTo({0.84 * s, 0.94 * s});
    page.lineTo({0.16 * s, 0.94 * s});
    page.closeSubpath();
    g.fillPath(page, Color::gray(0.96));
    StrokeStyle outline;
    outline.lineWidth = std::max(0.75, s / 32);
    g.strokePath(page, Color::gray(0.55), outline);
    Path corner;
    corner.moveTo({0.84 * s - fold, 0.06 * s});
    corner.lineTo({0.84 * s - fold, 0.06 * s + fold});
    corner.lineTo({0.84 * s, 0.06 * s + fold});
    corner.closeSubpath();
    g.fillPath(corner, Color::gray(0.8));
    if (s >= 32)
        for (int i = 0; i < 4; ++i)
            g.fillRect(Rect{0.26 * s, (0.45 + 0.11 * i) * s, 0.48 * s, std::max(1.0, s / 40)},
                       Color::gray(0.7));
}

void drawFolder(GraphicsContext& g, double s) {
    const Color back = Color::rgba8(90, 150, 215);
    const Color front = Color::rgba8(120, 180, 235);
    g.fillPath(Path::roundedRect(Rect{0.06 * s, 0.16 * s, 0.4 * s, 0.2 * s}, 0.04 * s), back);
    g.fillPath(Path::roundedRect(Rect{0.06 * s, 0.24 * s, 0.88 * s, 0.62 * s}, 0.05 * s), back);
    g.fillPath(Path::roundedRect(Rect{0.06 * s, 0.32 * s, 0.88 * s, 0.54 * s}, 0.05 * s), front);
}

Image makeIcon(bool folder) {
    std::vector<Image> pictures;
    for (double points : {32.0, 16.0, 128.0})
        for (double scale : {1.0, 2.0})
            pictures.push_back(Image::draw(Size{points, points}, scale, [&](GraphicsContext& g) {
                folder ? drawFolder(g, points) : drawPage(g, points);
            }));
    return Image::combining(pictures);
}

} // namespace

Image iconForFile(const std::filesystem::path& path) {
    static const Image page = makeIcon(false);
    static const Image folder = makeIcon(true);
    std::error_code ec;
    return std::filesystem::is_directory(path, ec) ? folder : page;
}

} // namespace tk
