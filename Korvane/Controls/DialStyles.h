#pragma once

// The three film-strip dials' constants: film-strip names, frame sizes, label colour and font,
// and the knob's drag settings. Only data here; the dial views read it.

#include "Korvane/Resources/KorvFont.h"

#include "platform/tk/base/Geometry.h"

#include <string>
#include <string_view>

namespace Korvane {

enum class ModernDialColor { grey };
enum class SmallDialColor { blue, yellow, red, purple };
enum class TinyDialColor { grey };

inline constexpr int kDialImageCount = 51;

struct DialStyle {
    std::string_view framePrefix; // frame k is framePrefix + paddedIndexString(k)
    tk::Size frameSize;
    double imageShiftUp;
    std::string_view labelColor; // asset colour of the name
    KorvFont labelFont;
    double knobMinDrag;
    float knobDragScaleFactor;
    int imageCount;
};

// [any]
DialStyle zindralDialStyle();
DialStyle mediumDialStyle(SmallDialColor color);
DialStyle tinyDialStyle();

// [any] The name of frame k (1-based) of a dial's film strip.
std::string dialFrameName(const DialStyle& style, int frame);

} // namespace Korvane
