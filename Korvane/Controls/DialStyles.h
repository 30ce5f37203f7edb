#pragma once

// How the three film-strip dials look: film-strip names, frame sizes, the picture's shift, label
// colour and font. Only data here; the dial views read it.

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
};

// [any]
DialStyle zindralDialStyle();
DialStyle mediumDialStyle(SmallDialColor color);
DialStyle tinyDialStyle();

// [any] The name of frame k (1-based) of a dial's film strip.
std::string dialFrameName(const DialStyle& style, int frame);

} // namespace Korvane
