#include "platform/tk/graphics/NinePart.h"

#include <algorithm>

namespace tk {

namespace {

struct Segment {
    double srcStart, srcLength, dstStart, dstLength;
};

// Start cap, middle and end cap of one axis, on the picture and on the destination.
void splitAxis(double imageLength, double capStart, double capEnd, double destStart, double destLength,
               Segment out[3]) {
    capStart = std::clamp(capStart, 0.0, imageLength);
    capEnd = std::clamp(capEnd, 0.0, imageLength - capStart);
    destLength = std::max(destLength, 0.0);
    double dStart = capStart;
    double dEnd = capEnd;
    if (capStart + capEnd > destLength) {
        const double f = destLength / (capStart + capEnd);
        dStart *= f;
        dEnd *= f;
    }
    double midStart = capStart;
    double midLength = imageLength - capStart - capEnd;
    // Caps that leave no middle would leave a gap when stretched: stretch the point of picture
    // around the seam instead.
    if (midLength <= 0) {
        midLength = std::min(1.0, imageLength);
        midStart = std::clamp(capStart - midLength / 2, 0.0, imageLength - midLength);
    }
    out[0] = {0, capStart, destStart, dStart};
    out[1] = {midStart, midLength, destStart + dStart, destLength - dStart - dEnd};
    out[2] = {imageLength - capEnd, capEnd, destStart + destLength - dEnd, dEnd};
}

} // namespace

std::vector<NinePartPiece> ninePartPieces(Size imageSize, EdgeInsets caps, const Rect& destination) {
    std::vector<NinePartPiece> pieces;
    if (imageSize.isEmpty())
        return pieces;
    const Rect d = destination.standardized();
    Segment x[3];
    Segment y[3];
    splitAxis(imageSize.width, caps.left, caps.right, d.minX(), d.width(), x);
    splitAxis(imageSize.height, caps.top, caps.bottom, d.minY(), d.height(), y);
    for (const Segment& row : y) {
        for (const Segment& col : x) {
            const Rect src{col.srcStart, row.srcStart, col.srcLength, row.srcLength};
            const Rect dst{col.dstStart, row.dstStart, col.dstLength, row.dstLength};
            if (src.isEmpty() || dst.isEmpty())
                continue;
            pieces.push_back({src, dst});
        }
    }
    return pieces;
}

} // namespace tk
