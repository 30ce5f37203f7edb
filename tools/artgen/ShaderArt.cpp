// Textures of the shader views: the About view's logo and its noise.
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/Logo.h"
#include "tools/artgen/Paint.h"

namespace artgen {
namespace {

// Tileable value noise with a fixed seed: a lattice of random values, smoothly interpolated.
class ValueNoise {
public:
    ValueNoise(int period, std::uint32_t seed)
        : period_(period), values_(static_cast<size_t>(period * period)) {
        for (auto& v : values_) {
            seed = seed * 1664525u + 1013904223u;
            v = static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
        }
    }
    // u, v in lattice cells; wraps at the period so the texture tiles.
    double at(double u, double v) const {
        const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
        const double fx = smooth(u - x0), fy = smooth(v - y0);
        const double a = cell(x0, y0), b = cell(x0 + 1, y0), c = cell(x0, y0 + 1), d = cell(x0 + 1, y0 + 1);
        return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double cell(int x, int y) const {
        const int px = ((x % period_) + period_) % period_, py = ((y % period_) + period_) % period_;
        return values_[static_cast<size_t>(py * period_ + px)];
    }
    int period_;
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
    const ValueNoise noises[3] = {ValueNoise(64, 0x1234567u), ValueNoise(64, 0x89abcdefu),
                                  ValueNoise(64, 0x2468aceu)};
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            std::uint32_t pixel = 0xff000000u;
            for (int ch = 0; ch < 3; ++ch) {
                double sum = 0, amp = 0.5, norm = 0;
                for (int octave = 0; octave < 4; ++octave) {
                    const double cells = 8.0 * (1 << octave); // lattice cells across the texture
                    sum += amp * noises[ch].at(x * cells / w + octave * 7.0, y * cells / h + octave * 3.0);
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

void paintKestrineLogo(cairo_t* cr) {
    using namespace palette;
    setRadial(cr, 128, 128, 60, 128, {{0.0, kYellow.withAlpha(0.18)}, {1.0, kYellow.withAlpha(0.0)}});
    cairo_paint(cr);
    paintEmblem(cr, 48, 48, 160, kWhite.withAlpha(0.55), kWhite);
}

} // namespace

ImageList shaderImages() {
    return {{"kestrine-logo", 256, 256, paintKestrineLogo, {}}, {"kestrine-noise", 256, 256, paintNoise, {}}};
}

} // namespace artgen
