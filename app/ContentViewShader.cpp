#include "app/ContentViewShader.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/ui/Representable.h"

#include <cmath>
#include <numbers>

namespace app {

namespace {
// A few overlapping waveforms fading out towards the band's ends, on a deep violet ground.
void drawWaveforms(tk::GraphicsContext& context, const tk::Rect& bounds) {
    const double w = bounds.width();
    const double h = bounds.height();
    context.fillPath(tk::Path::rect(bounds), tk::LinearGradient{{0, 0},
                                                                {0, h},
                                                                {{0, tk::Color::rgba8(0x1d, 0x14, 0x3a)},
                                                                 {0.55, tk::Color::rgba8(0x14, 0x12, 0x26)},
                                                                 {1, tk::Color::rgba8(0x15, 0x16, 0x1a)}}});
    struct Wave {
        double amplitude, cycles, phase, width;
        tk::Color color;
    };
    const Wave waves[] = {
        {0.22, 2.0, 0.0, 2.5, tk::Color::rgba8(0x8f, 0x6b, 0xf0, 200)},
        {0.16, 3.0, 1.3, 1.5, tk::Color::rgba8(0x4f, 0xa3, 0xf7, 170)},
        {0.12, 5.0, 2.1, 1.0, tk::Color::rgba8(0xf2, 0xc1, 0x4e, 150)},
        {0.08, 7.0, 0.7, 1.0, tk::Color::rgba8(0xe6, 0xe8, 0xec, 90)},
    };
    const double mid = h * 0.5;
    for (const Wave& wave : waves) {
        tk::Path path;
        const int steps = 160;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            const double envelope = std::sin(t * std::numbers::pi);
            const double y = mid + envelope * envelope * wave.amplitude * h *
                                       std::sin(t * wave.cycles * 2 * std::numbers::pi + wave.phase);
            const tk::Point p{bounds.minX() + t * w, bounds.minY() + y};
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        context.strokePath(path, wave.color,
                           tk::StrokeStyle{}.withLineWidth(wave.width).withLineCap(tk::LineCap::round));
    }
}
} // namespace

void BandPlaceholderView::draw(tk::GraphicsContext& context, const tk::Rect&) {
    drawWaveforms(context, bounds());
}

void BandPlaceholderView::requestRedraw() {
    ++redrawRequests_;
    setNeedsDisplay();
}

tk::ui::Node ContentViewShader::body() const {
    return tk::ui::Representable<BandPlaceholderView>(
        [] {
            return tk::View::make<BandPlaceholderView>(tk::Rect{0, 0, 300, 300});
        },
        [](BandPlaceholderView& view) { view.requestRedraw(); },
        [](BandPlaceholderView&, tk::ui::ProposedSize proposal) -> std::optional<tk::Size> {
            return proposal.replacingUnspecified({300, 300});
        });
}

} // namespace app
