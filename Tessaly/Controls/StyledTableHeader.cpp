#include "Tessaly/Controls/StyledTableHeader.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <cmath>

namespace Tessaly {

std::shared_ptr<TableViewStyle> StyledTableHeaderCell::style() {
    static const auto shared = std::make_shared<TableViewStyle>();
    return shared;
}

StyledTableHeaderCell::StyledTableHeaderCell(std::string title, std::optional<tk::Image> picture)
    : tk::TableHeaderCell(std::move(title)), tintColor_(tk::controlBackgroundColor()) {
    setImage(picture.value_or(tk::Image{}));
}

void StyledTableHeaderCell::setTintColor(std::optional<tk::Color> color) {
    tintColor_ = color;
    updateControlView();
}

void StyledTableHeaderCell::drawHeader(const tk::Rect& f, tk::GraphicsContext& context) {
    if (tintColor_)
        context.fillRect(f, *tintColor_);
    const tk::FontMetrics metrics = font().metrics();
    const double dy = std::floor((f.height() - (metrics.ascent + metrics.descent)) * 0.5);
    const double dx = f.minX() < 5 ? 4 : 1;
    drawTitle(attributedTitle(), f.insetBy(dx, dy), context);
    const tk::Image picture = image();
    if (!picture.isEmpty()) {
        const tk::Size s = picture.size();
        // Centred in the cell's own frame (also for a frame that does not start at y 0).
        context.drawImage(picture, tk::Rect{f.minX() + (f.width() - s.width) * 0.5,
                                            f.minY() + (f.height() - s.height) * 0.5, s.width, s.height});
    }
}

void StyledTableHeaderCell::draw(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    drawHeader(frame, context);
}

void StyledTableHeaderCell::drawFiller(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    if (tintColor_)
        context.fillRect(frame, *tintColor_);
}

std::unique_ptr<tk::TableHeaderCell> StyledTableHeaderCell::copy() const {
    auto other = std::make_unique<StyledTableHeaderCell>(title());
    copyInto(*other);
    other->tintColor_ = tintColor_;
    return other;
}

tk::TableHeaderCell& StyledTableColumn::headerCell() const {
    tk::TableHeaderCell& cell = tk::TableColumn::headerCell();
    cell.setImage(image_.value_or(tk::Image{}));
    return cell;
}

void StyledTableColumn::setHeaderCell(std::unique_ptr<tk::TableHeaderCell> cell) {
    if (cell)
        cell->setImage(image_.value_or(tk::Image{}));
    tk::TableColumn::setHeaderCell(std::move(cell));
}

} // namespace Tessaly
