#pragma once

// Turning a resource symbol into a colour or an image of the library's bundle. The first lookup
// finds the bundle (stopping the program when it is missing, see TessalyBundle.h). An asset the
// bundle lacks is not fatal: a colour falls back to clear, an image to the empty image.

#include "Tessaly/Resources/AssetNames.h"

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Image.h"

#include <string>

namespace Tessaly {

// [any]
tk::Color color(ColorResource resource);
tk::Image image(ImageResource resource);

// [any] A colour's debug text: the colour space's name, ": [ ", the components (red, green, blue,
// alpha) joined by ", ", " ]" - e.g. "sRGB: [ 1.0, 0.0, 0.0, 1.0 ]".
std::string debugDescription(const tk::Color& color);

} // namespace Tessaly
