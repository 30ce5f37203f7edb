#include "platform/tk/controls/TableHeaderView.h"

#include "platform/tk/controls/TableView.h"
#include "platform/tk/view/TrackingArea.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
// The table a header shows the columns of, when it heads one.
const TableView* headedTable(const TableHeaderView& header) {
    return dynamic_cast<const TableView*>(header.tableView());
}

// A divider the user may drag: at the right end of a shown column that allows it and whose limits
// leave room to change.
bool hasDraggableDivider(const TableColumn& column) {
    return !column.isHidden() && contains(column.resizingMask(), TableColumnResizingMask::userResizing) &&
           column.minWidth() < column.maxWidth();
}
} // namespace

void TableHeaderView::setTableView(View* table) {
    tableView_ = table ? table->weakView() : std::weak_ptr<View>{};
    endResize();
    setNeedsDisplay();
    updateTrackingAreas();
}

const std::vector<std::shared_ptr<TableColumn>>& TableHeaderView::columns() const {
    const TableView* table = headedTable(*this);
    return table ? table->tableColumns() : columns_;
}

void TableHeaderView::setColumns(std::vector<std::shared_ptr<TableColumn>> columns) {
    columns_ = std::move(columns);
    setNeedsDisplay();
    updateTrackingAreas();
}

Rect TableHeaderView::headerRectOfColumn(int index) const {
    const auto& all = columns();
    if (index < 0 || index >= int(all.size()) || all[std::size_t(index)]->isHidden())
        return {};
    if (const TableView* table = headedTable(*this)) {
        const Rect column = table->rectOfColumn(index);
        return {column.minX(), 0, column.width(), bounds().height()};
    }
    double x = 0;
    for (int i = 0; i < index; ++i)
        if (!all[std::size_t(i)]->isHidden())
            x += all[std::size_t(i)]->width();
    return Rect{x, 0, all[std::size_t(index)]->width(), bounds().height()};
}

TableColumn* TableHeaderView::resizedColumnIfShown() const {
    const auto column = resize_ ? resize_->column.lock() : nullptr;
    if (!column || column->isHidden())
        return nullptr;
    const auto& all = columns();
    return std::find(all.begin(), all.end(), column) != all.end() ? column.get() : nullptr;
}

int TableHeaderView::resizedColumn() const {
    const TableColumn* column = resizedColumnIfShown();
    const auto& all = columns();
    for (int i = 0; column && i < int(all.size()); ++i)
        if (all[std::size_t(i)].get() == column)
            return i;
    return -1;
}

int TableHeaderView::resizableColumnAtDivider(double x) const {
    const auto& all = columns();
    int found = -1;
    double nearest = kDividerHitWidth;
    for (int i = 0; i < int(all.size()); ++i) {
        if (!hasDraggableDivider(*all[std::size_t(i)]))
            continue;
        const double distance = std::abs(headerRectOfColumn(i).maxX() - x);
        if (distance <= nearest) { // the nearer divider wins where two are close
            nearest = distance;
            found = i;
        }
    }
    return found;
}

void TableHeaderView::draw(GraphicsContext& context, const Rect&) {
    const auto& all = columns();
    int last = -1;
    for (int i = 0; i < int(all.size()); ++i) {
        if (all[std::size_t(i)]->isHidden())
            continue;
        all[std::size_t(i)]->headerCell().draw(headerRectOfColumn(i), *this, context);
        last = i;
    }
    // The rest of the strip, over the scroller too, in the last column's look.
    if (last < 0)
        return;
    const double x = headerRectOfColumn(last).maxX();
    if (x < bounds().maxX())
        all[std::size_t(last)]->headerCell().drawFiller(Rect{x, 0, bounds().maxX() - x, bounds().height()},
                                                        *this, context);
}

bool TableHeaderView::mouseDown(const Event& event) {
    const double x = locationOf(event).x;
    const int column = resizableColumnAtDivider(x);
    if (column < 0)
        return View::mouseDown(event);
    // The drag follows the column itself: columns before it may come and go meanwhile.
    const auto& pressed = columns()[std::size_t(column)];
    resize_ = Resize{pressed, event.locationInWindow.x, pressed->width()};
    // The cursor stays with the drag wherever the pointer goes, past the column's limits too.
    showResizeCursor();
    return true;
}

void TableHeaderView::endResize() {
    resize_.reset();
    releaseCursor();
}

void TableHeaderView::showResizeCursor() {
    if (moveArea_) { // a drag from here on: the drag keeps the cursor now
        removeTrackingArea(moveArea_);
        moveArea_ = nullptr;
    }
    if (!cursorBefore_)
        cursorBefore_ = cursor();
    setCursor(Cursor::resizeLeftRight);
}

void TableHeaderView::holdResizeCursorUntilMoved() {
    const Window* w = window();
    const Point pointer = w ? convertFromWindow(w->mouseLocation()) : Point{};
    if (!w || !bounds().contains(pointer) || resizableColumnAtDivider(pointer.x) < 0) {
        releaseCursor();
        return;
    }
    showResizeCursor();
    // The next move anywhere in the window hands the cursor back to the areas, which know then
    // where the pointer is.
    moveArea_ = addTrackingArea(
        TrackingArea(Rect{convertFromWindow(Point{0, 0}), w->contentSize()}, TrackingOptions::mouseMoved));
}

void TableHeaderView::releaseCursor() {
    if (moveArea_) {
        removeTrackingArea(moveArea_);
        moveArea_ = nullptr;
    }
    if (!cursorBefore_)
        return;
    const std::optional<Cursor> before = *cursorBefore_;
    cursorBefore_.reset();
    setCursor(before);
}

bool TableHeaderView::mouseMoved(const Event& event) {
    if (!moveArea_ || event.trackingArea != moveArea_)
        return View::mouseMoved(event);
    releaseCursor();
    return true;
}

bool TableHeaderView::mouseDragged(const Event& event) {
    if (!resize_)
        return View::mouseDragged(event);
    TableColumn* column = resizedColumnIfShown();
    if (!column) {
        endResize(); // hidden or taken out while it was dragged
        return true;
    }
    // The width follows the pointer's travel since the press, measured in the window: a narrower
    // column may scroll the table (and this header) under a pointer that stands still. The column
    // keeps it within its limits; the table and this header follow from it.
    const double travel =
        locationOf(event).x - convertFromWindow({resize_->startXInWindow, event.locationInWindow.y}).x;
    column->setWidth(resize_->startWidth + travel);
    if (!headedTable(*this))
        setNeedsDisplay(); // no table tells this header of the change
    return true;
}

bool TableHeaderView::mouseUp(const Event& event) {
    if (!resize_)
        return View::mouseUp(event);
    endResize();
    updateTrackingAreas();
    // A drag that ends over a divider, or a press on one without a move, keeps the resize cursor.
    holdResizeCursorUntilMoved();
    return true;
}

void TableHeaderView::mouseCancelled(const Event& event) {
    endResize();
    View::mouseCancelled(event);
}

void TableHeaderView::updateTrackingAreas() {
    View::updateTrackingAreas();
    if (resize_ && !resizedColumnIfShown())
        endResize(); // the dragged column was hidden or taken out
    for (const TrackingArea* area : dividerAreas_)
        removeTrackingArea(area);
    dividerAreas_.clear();
    const auto& all = columns();
    for (int i = 0; i < int(all.size()); ++i) {
        if (!hasDraggableDivider(*all[std::size_t(i)]))
            continue;
        const double x = headerRectOfColumn(i).maxX();
        dividerAreas_.push_back(
            addTrackingArea(TrackingArea(Rect{x - kDividerHitWidth, 0, 2 * kDividerHitWidth, bounds().height()},
                                         TrackingOptions::cursorUpdate, i, Cursor::resizeLeftRight)));
    }
}

} // namespace tk
