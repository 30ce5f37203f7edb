#include "platform/tk/graphics/GraphicsTypes.h"

namespace tk {

const char* blendModeName(BlendMode mode) {
    switch (mode) {
    case BlendMode::normal:
        return "normal";
    case BlendMode::copy:
        return "copy";
    case BlendMode::clear:
        return "clear";
    case BlendMode::sourceIn:
        return "sourceIn";
    case BlendMode::sourceOut:
        return "sourceOut";
    case BlendMode::sourceAtop:
        return "sourceAtop";
    case BlendMode::destinationOver:
        return "destinationOver";
    case BlendMode::destinationIn:
        return "destinationIn";
    case BlendMode::destinationOut:
        return "destinationOut";
    case BlendMode::destinationAtop:
        return "destinationAtop";
    case BlendMode::xorMode:
        return "xor";
    case BlendMode::plusLighter:
        return "plusLighter";
    case BlendMode::multiply:
        return "multiply";
    case BlendMode::screen:
        return "screen";
    case BlendMode::overlay:
        return "overlay";
    case BlendMode::darken:
        return "darken";
    case BlendMode::lighten:
        return "lighten";
    case BlendMode::colorDodge:
        return "colorDodge";
    case BlendMode::colorBurn:
        return "colorBurn";
    case BlendMode::softLight:
        return "softLight";
    case BlendMode::hardLight:
        return "hardLight";
    case BlendMode::difference:
        return "difference";
    case BlendMode::exclusion:
        return "exclusion";
    case BlendMode::hue:
        return "hue";
    case BlendMode::saturation:
        return "saturation";
    case BlendMode::color:
        return "color";
    case BlendMode::luminosity:
        return "luminosity";
    }
    return "unknown";
}

} // namespace tk
