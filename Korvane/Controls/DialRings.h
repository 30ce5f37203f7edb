#pragma once

// Where each dial's film-strip picture draws its ring: the art generator paints the frames from
// these numbers, the dials frame their pictures at these sizes, and the tests hold the labels'
// names and values against the room the rings leave. Plain numbers and one inline helper that
// reads them; nothing but the standard library.
//
// The name row of a large or medium dial crosses the picture at about its centre height, wider
// than a closed ring could leave room for inside the frame; so their ring is an arch over the
// name, open at both sides and below, where the name and the value pass. The tiny dial shows its
// value alone, inside a ring whose gap is at the bottom.

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Korvane {

struct DialRing {
    double pictureWidth = 0, pictureHeight = 0; // points; the frame the dial gives its picture
    double cx = 0, cy = 0;                      // centre of the ring, from the picture's top left
    double radius = 0;                          // centre line of the track
    double startDegrees = 0; // start of the travel (frame 1), clockwise from 3 o'clock (y down)
    double sweepDegrees = 0; // travel to the last frame, clockwise
    double trackWidth = 0;   // the groove the lit arc runs in
    double bezelWidth = 0;   // the raised band around the groove
    // Every pixel the picture draws lies within this distance of the travel arc (its centre line
    // between the two ends): bezel, shadow, glow and the value's end dot.
    double reach = 0;
};

inline constexpr DialRing kZindralDialRing{.pictureWidth = 56,
                                           .pictureHeight = 64,
                                           .cx = 28,
                                           .cy = 27.5,
                                           .radius = 22.6,
                                           .startDegrees = 196,
                                           .sweepDegrees = 148,
                                           .trackWidth = 3.0,
                                           .bezelWidth = 6.2,
                                           .reach = 4.0};

inline constexpr DialRing kMediumDialRing{.pictureWidth = 68,
                                          .pictureHeight = 84,
                                          .cx = 34,
                                          .cy = 33,
                                          .radius = 27.6,
                                          .startDegrees = 190,
                                          .sweepDegrees = 160,
                                          .trackWidth = 3.4,
                                          .bezelWidth = 7.0,
                                          .reach = 4.4};

inline constexpr DialRing kTinyDialRing{.pictureWidth = 34,
                                        .pictureHeight = 40,
                                        .cx = 17,
                                        .cy = 19,
                                        .radius = 15.2,
                                        .startDegrees = 135,
                                        .sweepDegrees = 270,
                                        .trackWidth = 2.0,
                                        .bezelWidth = 2.4,
                                        .reach = 1.7};

// Distance in points from (x, y), in the picture's coordinates, to the ring's travel arc (its centre
// line between the two ends); a label's text is clear of the painting by this less `reach`.
inline double distanceFromTravel(const DialRing& ring, double x, double y) {
    constexpr double kDegree = std::numbers::pi / 180;
    const double dx = x - ring.cx, dy = y - ring.cy;
    // Angle past the start of the travel, clockwise, in [0, 360).
    double past = std::atan2(dy, dx) / kDegree - ring.startDegrees;
    past -= 360 * std::floor(past / 360);
    if (past <= ring.sweepDegrees) {
        return std::abs(std::hypot(dx, dy) - ring.radius);
    }
    auto toEnd = [&](double degrees) {
        return std::hypot(x - (ring.cx + ring.radius * std::cos(degrees * kDegree)),
                          y - (ring.cy + ring.radius * std::sin(degrees * kDegree)));
    };
    return std::min(toEnd(ring.startDegrees), toEnd(ring.startDegrees + ring.sweepDegrees));
}

} // namespace Korvane
