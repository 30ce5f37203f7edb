// Rotary dials as film strips: one picture per frame, frame 1 at the start of the travel and the
// last frame at its end. Where the ring lies in the picture, and how far its painting reaches, is
// the dial's DialRing (Korvane/Controls/DialRings.h), which the dials' labels are laid out against.
#pragma once

#include <string>

#include "Korvane/Controls/DialRings.h"
#include "tools/artgen/Image.h"
#include "tools/artgen/Palette.h"

namespace artgen {

struct DialLook {
    Korvane::DialRing ring;
    Rgba accent; // colour of the lit arc
};

inline constexpr int kFilmStripFrames = 51;

// Position on the travel (0..1) that frame `frame` (1-based) of `frames` shows.
double framePosition(int frame, int frames);

// Frame name: prefix followed by the frame number written with at least two digits.
std::string frameName(const std::string& prefix, int frame);

// Paints the ring within `look.ring.reach` of its travel arc, and nothing elsewhere.
void paintDial(cairo_t* cr, const DialLook& look, double position);

// Appends the whole film strip "<prefix>01" ... "<prefix>51".
void addFilmStrip(ImageList& images, const std::string& prefix, const DialLook& look);

} // namespace artgen
