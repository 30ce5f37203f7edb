// Rotary dials as film strips: one picture per frame, frame 1 at the minimum of the travel and the
// last frame at its maximum. The travel is 270 degrees, from lower left through the top to lower
// right; the open gap at the bottom leaves room for the value text that the label lays over it.
#pragma once

#include <string>

#include "tools/artgen/Image.h"
#include "tools/artgen/Palette.h"

namespace artgen {

struct DialLook {
    int width = 0, height = 0; // picture size in points
    double cx = 0, cy = 0;     // centre of the knob in the picture
    double faceRadius = 0;     // the turning cap
    double trackRadius = 0;    // centre line of the value arc
    double trackWidth = 0;
    Rgba accent;     // colour of the lit arc
    bool cap = true; // a turning cap in the middle; without it the middle is a recess
                     // that the label's name is written into
};

inline constexpr int kFilmStripFrames = 51;

// Position on the travel (0..1) that frame `frame` (1-based) of `frames` shows.
double framePosition(int frame, int frames);

// Frame name: prefix followed by the frame number written with at least two digits.
std::string frameName(const std::string& prefix, int frame);

void paintDial(cairo_t* cr, const DialLook& look, double position);

// Appends the whole film strip "<prefix>01" ... "<prefix>51".
void addFilmStrip(ImageList& images, const std::string& prefix, const DialLook& look);

} // namespace artgen
