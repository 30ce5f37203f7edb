#include "Tessaly/tests/ContactSheet.h"

#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace Tessaly::testing {

void writeContactSheet(const std::filesystem::path& file, const std::vector<SheetPicture>& pictures,
                       int columns) {
    constexpr double kPadding = 12, kLabelGap = 3, kLabelHeight = 14, kMinCellWidth = 150;
    const std::size_t perRow =
        static_cast<std::size_t>(std::clamp(columns, 1, std::max(1, static_cast<int>(pictures.size()))));
    // Each column is as wide as its widest picture, each row as tall as its tallest.
    std::vector<double> columnWidths(perRow, kMinCellWidth);
    std::vector<double> rowHeights((pictures.size() + perRow - 1) / perRow, 0.0);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const tk::Size size = pictures[i].picture.size();
        columnWidths[i % perRow] = std::max(columnWidths[i % perRow], std::ceil(size.width) + 2 * kPadding);
        rowHeights[i / perRow] = std::max(rowHeights[i / perRow], size.height);
    }
    std::vector<double> columnLefts(perRow, 0.0);
    for (std::size_t c = 1; c < perRow; ++c)
        columnLefts[c] = columnLefts[c - 1] + columnWidths[c - 1];
    const double width = columnLefts.back() + columnWidths.back();
    double height = kPadding;
    for (const double h : rowHeights)
        height += h + kLabelGap + kLabelHeight + kPadding;

    tk::BitmapContext sheet({width, height}, 2);
    sheet.fillRect({0, 0, width, height}, color(ColorResources::backgroundDarkest));
    const tk::TextAttributes label{.font = tk::Font::system(9),
                                   .color = color(ColorResources::grey60),
                                   .alignment = tk::TextAlignment::center,
                                   .lineLimit = 1};
    double rowTop = kPadding;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::size_t row = i / perRow;
        if (i > 0 && i % perRow == 0)
            rowTop += rowHeights[row - 1] + kLabelGap + kLabelHeight + kPadding;
        const double x = columnLefts[i % perRow];
        const double cellWidth = columnWidths[i % perRow];
        const tk::Size size = pictures[i].picture.size();
        sheet.drawImage(pictures[i].picture,
                        tk::Point{x + std::round((cellWidth - size.width) / 2),
                                  rowTop + std::round((rowHeights[row] - size.height) / 2)});
        sheet.drawText(pictures[i].label,
                       tk::Rect{x, rowTop + rowHeights[row] + kLabelGap, cellWidth, kLabelHeight}, label);
    }
    ASSERT_TRUE(sheet.writePNG(file)) << file;
}

tk::Image screenshot(tk::HeadlessWindow& window) {
    const tk::Image frame = window.render().makeImage();
    const auto cursor = window.window().cursorStack().topImage();
    if (!cursor)
        return frame;
    tk::BitmapContext shot(frame.size(), frame.scale());
    shot.drawImage(frame, tk::Point{});
    const tk::Point at = window.window().mouseLocation();
    shot.drawImage(cursor->image, tk::Point{at.x - cursor->hotSpot.x, at.y - cursor->hotSpot.y});
    return shot.makeImage();
}

} // namespace Tessaly::testing
