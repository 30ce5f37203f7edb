#pragma once

// How far a dial's label text stays from its ring: the dial is laid out as it is shown (its label
// over a picture frame of its style, moved up as its style says), but with a frame name that
// finds no picture, so that only the text is drawn; every drawn text pixel is then measured
// against the ring the art generator paints (DialRings.h).

#include "Korvane/Controls/DialRings.h"
#include "Korvane/Controls/DialStyles.h"
#include "Korvane/Controls/FilmStripDials.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <ostream>

namespace Korvane::testing {

struct LabelRoom {
    double clearance = std::numeric_limits<double>::infinity(); // points between text and painting
    tk::Point nearest;  // the text pixel nearest the ring, in the picture's coordinates
    int textPixels = 0; // pixels the label drew
};

inline std::ostream& operator<<(std::ostream& out, const LabelRoom& room) {
    return out << room.clearance << " points clear at (" << room.nearest.x << ", " << room.nearest.y
               << ") of the picture, " << room.textPixels << " text pixels";
}

// Drawn in a headless window run by `loop`, the test's main loop.
inline LabelRoom labelRoom(tk::TestMainLoop& loop, const std::shared_ptr<AudioParameter>& param,
                           DialStyle style, const DialRing& ring, const LabelDisplayOptions& options,
                           const std::shared_ptr<const LabelFormatter>& formatter) {
    style.framePrefix = "no-such-picture/";
    constexpr double kScale = 2, kMargin = 24;
    const tk::Size window{ring.pictureWidth + 2 * kMargin, ring.pictureHeight + 2 * kMargin};
    tk::HeadlessWindow headless(window, kScale);
    auto host = tk::View::make<tk::ui::HostingView>(
        filmStripDial(param, style, {kDialImageCount, 6, 0.005f}, options, formatter, [] {
        }).frame(tk::ui::FrameLimits{.maxWidth = tk::ui::kInfinity, .maxHeight = tk::ui::kInfinity}));
    headless.window().setContentView(host);
    loop.drain();
    headless.window().layoutIfNeeded();
    loop.drain();
    const tk::BitmapContext& bitmap = headless.render();
    // The dial is centred in the window, its picture moved up by the style's shift.
    const double left = (window.width - ring.pictureWidth) / 2;
    const double top = (window.height - ring.pictureHeight) / 2 - style.imageShiftUp;
    const tk::Color empty = bitmap.pixelColor(0, 0);
    LabelRoom room;
    for (int py = 0; py < bitmap.pixelHeight(); ++py) {
        for (int px = 0; px < bitmap.pixelWidth(); ++px) {
            const tk::Color c = bitmap.pixelColor(px, py);
            const double change = std::max({std::abs(c.r - empty.r), std::abs(c.g - empty.g),
                                            std::abs(c.b - empty.b), std::abs(c.a - empty.a)});
            if (change < 0.05) {
                continue;
            }
            ++room.textPixels;
            // The pixel's corner nearest the ring is at most half a pixel's diagonal from its centre.
            const tk::Point at{(px + 0.5) / kScale - left, (py + 0.5) / kScale - top};
            const double clear = distanceFromTravel(ring, at.x, at.y) - ring.reach - std::sqrt(0.5) / kScale;
            if (clear < room.clearance) {
                room.clearance = clear;
                room.nearest = at;
            }
        }
    }
    loop.drain();
    return room;
}

} // namespace Korvane::testing
