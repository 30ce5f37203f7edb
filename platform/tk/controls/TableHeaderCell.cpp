#include "platform/tk/controls/TableHeaderCell.h"

#include "platform/tk/controls/TableHeaderView.h"
#include "platform/tk/controls/TableView.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <algorithm>
#include <cmath>

namespace tk {

TableHeaderCell::TableHeaderCell(std::string title) : Cell(std::move(title)) {}

void TableHeaderCell::setDrawsBackground(bool draws) {
    drawsBackground_ = draws;
    updateControlView();
}

void TableHeaderCell::setBackgroundColor(Color color) {
    backgroundColor_ = color;
    updateControlView();
}

Color TableHeaderCell::textColor() const {
    return textColor_ ? *textColor_ : Cell::textColor();
}

void TableHeaderCell::setTextColor(std::optional<Color> color) {
    textColor_ = color;
    updateControlView();
}

void TableHeaderCell::copyInto(TableHeaderCell& other) const {
    other.setTitle(title());
    other.setAttributedTitle(attributedTitle());
    other.setImage(image());
    other.setFont(font());
    other.setAlignment(alignment());
    other.setLineBreakMode(lineBreakMode());
    other.setEnabled(isEnabled());
    other.setBackgroundStyle(backgroundStyle());
    other.drawsBackground_ = drawsBackground_;
    other.backgroundColor_ = backgroundColor_;
    other.textColor_ = textColor_;
}

std::unique_ptr<TableHeaderCell> TableHeaderCell::copy() const {
    auto other = std::make_unique<TableHeaderCell>();
    copyInto(*other);
    return other;
}

void TableHeaderCell::draw(const Rect& frame, View& controlView, GraphicsContext& context) {
    drawFiller(frame, controlView, context);
    const AttributedString text = attributedTitle();
    const double y = std::round(frame.minY() + (frame.height() - text.size().height) / 2);
    drawTitle(text, Rect{frame.minX() + 4, y, std::max(0.0, frame.width() - 8), text.size().height}, context);
    context.fillRect(Rect{frame.maxX() - 1, frame.minY() + 3, 1, std::max(0.0, frame.height() - 6)},
                     separatorColor());
}

void TableHeaderCell::drawFiller(const Rect& frame, View&, GraphicsContext& context) {
    if (drawsBackground_)
        context.fillRect(frame, backgroundColor_);
    context.fillRect(Rect{frame.minX(), frame.maxY() - 1, frame.width(), 1}, separatorColor());
}

void TableHeaderCell::drawTitle(const AttributedString& title, const Rect& rect,
                                GraphicsContext& context) const {
    if (backgroundStyle() == BackgroundStyle::raised) {
        context.save();
        context.setShadow(Shadow{.offset = {0, 1}, .blur = 0, .color = Color{0, 0, 0, 0.55}});
        title.draw(context, rect);
        context.restore();
        return;
    }
    title.draw(context, rect);
}

TableColumn::TableColumn(std::string identifier) : identifier_(std::move(identifier)) {}

void TableColumn::setWidth(double width) {
    const double kept = std::clamp(width, minWidth_, maxWidth_);
    if (kept == width_)
        return;
    width_ = kept;
    if (TableView* table = tableView())
        table->columnDidResize(*this);
}

void TableColumn::setMinWidth(double width) {
    minWidth_ = std::max(0.0, width);
    maxWidth_ = std::max(maxWidth_, minWidth_);
    setWidth(width_);
    if (TableView* table = tableView())
        table->columnResizingDidChange(*this);
}

void TableColumn::setMaxWidth(double width) {
    maxWidth_ = std::max(minWidth_, width);
    setWidth(width_);
    if (TableView* table = tableView())
        table->columnResizingDidChange(*this);
}

void TableColumn::setResizingMask(TableColumnResizingMask mask) {
    if (mask == resizingMask_)
        return;
    resizingMask_ = mask;
    if (TableView* table = tableView())
        table->columnResizingDidChange(*this);
}

void TableColumn::setHidden(bool hidden) {
    if (hidden == hidden_)
        return;
    hidden_ = hidden;
    if (TableView* table = tableView())
        table->columnsDidChange();
}

TableView* TableColumn::tableView() const {
    return static_cast<TableView*>(table_.lock().get());
}

void TableColumn::setTableView(TableView* table) {
    table_ = table ? table->weakView() : std::weak_ptr<View>{};
}

void TableColumn::setHeaderCell(std::unique_ptr<TableHeaderCell> cell) {
    if (!cell)
        return;
    headerCell_ = std::move(cell);
    if (TableView* table = tableView(); table && table->headerView())
        table->headerView()->setNeedsDisplay();
}

} // namespace tk
