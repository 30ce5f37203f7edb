// The dials' pictures and labels share the frame: the film strips paint only within their ring
// (DialRings.h), and the labels' names and values keep 2 points clear of it.

#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/DialRings.h"
#include "Korvane/Controls/DialStyles.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/tests/DialLabelRoom.h"
#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/PictureLabels.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/graphics/BitmapContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Korvane {
namespace {

using namespace testing;

struct Strip {
    DialStyle style;
    DialRing ring;
};

std::vector<Strip> strips() {
    return {{zindralDialStyle(), kZindralDialRing},
            {mediumDialStyle(SmallDialColor::blue), kMediumDialRing},
            {mediumDialStyle(SmallDialColor::yellow), kMediumDialRing},
            {mediumDialStyle(SmallDialColor::red), kMediumDialRing},
            {mediumDialStyle(SmallDialColor::purple), kMediumDialRing},
            {tinyDialStyle(), kTinyDialRing}};
}

TEST(DialRings, TheTravelIsMeasuredAlongTheArcAndPastItsEnds) {
    const DialRing ring = kZindralDialRing;
    // On the arc at the top, and 5 points outside it.
    EXPECT_NEAR(distanceFromTravel(ring, ring.cx, ring.cy - ring.radius), 0, 1e-9);
    EXPECT_NEAR(distanceFromTravel(ring, ring.cx, ring.cy - ring.radius - 5), 5, 1e-9);
    // Below the centre the arch is open: the nearest painting is an end of the travel.
    const double a = (ring.startDegrees + ring.sweepDegrees) * std::numbers::pi / 180;
    const double endX = ring.cx + ring.radius * std::cos(a), endY = ring.cy + ring.radius * std::sin(a);
    EXPECT_NEAR(distanceFromTravel(ring, endX, endY + 7), 7, 1e-9);
    EXPECT_NEAR(distanceFromTravel(ring, ring.cx, ring.cy + ring.radius),
                std::hypot(endX - ring.cx, endY - ring.cy - ring.radius), 1e-9);
}

TEST(DialRings, EveryFramePaintsOnlyWithinItsRing) {
    useBuiltBundles();
    for (const Strip& strip : strips()) {
        EXPECT_EQ(strip.style.frameSize, (tk::Size{strip.ring.pictureWidth, strip.ring.pictureHeight}));
        for (int frame : {1, 13, 26, 39, kDialImageCount}) {
            const std::string name = dialFrameName(strip.style, frame);
            const tk::Image picture = korvaneImage(name);
            ASSERT_FALSE(picture.isEmpty()) << name;
            ASSERT_EQ(picture.size(), strip.style.frameSize) << name;
            constexpr double kScale = 2;
            tk::BitmapContext bitmap(picture.size(), kScale);
            bitmap.drawImage(picture, tk::Rect{{0, 0}, picture.size()});
            double farthest = 0;
            int painted = 0;
            for (int py = 0; py < bitmap.pixelHeight(); ++py) {
                for (int px = 0; px < bitmap.pixelWidth(); ++px) {
                    if (bitmap.pixelColor(px, py).a < 0.04) {
                        continue;
                    }
                    ++painted;
                    // A pixel's centre lies within half its diagonal of the shape it covers.
                    const double d =
                        distanceFromTravel(strip.ring, (px + 0.5) / kScale, (py + 0.5) / kScale) -
                        std::sqrt(0.5) / kScale;
                    farthest = std::max(farthest, d);
                }
            }
            EXPECT_GT(painted, 100) << name;
            EXPECT_LE(farthest, strip.ring.reach) << name;
        }
    }
}

TEST(DialRings, PictureLabelsKeepTwoPointsClearOfTheRing) {
    useBuiltBundles();
    tk::TestMainLoop loop;
    for (const Strip& strip : strips()) {
        const bool tiny = strip.ring.pictureWidth == kTinyDialRing.pictureWidth;
        // The pictures' name, and the widest name of the plug-in's dials.
        for (const char* name : {"Gate", "Division"}) {
            for (float value : {0.0f, 50.0f, 100.0f}) {
                auto param = makeParameter(
                    {.units = au::ParameterUnit::percent, .hi = 100, .value = value, .name = name});
                const LabelRoom room =
                    labelRoom(loop, param, strip.style, strip.ring, tiny ? kValueOnlyLabel : kNamedLabel,
                              std::make_shared<DefaultLabelFormatter>(*param, 1));
                EXPECT_GT(room.textPixels, 50) << strip.style.framePrefix;
                EXPECT_GE(room.clearance, 2.0)
                    << strip.style.framePrefix << " " << name << " at " << value << ": " << room;
            }
        }
    }
}

} // namespace
} // namespace Korvane
