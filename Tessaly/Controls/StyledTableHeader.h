#pragma once

// The styled side of a table's header.
//
// StyledTableHeaderCell fills its frame with its tint colour (the control background colour until
// set; none fills nothing), then draws its title inset dx from the sides (4 points for a cell at
// the header's left end - minX below 5 - else 1) and dy = floor((height - line height) / 2) from
// top and bottom, then its image, at its own size, centred in the frame over the title. Pressed
// and plain headers look the same. A copy keeps the tint as a colour of its own. As the header's
// filler past the last column it draws its tint only (it draws no lines).
//
// StyledTableColumn carries an image and an id string; its header cell shows the column's image,
// pushed into the cell each time the cell is read or set (so a new column image shows once the
// header cell is next read).
//
// All members are [main].

#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/controls/TableHeaderCell.h"

#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class StyledTableHeaderCell : public tk::TableHeaderCell {
public:
    using ViewStyle = TableViewStyle;
    // One shared table style for every header cell.
    static std::shared_ptr<TableViewStyle> style();

    explicit StyledTableHeaderCell(std::string title, std::optional<tk::Image> image = std::nullopt);

    const std::optional<tk::Color>& tintColor() const { return tintColor_; }
    virtual void setTintColor(std::optional<tk::Color> color);

    virtual void drawHeader(const tk::Rect& frame, tk::GraphicsContext& context);
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawFiller(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    std::unique_ptr<tk::TableHeaderCell> copy() const override;

private:
    std::optional<tk::Color> tintColor_;
};

class StyledTableColumn : public tk::TableColumn {
public:
    using tk::TableColumn::TableColumn;

    const std::optional<tk::Image>& image() const { return image_; }
    // Touches no cell (see the file comment).
    void setImage(std::optional<tk::Image> image) { image_ = std::move(image); }
    const std::optional<std::string>& idString() const { return idString_; }
    void setIdString(std::optional<std::string> id) { idString_ = std::move(id); }

    tk::TableHeaderCell& headerCell() const override;
    void setHeaderCell(std::unique_ptr<tk::TableHeaderCell> cell) override;

private:
    std::optional<tk::Image> image_;
    std::optional<std::string> idString_;
};

} // namespace Tessaly
