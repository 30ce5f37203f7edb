#include "Korvane/Controls/DialStyles.h"

#include "Korvane/Controls/DialRings.h"
#include "Korvane/Resources/AssetNames.h"

#include "platform/tk/base/IndexString.h"

namespace Korvane {

namespace {

// The frames are the pictures' sizes, which the art is drawn at.
constexpr tk::Size pictureSize(const DialRing& ring) {
    return {ring.pictureWidth, ring.pictureHeight};
}
constexpr tk::Size kZindralFrame = pictureSize(kZindralDialRing);
constexpr tk::Size kMediumFrame = pictureSize(kMediumDialRing);
constexpr tk::Size kTinyFrame = pictureSize(kTinyDialRing);
constexpr double kShiftUp = 16;

} // namespace

DialStyle zindralDialStyle() {
    return {"knobs/zindral-dial-grey_", kZindralFrame, kShiftUp, AssetNames::pluginGrey,
            KorvFont::dosisMedium};
}

DialStyle mediumDialStyle(SmallDialColor color) {
    switch (color) {
    case SmallDialColor::blue:
        return {"knobs/dial-medium-blue-", kMediumFrame, kShiftUp, AssetNames::pluginBlue, KorvFont::rocket};
    case SmallDialColor::yellow:
        return {"knobs/dial-medium-yellow-", kMediumFrame, kShiftUp, AssetNames::pluginYellow,
                KorvFont::rocket};
    case SmallDialColor::red:
        return {"knobs/dial-medium-red-", kMediumFrame, kShiftUp, AssetNames::pluginRed, KorvFont::rocket};
    case SmallDialColor::purple:
        break;
    }
    return {"knobs/dial-medium-purple-", kMediumFrame, kShiftUp, AssetNames::pluginPurple, KorvFont::rocket};
}

DialStyle tinyDialStyle() {
    return {"knobs/dial-small-grey-", kTinyFrame, 0, AssetNames::tinyDialLabel, KorvFont::rocket};
}

std::string dialFrameName(const DialStyle& style, int frame) {
    return std::string(style.framePrefix) + tk::paddedIndexString(frame);
}

} // namespace Korvane
