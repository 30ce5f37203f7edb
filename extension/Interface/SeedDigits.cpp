#include "extension/Interface/SeedDigits.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/TextLayout.h"

#include <string>
#include <vector>

namespace extension {

double seedDigitCellWidth(const tk::Font& font, double kerning) {
    TK_CHECK_MAIN_THREAD();
    tk::TextAttributes attributes;
    attributes.font = font;
    // Tabular figures are set about as wide as the digits are on average; the widest ("0") would
    // leave the row wide enough to reach the field's lamp.
    double total = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        total += tk::measureText(std::string(1, digit), attributes).width;
    }
    return total / 10 + kerning;
}

tk::ui::Node seedDigits(std::string_view digits, const tk::Font& font, double kerning) {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    const double cell = seedDigitCellWidth(font, kerning);
    std::vector<Node> cells;
    cells.reserve(digits.size());
    for (char digit : digits) {
        cells.push_back(Text(std::string(1, digit)).frame(cell, std::nullopt));
    }
    return HStack({.alignment = VerticalAlignment::center, .spacing = 0}, std::move(cells));
}

} // namespace extension
