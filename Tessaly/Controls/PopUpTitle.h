#pragma once

// The title the styled pop-up and pop-down buttons draw: `label` in `labelColor` at regular weight,
// then a space and `text` in `color` at medium weight ("Mode Fast"); without a label or a label
// colour, the text alone in `color` at regular weight. Left aligned, cut at the tail. [any]

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/AttributedString.h"

#include <optional>
#include <string>

namespace Tessaly {

tk::AttributedString labelledPopUpTitle(const std::string& text, const tk::Color& color,
                                        const std::optional<std::string>& label,
                                        std::optional<tk::Color> labelColor);

} // namespace Tessaly
