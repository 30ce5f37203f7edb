#include "tools/artgen/Dials.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/Paint.h"

namespace artgen {
namespace {

constexpr double kDeg = M_PI / 180.0;
// Anti-aliasing spreads an edge by up to half a pixel: shapes stay this much inside the reach.
constexpr double kEdgeMargin = 0.5;

struct Arc {
    double start, end; // radians, clockwise from +x
};

Arc travel(const Korvane::DialRing& ring) {
    return {ring.startDegrees * kDeg, (ring.startDegrees + ring.sweepDegrees) * kDeg};
}

void arcPath(cairo_t* cr, const Korvane::DialRing& ring, double radius, Arc arc, double dy = 0) {
    cairo_new_path(cr);
    cairo_arc(cr, ring.cx, ring.cy + dy, radius, arc.start, arc.end);
}

// The raised band that carries the groove, with its shadow on the panel and a lit upper edge.
void paintBezel(cairo_t* cr, const Korvane::DialRing& ring) {
    using namespace palette;
    const Arc arc = travel(ring);
    const double half = ring.bezelWidth / 2;
    const double drop = std::clamp(ring.reach - kEdgeMargin - half, 0.0, 0.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (drop > 0) {
        arcPath(cr, ring, ring.radius, arc, drop);
        cairo_set_line_width(cr, ring.bezelWidth);
        setColor(cr, kShadow.withAlpha(0.5));
        cairo_stroke(cr);
    }
    arcPath(cr, ring, ring.radius, arc);
    cairo_set_line_width(cr, ring.bezelWidth);
    const double top = ring.cy - ring.radius - half, bottom = ring.cy + ring.radius + half;
    setLinear(cr, ring.cx, top, ring.cx, bottom,
              {{0.0, hex(0x5c626d)}, {0.3, hex(0x3a3f48)}, {0.7, hex(0x25282e)}, {1.0, hex(0x1b1d22)}});
    cairo_stroke(cr);
    // Light caught by the band's outer edge where it faces up.
    const Arc lit{std::max(arc.start, 200 * kDeg), std::min(arc.end, 340 * kDeg)};
    if (lit.end > lit.start) {
        arcPath(cr, ring, ring.radius + half - 0.35, lit);
        cairo_set_line_width(cr, 0.5);
        setColor(cr, kWhite.withAlpha(0.2));
        cairo_stroke(cr);
    }
}

void paintGroove(cairo_t* cr, const Korvane::DialRing& ring) {
    using namespace palette;
    const Arc arc = travel(ring);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    arcPath(cr, ring, ring.radius, arc);
    cairo_set_line_width(cr, std::min(ring.trackWidth + 0.6, ring.bezelWidth - 0.2));
    setColor(cr, kRecess);
    cairo_stroke(cr);
    arcPath(cr, ring, ring.radius, arc);
    cairo_set_line_width(cr, ring.trackWidth - 0.4);
    setColor(cr, hex(0x08090b));
    cairo_stroke(cr);
}

void paintValueArc(cairo_t* cr, const DialLook& look, double position) {
    using namespace palette;
    const Korvane::DialRing& ring = look.ring;
    const Arc arc = travel(ring);
    const double end = arc.start + (arc.end - arc.start) * position;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (position > 0.0005) {
        arcPath(cr, ring, ring.radius, {arc.start, end});
        const double width = ring.trackWidth - 0.8;
        strokeGlow(cr, look.accent, width, (ring.bezelWidth - width) / 2 * 0.7);
        // Sheen along the inner half of the lit arc.
        arcPath(cr, ring, ring.radius - ring.trackWidth * 0.18, {arc.start, end});
        cairo_set_line_width(cr, ring.trackWidth * 0.22);
        setColor(cr, look.accent.mixed(kWhite, 0.55).withAlpha(0.6));
        cairo_stroke(cr);
    }
    // The bright end of the arc: where the value is.
    const double ex = ring.cx + std::cos(end) * ring.radius;
    const double ey = ring.cy + std::sin(end) * ring.radius;
    const double dot = std::min(ring.trackWidth * 0.62, ring.bezelWidth / 2 - 0.2);
    const double glow = std::max(dot, ring.reach - kEdgeMargin);
    setRadial(cr, ex, ey, 0, glow, {{0.0, look.accent.withAlpha(0.55)}, {1.0, look.accent.withAlpha(0.0)}});
    circlePath(cr, ex, ey, glow);
    cairo_fill(cr);
    circlePath(cr, ex, ey, dot);
    setColor(cr, look.accent.mixed(kWhite, 0.7));
    cairo_fill(cr);
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
    paintBezel(cr, look.ring);
    paintGroove(cr, look.ring);
    paintValueArc(cr, look, position);
}

void addFilmStrip(ImageList& images, const std::string& prefix, const DialLook& look) {
    const int width = static_cast<int>(std::lround(look.ring.pictureWidth));
    const int height = static_cast<int>(std::lround(look.ring.pictureHeight));
    for (int k = 1; k <= kFilmStripFrames; ++k) {
        const double position = framePosition(k, kFilmStripFrames);
        images.push_back({frameName(prefix, k),
                          width,
                          height,
                          [look, position](cairo_t* cr) { paintDial(cr, look, position); },
                          {}});
    }
}

} // namespace artgen
