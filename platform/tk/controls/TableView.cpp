#include "platform/tk/controls/TableView.h"

#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/TableHeaderView.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/TableCellView.h"
#include "platform/tk/view/TextField.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace tk {

// --- TableView -----------------------------------------------------------------------------------

int TableView::numberOfRows() const {
    return rowCount_ ? std::max(0, rowCount_()) : 0;
}

void TableView::setRowHeight(double height) {
    rowHeight_ = height > 0 ? height : kDefaultRowHeight;
    setNeedsDisplay();
    reloadRowViews();
}

int TableView::rowAt(double y) const {
    if (y < 0)
        return -1;
    const int row = int(std::floor(y / rowHeight_));
    return row < numberOfRows() ? row : -1;
}

Rect TableView::rectOfRow(int row) const {
    return {0, row * rowHeight_, bounds().width(), rowHeight_};
}

void TableView::setGroupRowPredicate(GroupRowPredicate predicate) {
    groupRow_ = std::move(predicate);
    rowsDidChange();
}

void TableView::setSelection(IndexSet rows) {
    if (groupRow_)
        std::erase_if(rows, [this](int r) { return isGroupRow(r); });
    applySelection(selectionOf(std::move(rows)));
}

void TableView::restoreSelection(RowSelection selection) {
    if (groupRow_)
        std::erase_if(selection.rows, [this](int r) { return isGroupRow(r); });
    applySelection(std::move(selection));
}

SelectableRow TableView::selectableRow() const {
    return [this](int r) { return !isGroupRow(r); };
}

void TableView::applySelection(RowSelection next) {
    selection_.range = std::move(next.range); // before the observers hear of the change
    if (next.rows == selection_.rows)
        return;
    const IndexSet previous = std::exchange(selection_.rows, std::move(next.rows));
    showSelectionChange(previous);
    selectionDidChange(previous);
    if (selectionDidChange_)
        selectionDidChange_(*this);
}

void TableView::selectRowIndexes(const IndexSet& rows, bool byExtendingSelection) {
    IndexSet next = byExtendingSelection ? selection_.rows : IndexSet{};
    const int count = numberOfRows();
    for (int r : rows)
        if (r >= 0 && r < count)
            next.insert(r);
    setSelection(std::move(next));
}

void TableView::deselectAll() {
    setSelection({});
}

void TableView::rowsDidChange() {
    const int count = numberOfRows();
    const auto gone = [this, count](int r) { return r >= count || isGroupRow(r); };
    IndexSet kept = selection_.rows;
    std::erase_if(kept, gone);
    if (clickedRow_ >= count)
        clickedRow_ = -1;
    // The range goes on while its rows are still there to select.
    SelectionRange range = selection_.range;
    if (gone(range.anchor) || gone(range.farEnd) || std::any_of(range.kept.begin(), range.kept.end(), gone))
        range = selectionOf(kept).range;
    applySelection({std::move(kept), std::move(range)});
    setNeedsDisplay();
    reloadRowViews();
}

void TableView::reloadRowViews() {
    // From the topmost subview down, so that each leaves from the end of the list.
    std::unordered_set<const View*> shown;
    for (const auto& [row, view] : visible_)
        shown.insert(view.get());
    const auto subviews = this->subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it)
        if (shown.erase(it->get()))
            enqueue(std::static_pointer_cast<TableRowView>(*it));
    for (auto& [row, view] : visible_)
        if (shown.count(view.get())) // taken out of the table by other code
            enqueue(std::move(view));
    visible_.clear();
    tile();
}

void TableView::reloadData() {
    rowsDidChange();
}

bool TableView::mouseDown(const Event& event) {
    const int row = rowAt(locationOf(event).y);
    clickedRow_ = row;
    if (row < 0) {
        deselectAll();
        return true;
    }
    if (isGroupRow(row))
        return true; // a heading: nothing to select
    // Ctrl-click adds or removes a row, as on this desktop; the Command key does the same. The
    // menu comes with the right button. With Shift as well, the range to the row is added.
    const bool add = contains(event.modifierFlags, ModifierFlags::command) ||
                     contains(event.modifierFlags, ModifierFlags::control);
    if (add && contains(event.modifierFlags, ModifierFlags::shift))
        applySelection(addRangeToRow(selection_, row, selectableRow()));
    else if (add)
        applySelection(toggleRow(selection_, row));
    else if (contains(event.modifierFlags, ModifierFlags::shift))
        applySelection(extendToRow(selection_, row, selectableRow()));
    else
        applySelection(clickRow(row));
    return true;
}

void TableView::scrollRowToVisible(int row) {
    auto* clip = dynamic_cast<ClipView*>(superview());
    if (!clip || row < 0 || row >= numberOfRows())
        return;
    const Rect r = rectOfRow(row);
    const Rect visible = convertFrom(clip->bounds(), clip);
    double top = visible.minY();
    if (r.minY() < visible.minY())
        top = r.minY();
    else if (r.maxY() > visible.maxY())
        top = r.maxY() - visible.height();
    if (top != visible.minY())
        clip->scrollToPoint(clip->convertFrom(Point{visible.minX(), top}, this));
}

int TableView::rowsPerPage() const {
    const auto* clip = dynamic_cast<const ClipView*>(superview());
    const double height = clip ? clip->bounds().height() : visibleRows().height();
    return std::max(1, int(std::floor(height / rowHeight())));
}

bool TableView::keyDown(const Event& event) {
    const ModifierFlags m = event.modifierFlags;
    const bool shift = contains(m, ModifierFlags::shift);
    const int count = numberOfRows();
    if ((contains(m, ModifierFlags::command) || contains(m, ModifierFlags::control)) && !shift &&
        !contains(m, ModifierFlags::option) && event.charactersIgnoringModifiers == "a") {
        applySelection(selectAllRows(selection_, count, selectableRow()));
        return true;
    }
    const int from = keyRow(selection_, count);
    RowSelection next;
    switch (event.keyCode) {
    case KeyCode::upArrow:
    case KeyCode::downArrow:
        next = stepRow(selection_, event.keyCode == KeyCode::upArrow ? -1 : 1, count, shift, selectableRow());
        break;
    case KeyCode::home:
        next = moveToRow(selection_, 0, 1, count, shift, selectableRow());
        break;
    case KeyCode::end:
        next = moveToRow(selection_, count - 1, -1, count, shift, selectableRow());
        break;
    // With nothing selected they start where Down and Up do: at the first row and the last.
    case KeyCode::pageUp:
        next = moveToRow(selection_, from < 0 ? count - 1 : from - rowsPerPage(), -1, count, shift,
                         selectableRow());
        break;
    case KeyCode::pageDown:
        next = moveToRow(selection_, from < 0 ? 0 : from + rowsPerPage(), 1, count, shift, selectableRow());
        break;
    default:
        return View::keyDown(event);
    }
    applySelection(std::move(next));
    scrollRowToVisible(selection_.range.farEnd);
    return true;
}

bool TableView::rightMouseDown(const Event& event) {
    clickedRow_ = rowAt(locationOf(event).y);
    return false; // the window shows the menu
}

void TableView::draw(GraphicsContext& context, const Rect&) {
    if (isViewBased())
        return; // the row views draw the selection
    for (int r : selection_.rows)
        context.fillRect(rectOfRow(r), Color::rgba8(60, 110, 200));
}

void TableView::showSelectionChange(const IndexSet& previous) {
    std::vector<int> changed;
    std::set_symmetric_difference(previous.begin(), previous.end(), selection_.rows.begin(),
                                  selection_.rows.end(), std::back_inserter(changed));
    if (changed.empty())
        return;
    if (!isViewBased()) {
        // The table draws the selection itself: only the rows that changed are drawn again.
        const Rect first = rectOfRow(changed.front());
        setNeedsDisplayInRect(
            {first.minX(), first.minY(), first.width(), rectOfRow(changed.back()).maxY() - first.minY()});
        return;
    }
    for (int row : changed) {
        if (TableRowView* view = rowView(row))
            view->setSelected(isRowSelected(row));
        // The neighbours' selection may join or part at this row.
        for (int neighbour : {row - 1, row + 1})
            if (TableRowView* view = rowView(neighbour))
                view->setNeedsDisplay();
    }
}

void TableView::viewWillMoveToSuperview(View* newSuperview) {
    View::viewWillMoveToSuperview(newSuperview);
    if (ScrollView* scroll = headerScrollView())
        scroll->setHeaderView(nullptr); // the header leaves with the table
}

void TableView::viewDidMoveToSuperview() {
    View::viewDidMoveToSuperview();
    clipScrolls_ = {};
    if (ScrollView* scroll = enclosingScrollView(*this)) {
        if (headerView_)
            scroll->setHeaderView(headerView_);
        ClipView* clip = &scroll->contentView();
        clip->setPostsBoundsChangedNotifications(true);
        clip->setPostsFrameChangedNotifications(true);
        const auto weak = weakView();
        const auto retile = [weak, clip](const Notification& n) {
            if (n.object.as<ClipView>() != clip)
                return;
            if (auto self = std::static_pointer_cast<TableView>(weak.lock()))
                self->tile();
        };
        auto& centre = NotificationCenter::defaultCenter();
        auto scrolls = centre.addObserver(kViewBoundsDidChange, nullptr, retile);
        auto resizes = centre.addObserver(kViewFrameDidChange, nullptr, retile);
        auto both =
            std::make_shared<std::pair<Subscription, Subscription>>(std::move(scrolls), std::move(resizes));
        clipScrolls_ = Subscription([both] {
            both->first.cancel();
            both->second.cancel();
        });
    }
    tile();
}

void TableView::viewDidMoveToWindow() {
    View::viewDidMoveToWindow();
    if (window())
        tile(); // outside a clip view, the rows in view are known from now on
}

void TableView::frameDidChange(const Rect& oldFrame) {
    View::frameDidChange(oldFrame);
    tile();
}

View* TableView::hitTest(Point pointInSelf) {
    View* hit = View::hitTest(pointInSelf);
    if (!hit || hit == this)
        return hit;
    // Cell views and their text show the row; only controls that act (buttons) take the click.
    if (!dynamic_cast<Control*>(hit) || dynamic_cast<TextField*>(hit))
        return this;
    return hit;
}

std::shared_ptr<View> TableView::makeViewWithIdentifier(const std::string& identifier) {
    auto found = pool_.find(identifier);
    if (found == pool_.end() || found->second.empty())
        return nullptr;
    std::shared_ptr<View> view = std::move(found->second.back());
    found->second.pop_back();
    if (auto* cell = dynamic_cast<TableCellView*>(view.get()))
        cell->prepareForReuse();
    else if (auto* row = dynamic_cast<TableRowView*>(view.get()))
        row->prepareForReuse();
    return view;
}

TableRowView* TableView::rowView(int row) const {
    auto found = visible_.find(row);
    return found == visible_.end() ? nullptr : found->second.get();
}

int TableView::rowForView(const View& view) const {
    for (const View* v = &view; v; v = v->superview())
        if (v->superview() == this)
            for (const auto& [row, rowView] : visible_)
                if (rowView.get() == v)
                    return row;
    return -1;
}

void TableView::enqueue(std::shared_ptr<TableRowView> view) {
    // The row's views go back to the pool apart from their row view, each under its own identifier.
    view->clearColumnViews();
    const auto contents = view->subviews();
    for (const auto& content : contents) {
        content->removeFromSuperview();
        if (!content->identifier().empty())
            pool_[content->identifier()].push_back(content);
    }
    view->removeFromSuperview();
    pool_[view->identifier()].push_back(std::move(view));
}

std::shared_ptr<TableRowView> TableView::newRowView() {
    auto view = std::dynamic_pointer_cast<TableRowView>(makeViewWithIdentifier(TableRowView::kIdentifier));
    return view ? view : View::make<TableRowView>();
}

void TableView::addRowContent(TableRowView& rowView, int row) {
    if (!cellViewProvider_)
        return;
    forEachCellColumn([&](int index, TableColumn* column) {
        if (auto cell = cellViewProvider_(*this, column, row)) {
            rowView.setViewAtColumn(index, cell);
            rowView.addSubview(std::move(cell));
        }
    });
    layoutRowContent(rowView, row);
}

void TableView::layoutRowContent(TableRowView& rowView, int row) {
    const Point origin = rectOfRow(row).origin;
    forEachCellColumn([&](int index, TableColumn*) {
        if (View* cell = rowView.viewAtColumn(index))
            cell->setFrame(frameOfCellAtColumn(index, row).offsetBy(-origin.x, -origin.y));
    });
}

std::shared_ptr<TableRowView> TableView::makeRowView(int row) {
    std::shared_ptr<TableRowView> view;
    if (rowViewProvider_)
        view = rowViewProvider_(*this, row);
    if (!view)
        view = newRowView();
    view->setFrame(rectOfRow(row));
    view->setGroupRowStyle(isGroupRow(row));
    view->setSelected(isRowSelected(row));
    addRowContent(*view, row);
    return view;
}

Rect TableView::visibleRows() const {
    if (auto* clip = dynamic_cast<const ClipView*>(superview()))
        return convertFrom(clip->bounds(), clip).intersection(bounds());
    // Elsewhere, the part of its window it covers, within the views that clip it: none outside a
    // window, so that a table being put together makes no views for rows nobody sees.
    if (!window())
        return {};
    Rect visible = bounds();
    for (const View* v = superview(); v; v = v->superview())
        if (v->clipsToBounds() || !v->superview())
            visible = visible.intersection(convertFrom(v->bounds(), v));
    return visible;
}

void TableView::fitFrameToRowsAndColumns() {
    if (fitting_)
        return;
    fitting_ = true;
    auto* clip = dynamic_cast<ClipView*>(superview());
    auto* scroll = clip ? dynamic_cast<ScrollView*>(clip->superview()) : nullptr;
    bool changed = false;
    // A scroller that comes or goes with the new size changes the clip view's width, which the
    // width follows again; two rounds settle it.
    for (int round = 0; round < 3; ++round) {
        // At least as high as the part in view, so that a click below the last row lands here.
        const double height = std::max(numberOfRows() * rowHeight(), clip ? clip->bounds().height() : 0.0);
        double width = frame().width();
        if (!columns_.empty()) // as wide as the columns, and at least as the part in view
            width = std::max(columnsWidth(), clip ? clip->bounds().width() : 0.0);
        if (frame().height() == height && frame().width() == width)
            break;
        setFrame({frame().minX(), frame().minY(), width, height});
        changed = true;
        if (scroll)
            scroll->tile(); // the scrollers and the header follow the new size
    }
    if (changed && clip) {
        // Fewer rows or narrower columns may end before the part in view: the clip view keeps
        // within the document.
        clip->scrollToPoint(clip->bounds().origin);
        if (scroll)
            scroll->reflectScrolledClipView(*clip); // the knobs' length changed
    }
    fitting_ = false;
}

void TableView::tile() {
    if (tiling_)
        return;
    tiling_ = true;
    fitFrameToRowsAndColumns();
    if (!isViewBased()) { // a plain table draws its rows itself
        tiling_ = false;
        return;
    }
    const Rect visible = visibleRows();
    const int count = numberOfRows();
    int first = 0;
    int last = -1;
    if (count > 0 && visible.height() > 0) {
        first = std::clamp(int(std::floor(visible.minY() / rowHeight())), 0, count - 1);
        last = std::clamp(int(std::ceil(visible.maxY() / rowHeight())) - 1, first, count - 1);
    }
    for (auto it = visible_.begin(); it != visible_.end();) {
        if (it->first < first || it->first > last) {
            enqueue(std::move(it->second));
            it = visible_.erase(it);
        } else {
            TableRowView& view = *it->second;
            const Rect r = rectOfRow(it->first);
            if (view.frame() != r) {
                const bool resized = view.frame().size != r.size;
                view.setFrame(r);
                if (resized)
                    layoutRowContent(view, it->first);
            }
            ++it;
        }
    }
    for (int row = first; row <= last; ++row)
        if (!visible_.count(row)) {
            auto view = makeRowView(row);
            addSubview(view);
            visible_.emplace(row, std::move(view));
        }
    tiling_ = false;
}

// --- OutlineView ---------------------------------------------------------------------------------

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

void OutlineView::addChildren(const Item& parent, int level) {
    auto source = dataSource_.lock();
    if (!source)
        return;
    const int n = source->numberOfChildren(parent);
    for (int i = 0; i < n; ++i) {
        Item child = source->child(i, parent);
        rows_.push_back({child, parent, i, level});
        if (child && expanded_.count(child) && source->isItemExpandable(child))
            addChildren(child, level + 1);
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
    addChildren(nullptr, 0);

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
    expanded_.insert(item);
    if (children)
        if (auto source = dataSource_.lock())
            for (int i = 0, n = source->numberOfChildren(item); i < n; ++i)
                expandItem(source->child(i, item), true);
    rebuildRows();
}

void OutlineView::collapseItem(const Item& item) {
    if (!item || !expanded_.erase(item))
        return;
    rebuildRows();
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
