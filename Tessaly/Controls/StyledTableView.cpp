#include "Tessaly/Controls/StyledTableView.h"

#include "Tessaly/Controls/StyledTableHeader.h"

#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Control.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/TableCellView.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

std::shared_ptr<TableViewStyle> StyledTableView::style() {
    return std::make_shared<TableViewStyle>();
}

void StyledTableView::setBackgroundColor(tk::Color color) {
    backgroundColor_ = color;
    setNeedsDisplay();
}

void StyledTableView::viewDidMoveToSuperview() {
    tk::TableView::viewDidMoveToSuperview();
    // Here and not before the move: only now is the enclosing scroll view known.
    setBackgroundColor(style()->backgroundColor());
    clipScrolls_ = {};
    if (tk::ScrollView* scroll = tk::enclosingScrollView(*this)) {
        scroll->setDrawsBackground(true);
        scroll->setBackgroundColor(backgroundColor_);
        tk::ClipView* clip = &scroll->contentView();
        clip->setPostsBoundsChangedNotifications(true);
        clip->setPostsFrameChangedNotifications(true);
        const auto weak = weakView();
        const auto retile = [weak, clip](const tk::Notification& n) {
            if (n.object.as<tk::ClipView>() != clip)
                return;
            if (auto self = std::static_pointer_cast<StyledTableView>(weak.lock()))
                self->tile();
        };
        auto& centre = tk::NotificationCenter::defaultCenter();
        auto scrolls = centre.addObserver(tk::kViewBoundsDidChange, nullptr, retile);
        auto resizes = centre.addObserver(tk::kViewFrameDidChange, nullptr, retile);
        auto both = std::make_shared<std::pair<tk::Subscription, tk::Subscription>>(std::move(scrolls),
                                                                                    std::move(resizes));
        clipScrolls_ = tk::Subscription([both] {
            both->first.cancel();
            both->second.cancel();
        });
    }
    tile();
}

tk::IndexSet StyledTableView::columnIndexes() const {
    tk::IndexSet indexes;
    for (int i = 0; i < int(columns_.size()); ++i)
        indexes.insert(i);
    return indexes;
}

void StyledTableView::styleHeaderCells(tk::Color textColor, tk::Color tintColor, const tk::Font& font) {
    for (const auto& column : columns_) {
        if (column->isHidden())
            continue;
        const tk::TableHeaderCell& old = column->headerCell();
        const tk::Image image = old.image();
        auto cell = std::make_unique<StyledTableHeaderCell>(
            old.title(), image.isEmpty() ? std::nullopt : std::optional<tk::Image>(image));
        cell->setDrawsBackground(true);
        cell->setBackgroundColor(tk::Color::clear());
        cell->setTintColor(tintColor);
        cell->setTextColor(textColor);
        cell->setAttributedTitle(tk::AttributedString(old.title(), {.font = font, .color = textColor}));
        column->setHeaderCell(std::move(cell));
    }
}

bool StyledTableView::mouseDown(const tk::Event& event) {
    if (tk::Window* w = window(); w && makeKeyOnClick_ && !w->isKeyWindow())
        w->makeKeyAndOrderFront();
    return tk::TableView::mouseDown(event);
}

bool StyledTableView::keyDown(const tk::Event& event) {
    if (allowKeyboardNavigation_)
        return tk::TableView::keyDown(event);
    if (tk::View* parent = superview())
        parent->keyDown(event);
    return true; // the table itself never moves its selection by keys
}

void StyledTableView::frameDidChange(const tk::Rect& oldFrame) {
    tk::TableView::frameDidChange(oldFrame);
    tile();
}

tk::View* StyledTableView::hitTest(tk::Point pointInSelf) {
    tk::View* hit = tk::TableView::hitTest(pointInSelf);
    if (!hit || hit == this)
        return hit;
    // Cell views and their text show the row; only controls that act (buttons) take the click.
    if (!dynamic_cast<tk::Control*>(hit) || dynamic_cast<tk::TextField*>(hit))
        return this;
    return hit;
}

void StyledTableView::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    // The row views draw the selection.
    context.fillRect(dirtyRect, backgroundColor_);
}

void StyledTableView::selectionDidChange(const tk::IndexSet& previous) {
    const tk::IndexSet& now = selectedRowIndexes();
    std::vector<int> changed;
    std::set_symmetric_difference(previous.begin(), previous.end(), now.begin(), now.end(),
                                  std::back_inserter(changed));
    for (int row : changed) {
        if (StyledTableRowView* view = rowView(row))
            view->setSelected(isRowSelected(row));
        // The neighbours' bands join or part at this row.
        for (int neighbour : {row - 1, row + 1})
            if (StyledTableRowView* view = rowView(neighbour))
                view->setNeedsDisplay();
    }
}

std::shared_ptr<tk::View> StyledTableView::makeViewWithIdentifier(const std::string& identifier) {
    auto found = pool_.find(identifier);
    if (found == pool_.end() || found->second.empty())
        return nullptr;
    std::shared_ptr<tk::View> view = std::move(found->second.back());
    found->second.pop_back();
    if (auto* cell = dynamic_cast<tk::TableCellView*>(view.get()))
        cell->prepareForReuse();
    else if (auto* row = dynamic_cast<StyledTableRowView*>(view.get()))
        row->prepareForReuse();
    return view;
}

StyledTableRowView* StyledTableView::rowView(int row) const {
    auto found = visible_.find(row);
    return found == visible_.end() ? nullptr : found->second.get();
}

int StyledTableView::rowForView(const tk::View& view) const {
    for (const tk::View* v = &view; v; v = v->superview())
        if (v->superview() == this)
            for (const auto& [row, rowView] : visible_)
                if (rowView.get() == v)
                    return row;
    return -1;
}

void StyledTableView::enqueue(std::shared_ptr<StyledTableRowView> view) {
    // Cell views go back to the pool apart from their row view, each under its own identifier.
    const auto cells = view->subviews();
    for (const auto& cell : cells) {
        cell->removeFromSuperview();
        if (!cell->identifier().empty())
            pool_[cell->identifier()].push_back(cell);
    }
    view->removeFromSuperview();
    pool_[view->identifier()].push_back(std::move(view));
}

std::shared_ptr<StyledTableRowView> StyledTableView::makeRowView(int row) {
    std::shared_ptr<StyledTableRowView> view;
    if (rowViewProvider_)
        view = rowViewProvider_(*this, row);
    if (!view)
        view = std::dynamic_pointer_cast<StyledTableRowView>(
            makeViewWithIdentifier(StyledTableRowView::identifier()));
    if (!view)
        view = tk::View::make<StyledTableRowView>();
    view->setFrame(rectOfRow(row));
    view->setSelected(isRowSelected(row));
    if (cellViewProvider_)
        if (auto cell = cellViewProvider_(*this, row)) {
            cell->setFrame(view->bounds());
            view->addSubview(std::move(cell));
        }
    return view;
}

tk::Rect StyledTableView::visibleRows() const {
    tk::Rect visible = bounds();
    if (auto* clip = dynamic_cast<const tk::ClipView*>(superview()))
        visible = convertFrom(clip->bounds(), clip).intersection(bounds());
    return visible;
}

void StyledTableView::fitHeightToRows() {
    const double height = numberOfRows() * rowHeight();
    if (frame().height() != height)
        setFrame({frame().minX(), frame().minY(), frame().width(), height});
}

void StyledTableView::tile() {
    if (tiling_)
        return;
    tiling_ = true;
    fitHeightToRows();
    const tk::Rect visible = visibleRows();
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
            it->second->setFrame(rectOfRow(it->first));
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

void StyledTableView::reloadData() {
    for (auto& [row, view] : visible_)
        enqueue(std::move(view));
    visible_.clear();
    rowsDidChange();
    tile();
}

} // namespace Tessaly
