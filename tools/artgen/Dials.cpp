#include "tools/artgen/Dials.h"

#include <cmath>

#include "tools/artgen/Paint.h"

namespace artgen {
namespace {

constexpr double kDeg = M_PI / 180.0;
constexpr double kStartAngle = 135.0 * kDeg; // lower left; Cairo angles run clockwise from +x
constexpr double kSweep = 270.0 * kDeg;

void paintTrack(cairo_t* cr, const DialLook& d) {
    using namespace palette;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // The groove, with a faint lit outer lip so it reads as cut into the panel.
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy + 0.6, d.trackRadius, kStartAngle, kStartAngle + kSweep);
    cairo_set_line_width(cr, d.trackWidth + 1.2);
    setColor(cr, kWhite.withAlpha(0.06));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy, d.trackRadius, kStartAngle, kStartAngle + kSweep);
    cairo_set_line_width(cr, d.trackWidth + 1.0);
    setColor(cr, kRecess);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy, d.trackRadius, kStartAngle, kStartAngle + kSweep);
    cairo_set_line_width(cr, d.trackWidth - 0.6);
    setColor(cr, hex(0x08090b));
    cairo_stroke(cr);
}

void paintValueArc(cairo_t* cr, const DialLook& d, double position) {
    using namespace palette;
    const double end = kStartAngle + kSweep * position;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (position > 0.0005) {
        cairo_new_path(cr);
        cairo_arc(cr, d.cx, d.cy, d.trackRadius, kStartAngle, end);
        strokeGlow(cr, d.accent, d.trackWidth - 0.8, 1.6);
        // Sheen along the inner half of the lit arc.
        cairo_new_path(cr);
        cairo_arc(cr, d.cx, d.cy, d.trackRadius - d.trackWidth * 0.18, kStartAngle, end);
        cairo_set_line_width(cr, d.trackWidth * 0.22);
        setColor(cr, d.accent.mixed(kWhite, 0.55).withAlpha(0.6));
        cairo_stroke(cr);
    }
    // The bright end of the arc: where the value is.
    const double ex = d.cx + std::cos(end) * d.trackRadius;
    const double ey = d.cy + std::sin(end) * d.trackRadius;
    const double dot = d.trackWidth * 0.62;
    setRadial(cr, ex, ey, 0, dot * 2.6, {{0.0, d.accent.withAlpha(0.55)}, {1.0, d.accent.withAlpha(0.0)}});
    circlePath(cr, ex, ey, dot * 2.6);
    cairo_fill(cr);
    circlePath(cr, ex, ey, dot);
    setColor(cr, d.accent.mixed(kWhite, 0.7));
    cairo_fill(cr);
}

void paintCap(cairo_t* cr, const DialLook& d, double position) {
    using namespace palette;
    const double r = d.faceRadius;
    // Cast shadow, offset downwards.
    setRadial(cr, d.cx, d.cy + r * 0.1, r * 0.9, r * 1.16,
              {{0.0, kShadow.withAlpha(0.6)}, {0.5, kShadow.withAlpha(0.18)}, {1.0, kShadow.withAlpha(0.0)}});
    circlePath(cr, d.cx, d.cy + r * 0.1, r * 1.16);
    cairo_fill(cr);
    // Rim: brushed metal edge lit from above.
    circlePath(cr, d.cx, d.cy, r);
    setLinear(cr, d.cx, d.cy - r, d.cx, d.cy + r,
              {{0.0, hex(0x6a717d)}, {0.35, hex(0x3b4049)}, {0.75, hex(0x22252b)}, {1.0, hex(0x17191d)}});
    cairo_fill(cr);
    // Top face, slightly domed.
    const double fr = r - std::max(1.2, r * 0.07);
    circlePath(cr, d.cx, d.cy, fr);
    setLinear(cr, d.cx, d.cy - fr, d.cx, d.cy + fr, {{0.0, hex(0x363a42)}, {1.0, hex(0x1f2227)}});
    cairo_fill(cr);
    // Concentric machining: very faint rings.
    cairo_set_line_width(cr, 0.35);
    for (double rr = fr * 0.2; rr < fr - 0.6; rr += 1.1) {
        cairo_new_path(cr);
        cairo_arc(cr, d.cx, d.cy, rr, 0, 2 * M_PI);
        setColor(cr, kWhite.withAlpha(static_cast<int>(rr / 1.1) % 2 ? 0.018 : 0.0));
        cairo_stroke(cr);
    }
    // Specular sheen, upper left.
    setRadial(cr, d.cx - fr * 0.35, d.cy - fr * 0.55, 0, fr * 1.1,
              {{0.0, kWhite.withAlpha(0.13)}, {0.6, kWhite.withAlpha(0.03)}, {1.0, kWhite.withAlpha(0.0)}});
    circlePath(cr, d.cx, d.cy, fr);
    cairo_fill(cr);
    // Fine light line around the top of the face.
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy, fr - 0.25, 200 * kDeg, 340 * kDeg);
    cairo_set_line_width(cr, 0.5);
    setColor(cr, kWhite.withAlpha(0.14));
    cairo_stroke(cr);
    {
        const double a = kStartAngle + kSweep * position;
        const double r0 = fr * 0.62, r1 = fr * 0.9;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_new_path(cr);
        cairo_move_to(cr, d.cx + std::cos(a) * r0, d.cy + std::sin(a) * r0 + 0.5);
        cairo_line_to(cr, d.cx + std::cos(a) * r1, d.cy + std::sin(a) * r1 + 0.5);
        cairo_set_line_width(cr, std::max(1.4, r * 0.1));
        setColor(cr, kShadow.withAlpha(0.8));
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, d.cx + std::cos(a) * r0, d.cy + std::sin(a) * r0);
        cairo_line_to(cr, d.cx + std::cos(a) * r1, d.cy + std::sin(a) * r1);
        cairo_set_line_width(cr, std::max(1.2, r * 0.085));
        setColor(cr, hex(0xeef0f4));
        cairo_stroke(cr);
    }
}

// The ring dial: a horseshoe bezel carrying the track around a recessed middle; the gap of the
// horseshoe at the bottom stays free for the value text.
void paintRing(cairo_t* cr, const DialLook& d) {
    using namespace palette;
    const double bezel = d.trackWidth + 4.2;
    const double inner = d.trackRadius - bezel / 2;
    // Shadow of the bezel on the panel.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 3; i >= 1; --i) {
        cairo_new_path(cr);
        cairo_arc(cr, d.cx, d.cy + 1.2, d.trackRadius, kStartAngle, kStartAngle + kSweep);
        cairo_set_line_width(cr, bezel + i * 1.4);
        setColor(cr, kShadow.withAlpha(0.16));
        cairo_stroke(cr);
    }
    // Bezel, lit from above.
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy, d.trackRadius, kStartAngle, kStartAngle + kSweep);
    cairo_set_line_width(cr, bezel);
    setLinear(cr, d.cx, d.cy - d.trackRadius - bezel, d.cx, d.cy + d.trackRadius + bezel,
              {{0.0, hex(0x5c626d)}, {0.3, hex(0x3a3f48)}, {0.7, hex(0x25282e)}, {1.0, hex(0x1b1d22)}});
    cairo_stroke(cr);
    // Fine highlight on the bezel's outer upper edge.
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy, d.trackRadius + bezel / 2 - 0.3, 205 * kDeg, 335 * kDeg);
    cairo_set_line_width(cr, 0.6);
    setColor(cr, kWhite.withAlpha(0.2));
    cairo_stroke(cr);
    // The recessed middle: darker at the top, where the bezel shades it.
    circlePath(cr, d.cx, d.cy, inner);
    setLinear(cr, d.cx, d.cy - inner, d.cx, d.cy + inner, {{0.0, hex(0x0f1013)}, {1.0, hex(0x1d2025)}});
    cairo_fill(cr);
    setRadial(cr, d.cx, d.cy + inner * 0.25, inner * 0.55, inner * 1.02,
              {{0.0, kShadow.withAlpha(0.0)}, {1.0, kShadow.withAlpha(0.45)}});
    circlePath(cr, d.cx, d.cy, inner);
    cairo_fill(cr);
    // Light caught by the lower inner lip.
    cairo_new_path(cr);
    cairo_arc(cr, d.cx, d.cy, inner - 0.3, 30 * kDeg, 150 * kDeg);
    cairo_set_line_width(cr, 0.6);
    setColor(cr, kWhite.withAlpha(0.08));
    cairo_stroke(cr);
}

} // namespace

double framePosition(int frame, int frames) {
    if (frames <= 1)
        return 0.0;
    return static_cast<double>(frame - 1) / (frames - 1);
}

std::string frameName(const std::string& prefix, int frame) {
    return prefix + (frame <= 9 ? "0" : "") + std::to_string(frame);
}

void paintDial(cairo_t* cr, const DialLook& look, double position) {
    if (look.cap) {
        paintTrack(cr, look);
        paintCap(cr, look, position);
    } else {
        paintRing(cr, look);
        paintTrack(cr, look);
    }
    paintValueArc(cr, look, position);
}

void addFilmStrip(ImageList& images, const std::string& prefix, const DialLook& look) {
    for (int k = 1; k <= kFilmStripFrames; ++k) {
        const double position = framePosition(k, kFilmStripFrames);
        images.push_back({frameName(prefix, k),
                          look.width,
                          look.height,
                          [look, position](cairo_t* cr) { paintDial(cr, look, position); },
                          {}});
    }
}

} // namespace artgen
