// Textures of the shader views: the About view's logo and its noise.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/Logo.h"
#include "tools/artgen/Paint.h"
#include "tools/artgen/Text.h"

namespace artgen {
namespace {

// Value noise with a fixed seed: a lattice of random values, smoothly interpolated. It repeats
// every `period` cells, so a texture that spans a whole number of periods tiles without a seam.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : values_(static_cast<size_t>(kLattice * kLattice)) {
        for (auto& v : values_) {
            seed = seed * 1664525u + 1013904223u;
            v = static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
        }
    }
    // u, v in lattice cells; wraps every `period` cells (at most kLattice).
    double at(double u, double v, int period) const {
        const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
        const double fx = smooth(u - x0), fy = smooth(v - y0);
        const double a = cell(x0, y0, period), b = cell(x0 + 1, y0, period);
        const double c = cell(x0, y0 + 1, period), d = cell(x0 + 1, y0 + 1, period);
        return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
    }

private:
    static constexpr int kLattice = 64;
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double cell(int x, int y, int period) const {
        const int px = ((x % period) + period) % period, py = ((y % period) + period) % period;
        return values_[static_cast<size_t>(py * kLattice + px)];
    }
    std::vector<double> values_;
};

// Fills the target's pixels directly, at whatever scale it is drawn: each channel holds its own
// octave sum, so a shader can take one, two or three independent noises from one texture.
void paintNoise(cairo_t* cr) {
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_flush(target);
    const int w = cairo_image_surface_get_width(target), h = cairo_image_surface_get_height(target);
    const int stride = cairo_image_surface_get_stride(target);
    unsigned char* data = cairo_image_surface_get_data(target);
    const ValueNoise noises[3] = {ValueNoise(0x1234567u), ValueNoise(0x89abcdefu), ValueNoise(0x2468aceu)};
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            std::uint32_t pixel = 0xff000000u;
            for (int ch = 0; ch < 3; ++ch) {
                double sum = 0, amp = 0.5, norm = 0;
                for (int octave = 0; octave < 4; ++octave) {
                    const int cells = 8 << octave; // lattice cells across the texture: one period
                    sum += amp * noises[ch].at(x * static_cast<double>(cells) / w + octave * 7.0,
                                               y * static_cast<double>(cells) / h + octave * 3.0, cells);
                    norm += amp;
                    amp *= 0.5;
                }
                const auto byte = static_cast<std::uint32_t>(std::lround(sum / norm * 255.0));
                pixel |= byte << (16 - 8 * ch);
            }
            row[x] = pixel;
        }
    }
    cairo_surface_mark_dirty(target);
}

// The emblem over the name, white on transparent: the About view lays its own glow behind it.
void paintKestrineLogo(cairo_t* cr) {
    using namespace palette;
    setRadial(cr, 128, 96, 30, 96, {{0.0, kYellow.withAlpha(0.10)}, {1.0, kYellow.withAlpha(0.0)}});
    cairo_paint(cr);
    paintEmblem(cr, 68, 26, 120, kWhite.withAlpha(0.6), kWhite);
    const TextStyle style{std::string(kWordMarkFont) + " 30px", 7};
    const TextExtent e = measureText(cr, "KESTRINE", style);
    const double width = std::min(e.width, 224.0);
    cairo_save(cr);
    cairo_translate(cr, (256 - width) / 2, 0);
    cairo_scale(cr, width / e.width, 1);
    cairo_new_path(cr);
    textPath(cr, "KESTRINE", style, 0, 184);
    setColor(cr, kWhite);
    cairo_fill(cr);
    cairo_restore(cr);
    // A thin accent rule under the name.
    cairo_new_path(cr);
    cairo_move_to(cr, 128 - 28, 184 + e.inkHeight + 14);
    cairo_line_to(cr, 128 + 28, 184 + e.inkHeight + 14);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, kYellow);
    cairo_stroke(cr);
}

} // namespace

ImageList shaderImages() {
    return {{"kestrine-logo", 256, 256, paintKestrineLogo, {}}, {"kestrine-noise", 256, 256, paintNoise, {}}};
}

} // namespace artgen
