#include "platform/tk/controls/OutlineView.h"

#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/RowSplice.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

namespace tk {

void OutlineView::setDataSource(std::weak_ptr<DataSource> dataSource) {
    dataSource_ = std::move(dataSource);
    reloadData();
}

std::vector<OutlineView::Item> OutlineView::itemsOf(const IndexSet& rows) const {
    std::vector<Item> items;
    for (int r : rows)
        if (r >= 0 && r < int(rows_.size()))
            items.push_back(rows_[std::size_t(r)].item);
    return items;
}

void OutlineView::reloadData() {
    rebuildRows();
}

void OutlineView::addChildren(std::vector<Row>& rows, const Item& parent, int level) const {
    auto source = dataSource_.lock();
    if (!source)
        return;
    const int n = source->numberOfChildren(parent);
    for (int i = 0; i < n; ++i) {
        Item child = source->child(i, parent);
        rows.push_back({child, parent, i, level});
        if (child && expanded_.count(child) && source->isItemExpandable(child))
            addChildren(rows, child, level + 1);
    }
}

void OutlineView::rebuildRows() {
    // The selection and its range by item, to be found again in the new rows.
    const std::vector<Item> selected = itemsOf(selectedRowIndexes());
    const SelectionRange& range = selectionRange();
    const Item anchor = item(range.anchor);
    const Item farEnd = item(range.farEnd);
    const std::vector<Item> kept = itemsOf(range.kept);

    rows_.clear();
    addChildren(rows_, nullptr, 0);

    std::unordered_map<const void*, int> rowOf;
    for (std::size_t i = rows_.size(); i-- > 0;) // the first row of an item shown twice wins, as in row()
        if (rows_[i].item)
            rowOf[rows_[i].item.get()] = int(i);
    const auto find = [&rowOf](const Item& item) {
        const auto found = item ? rowOf.find(item.get()) : rowOf.end();
        return found == rowOf.end() ? -1 : found->second;
    };
    RowSelection next;
    for (const Item& item : selected)
        if (const int r = find(item); r >= 0)
            next.rows.insert(r);
    // The range goes on, moved with its items, while they are all still shown.
    next.range = {find(anchor), find(farEnd), {}};
    bool keptShown = true;
    for (const Item& item : kept) {
        const int r = find(item);
        keptShown = keptShown && r >= 0;
        next.range.kept.insert(r);
    }
    if (next.range.anchor < 0 || next.range.farEnd < 0 || !keptShown)
        next.range = selectionOf(next.rows).range;
    restoreSelection(std::move(next));
    rowsDidChange();
}

OutlineView::Item OutlineView::item(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].item : nullptr;
}

int OutlineView::row(const Item& item) const {
    if (!item)
        return -1;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].item == item)
            return int(i);
    return -1;
}

OutlineView::Item OutlineView::parent(const Item& item) const {
    const int r = row(item);
    return r >= 0 ? rows_[std::size_t(r)].parent : nullptr;
}

int OutlineView::childIndex(const Item& item) const {
    const int r = row(item);
    return r >= 0 ? rows_[std::size_t(r)].childIndex : -1;
}

int OutlineView::level(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].level : -1;
}

bool OutlineView::isExpandable(const Item& item) const {
    auto source = dataSource_.lock();
    return source && item && source->isItemExpandable(item);
}

bool OutlineView::isItemExpanded(const Item& item) const {
    return item && expanded_.count(item) && isExpandable(item);
}

void OutlineView::expandItem(const Item& item, bool children) {
    if (!isExpandable(item))
        return;
    const bool opened = expanded_.insert(item).second;
    if (children)
        expandDescendants(item);
    if (opened || children)
        readRowsUnder(item);
}

void OutlineView::expandDescendants(const Item& item) {
    auto source = dataSource_.lock();
    if (!source)
        return;
    for (int i = 0, n = source->numberOfChildren(item); i < n; ++i)
        if (Item child = source->child(i, item); isExpandable(child)) {
            expanded_.insert(child);
            expandDescendants(child);
        }
}

void OutlineView::collapseItem(const Item& item) {
    if (!item || !expanded_.erase(item))
        return;
    readRowsUnder(item);
}

std::vector<int> OutlineView::rowsShowing(const Item& item) const {
    std::vector<int> rows;
    const void* const wanted = item.get();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].item.get() == wanted)
            rows.push_back(int(i));
    return rows;
}

int OutlineView::endOfRowsUnder(int row) const {
    const int top = rows_[std::size_t(row)].level;
    int end = row + 1;
    while (end < int(rows_.size()) && rows_[std::size_t(end)].level > top)
        ++end;
    return end;
}

void OutlineView::readRowsUnder(const Item& item) {
    const std::vector<int> shown = rowsShowing(item);
    if (shown.empty())
        return; // hidden or unknown: no row changes
    RowSelection selection{selectedRowIndexes(), selectionRange()};
    // From the last row showing the item up, so that the rows still to be changed keep their index.
    for (auto row = shown.rbegin(); row != shown.rend(); ++row)
        readRowsUnder(*row, selection);
    restoreSelection(std::move(selection));
    // The item's own rows change too: their disclosure buttons show it open or closed.
    rowsDidChange(shown.front());
}

void OutlineView::readRowsUnder(int row, RowSelection& selection) {
    const Item item = rows_[std::size_t(row)].item; // a copy: rows_ changes below
    const int first = row + 1;
    const int end = endOfRowsUnder(row);
    std::vector<Row> under;
    if (isItemExpanded(item))
        addChildren(under, item, rows_[std::size_t(row)].level + 1);
    if (end == first && under.empty())
        return;
    // A row read again keeps its place in the selection: found by its item among the new rows.
    std::unordered_map<const void*, int> newRowOf;
    if (end > first)
        for (std::size_t i = under.size(); i-- > 0;) // the first of an item shown twice wins
            newRowOf[under[i].item.get()] = first + int(i);
    const auto moved = [&](int old) {
        const auto found = newRowOf.find(rows_[std::size_t(old)].item.get());
        return found == newRowOf.end() ? -1 : found->second;
    };
    const bool hidesSelected = std::any_of(selection.rows.lower_bound(first), selection.rows.lower_bound(end),
                                           [&](int r) { return moved(r) < 0; });
    selection = spliceRows(selection, first, end - first, int(under.size()), moved);
    if (hidesSelected) {
        // The item that hides selected rows takes their place, anchored there, so that Shift and
        // the arrows go on from it; rows selected elsewhere stay.
        selection.rows.insert(row);
        selection.range = {row, row, selection.rows};
    }
    if (end > first)
        rows_.erase(rows_.begin() + first, rows_.begin() + end);
    rows_.insert(rows_.begin() + first, std::make_move_iterator(under.begin()),
                 std::make_move_iterator(under.end()));
}

namespace {

// The plain disclosure marks: a triangle pointing right (closed) or down (open).
Image disclosureMark(bool open) {
    return Image::draw({12, 12}, 2, [open](GraphicsContext& context) {
        Path triangle;
        if (open) {
            triangle.moveTo({2, 4});
            triangle.lineTo({10, 4});
            triangle.lineTo({6, 9});
        } else {
            triangle.moveTo({4, 2});
            triangle.lineTo({9, 6});
            triangle.lineTo({4, 10});
        }
        triangle.closeSubpath();
        context.fillPath(triangle, Color::gray(0.7));
    });
}

} // namespace

void OutlineView::setup() {
    TableView::setup();
    setActionHandler(kToggleDisclosureAction, [this](const ActionSender& sender) {
        const auto* button = dynamic_cast<const View*>(sender.responder);
        const Item clicked = button ? item(rowForView(*button)) : nullptr;
        if (!clicked)
            return;
        if (isItemExpanded(clicked))
            collapseItem(clicked);
        else
            expandItem(clicked);
    });
}

bool OutlineView::keyDown(const Event& event) {
    const bool open = event.keyCode == KeyCode::rightArrow;
    if (!open && event.keyCode != KeyCode::leftArrow)
        return TableView::keyDown(event);
    // The row the keys are on: the far end of the range while it is selected.
    const int farEnd = selectionRange().farEnd;
    const Item current = item(isRowSelected(farEnd) ? farEnd : selectedRow());
    if (!current)
        return true;
    if (open) {
        expandItem(current);
    } else if (isItemExpanded(current)) {
        collapseItem(current);
    } else if (const int up = row(parent(current)); up >= 0) {
        selectRowIndexes({up}, false);
        scrollRowToVisible(up);
    }
    return true;
}

Rect OutlineView::frameOfOutlineCellAtRow(int row) const {
    const int column = outlineColumn();
    if (!isExpandable(item(row)) || column < 0)
        return {};
    const Rect r = rectOfRow(row);
    const double x = TableView::frameOfCellAtColumn(column, row).minX();
    return {x + kOutlineCellLeading + level(row) * kIndentationPerLevel, r.minY(), kOutlineCellWidth,
            r.height()};
}

double OutlineView::cellViewLeading(int row) const {
    return kOutlineCellLeading + std::max(0, level(row)) * kIndentationPerLevel + kOutlineCellWidth;
}

std::shared_ptr<View> OutlineView::makeViewWithIdentifier(const std::string& identifier) {
    if (auto view = TableView::makeViewWithIdentifier(identifier))
        return view;
    if (identifier != kDisclosureButtonKey)
        return nullptr;
    auto button = View::make<Button>();
    button->setIdentifier(identifier);
    button->setButtonType(ButtonType::toggle);
    button->setBordered(false);
    button->setTitle("");
    button->setImagePosition(ImagePosition::imageOnly);
    button->setImageScaling(ImageScaling::none);
    button->setImage(disclosureMark(false));
    button->setAlternateImage(disclosureMark(true));
    return button;
}

void OutlineView::addRowContent(TableRowView& rowView, int row) {
    const Item shown = item(row);
    if (isExpandable(shown) && outlineColumn() >= 0)
        if (auto button = std::dynamic_pointer_cast<Button>(makeViewWithIdentifier(kDisclosureButtonKey))) {
            button->setState(isItemExpanded(shown) ? CellState::on : CellState::off);
            button->setTarget(weakView());
            button->setAction(kToggleDisclosureAction);
            rowView.addSubview(std::move(button)); // placed with the cells
        }
    TableView::addRowContent(rowView, row);
}

void OutlineView::layoutRowContent(TableRowView& rowView, int row) {
    TableView::layoutRowContent(rowView, row);
    const Rect mark = frameOfOutlineCellAtRow(row).offsetBy(0, -rectOfRow(row).minY());
    for (const auto& view : rowView.subviews())
        if (view->identifier() == kDisclosureButtonKey)
            view->setFrame(mark);
}

int OutlineView::outlineColumn() const {
    return firstVisibleColumn();
}

Rect OutlineView::frameOfCellAtColumn(int column, int row) const {
    Rect cell = TableView::frameOfCellAtColumn(column, row);
    if (column != outlineColumn() || cell.isEmpty())
        return cell;
    const double start = cell.minX() + cellViewLeading(row);
    return {start, cell.minY(), std::max(0.0, cell.maxX() - start), cell.height()};
}

void OutlineView::draw(GraphicsContext& context, const Rect& dirtyRect) {
    TableView::draw(context, dirtyRect);
    if (isViewBased())
        return; // the rows' disclosure buttons show the marks
    const Color mark = Color::gray(0.7);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!isExpandable(rows_[i].item))
            continue;
        const Rect r = rectOfRow(int(i));
        const double x = 6 + rows_[i].level * 14.0;
        const double y = r.midY();
        Path triangle;
        if (isItemExpanded(rows_[i].item)) {
            triangle.moveTo({x, y - 3});
            triangle.lineTo({x + 8, y - 3});
            triangle.lineTo({x + 4, y + 3});
        } else {
            triangle.moveTo({x + 1, y - 4});
            triangle.lineTo({x + 7, y});
            triangle.lineTo({x + 1, y + 4});
        }
        triangle.closeSubpath();
        context.fillPath(triangle, mark);
    }
}

} // namespace tk
