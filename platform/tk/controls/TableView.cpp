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

void TableView::rowsDidChange(int firstChangedRow) {
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
    reloadRowViews(firstChangedRow);
}

void TableView::reloadRowViews(int firstRow) {
    const auto from = visible_.lower_bound(firstRow);
    if (from == visible_.end()) {
        tile(); // none in view changed: only the height and the rows coming into view
        return;
    }
    // From the topmost subview down, so that each leaves from the end of the list.
    std::unordered_set<const View*> shown;
    for (auto it = from; it != visible_.end(); ++it)
        shown.insert(it->second.get());
    const auto subviews = this->subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend() && !shown.empty(); ++it)
        if (shown.erase(it->get()))
            enqueue(std::static_pointer_cast<TableRowView>(*it));
    for (auto it = from; it != visible_.end(); ++it)
        if (shown.count(it->second.get())) // taken out of the table by other code
            enqueue(std::move(it->second));
    visible_.erase(from, visible_.end());
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

} // namespace tk
