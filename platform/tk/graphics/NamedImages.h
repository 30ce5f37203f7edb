#pragma once

// Images looked up by name in the program's own resources: the main bundle's Images/ folder, then
// the resource bundles that lie in the main bundle's resources (the program's modules' bundles),
// in the order of their names. [any]

#include "platform/tk/graphics/Image.h"

#include <optional>
#include <string_view>

namespace tk {

std::optional<Image> imageNamed(std::string_view name);

} // namespace tk
