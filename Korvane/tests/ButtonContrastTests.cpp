// The mode toggle's title stays readable on every picture it is drawn on: at least 4.5 : 1 against
// each pixel of the picture's middle, where the title sits.

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/tests/KorvaneTestBundle.h"

#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace Korvane {
namespace {

using namespace testing;

using tk::testing::contrast;
using tk::testing::luminance;

// The lowest contrast of `text` against the opaque pixels of the middle half of the picture (the
// title's band), at 2x.
double lowestContrast(const tk::Image& picture, const tk::Color& text) {
    constexpr double kScale = 2;
    tk::BitmapContext bitmap(picture.size(), kScale);
    bitmap.drawImage(picture, tk::Rect{{0, 0}, picture.size()});
    double lowest = std::numeric_limits<double>::infinity();
    const int w = bitmap.pixelWidth(), h = bitmap.pixelHeight();
    for (int py = h * 3 / 10; py < h * 7 / 10; ++py) {
        for (int px = w / 4; px < w * 3 / 4; ++px) {
            const tk::Color fill = bitmap.pixelColor(px, py);
            if (fill.a > 0.99) {
                lowest = std::min(lowest, contrast(text, fill));
            }
        }
    }
    return lowest;
}

TEST(ButtonContrast, TheModeToggleTitleReadsInEveryState) {
    useBuiltBundles();
    for (ToggleButtonStyle style : {ToggleButtonStyle::modern, ToggleButtonStyle::retro}) {
        for (bool on : {false, true}) {
            for (bool pressed : {false, true}) {
                // On, the title is yellow; off, it is dark on the cream retro key and light on the
                // modern one.
                const tk::Color text = on                                  ? Colors::ZindralYellowText()
                                       : style == ToggleButtonStyle::retro ? Colors::background()
                                                                           : Colors::buttonText();
                const std::string name(modeTogglePicture(style, pressed, on));
                const tk::Image picture = korvaneImage(name);
                ASSERT_FALSE(picture.isEmpty()) << name;
                EXPECT_GE(lowestContrast(picture, text), 4.5)
                    << name << (style == ToggleButtonStyle::retro ? " (retro" : " (modern")
                    << (on ? ", on" : ", off") << (pressed ? ", pressed)" : ")");
            }
        }
    }
}

} // namespace
} // namespace Korvane
