#pragma once

// The seed's digits at one pitch. The seed's typeface has proportional figures only (a "1" is half
// as wide as a "4"), so a long seed looked unevenly spaced; each digit is set centred in a cell of
// one width, as tabular figures would stand.

#include "platform/tk/graphics/Font.h"
#include "platform/tk/ui/Node.h"

#include <string_view>

namespace extension {

// [main] The width of one digit's cell: the mean width of "0" to "9" in `font`, plus `kerning`.
double seedDigitCellWidth(const tk::Font& font, double kerning);

// [main] A row of the characters of `digits`, each one centred in a cell of seedDigitCellWidth;
// font and colour come from the environment.
tk::ui::Node seedDigits(std::string_view digits, const tk::Font& font, double kerning);

} // namespace extension
