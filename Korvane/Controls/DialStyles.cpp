#include "Korvane/Controls/DialStyles.h"

#include "Korvane/Resources/AssetNames.h"

#include "platform/tk/base/IndexString.h"

namespace Korvane {

DialStyle zindralDialStyle() {
    return {"knobs/zindral-dial-grey_", {56, 64}, 16,     AssetNames::pluginGrey,
            KorvFont::dosisMedium,      6.0,      0.005f, kDialImageCount};
}

DialStyle mediumDialStyle(SmallDialColor color) {
    switch (color) {
    case SmallDialColor::blue:
        return {"knobs/dial-medium-blue-", {68, 84}, 16,     AssetNames::pluginBlue,
                KorvFont::rocket,          6.0,      0.005f, kDialImageCount};
    case SmallDialColor::yellow:
        return {"knobs/dial-medium-yellow-",
                {68, 84},
                16,
                AssetNames::pluginYellow,
                KorvFont::rocket,
                6.0,
                0.005f,
                kDialImageCount};
    case SmallDialColor::red:
        return {"knobs/dial-medium-red-", {68, 84}, 16,     AssetNames::pluginRed,
                KorvFont::rocket,         6.0,      0.005f, kDialImageCount};
    case SmallDialColor::purple:
        break;
    }
    return {"knobs/dial-medium-purple-",
            {68, 84},
            16,
            AssetNames::pluginPurple,
            KorvFont::rocket,
            6.0,
            0.005f,
            kDialImageCount};
}

DialStyle tinyDialStyle() {
    return {"knobs/dial-small-grey-", {34, 40}, 0,     AssetNames::tinyDialLabel,
            KorvFont::rocket,         3.0,      0.01f, kDialImageCount};
}

std::string dialFrameName(const DialStyle& style, int frame) {
    return std::string(style.framePrefix) + tk::paddedIndexString(frame);
}

} // namespace Korvane
