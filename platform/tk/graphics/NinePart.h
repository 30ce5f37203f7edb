#pragma once

// Nine-part stretching: the corners of a picture keep their size, the edges stretch along one
// axis and the centre along both.

#include "platform/tk/base/Geometry.h"

#include <vector>

namespace tk {

struct NinePartPiece {
    Rect source;      // in the picture's points
    Rect destination; // in the target rect's space
};

// The pieces that draw a picture of `imageSize` with `caps` into `destination`, top-left first,
// row by row, leaving out pieces without area. When the destination is narrower (shorter) than
// the left and right (top and bottom) caps together, those caps shrink in proportion.
std::vector<NinePartPiece> ninePartPieces(Size imageSize, EdgeInsets caps, const Rect& destination);

} // namespace tk
