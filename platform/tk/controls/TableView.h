#pragma once

// Table and outline views: rows of equal height, a selection of row indices and the row that was
// clicked last. These are the parts that selection, context menus and row-based commands read.
//
// A plain table draws its selection and leaves each row's content to the subclass or the code that
// owns it. A view-based table (one given a cell view or row view provider, or a subclass that says
// so) shows each row as a TableRowView holding the row's cell view, and only the rows in view exist
// as views: as the enclosing clip view scrolls or resizes, rows that leave the view give their row
// view and cell views back to a pool by identifier, and makeViewWithIdentifier() hands them out
// again after prepareForReuse(). So a table of 100 000 rows costs as much to draw as one of 100.
// Outside a clip view the rows in view are those over the part of its window it covers (within the
// views that clip it): a table not yet in a window shows no rows as views.
// Clicks on a row's cell views select the row; controls in a row (buttons) take their own clicks.
//
// Every table's height follows its rows, and inside a clip view it is at least as high as the clip
// view, so the part below the last row is the table's too.
//
// Columns stand side by side from the left edge, in the order they were added, each taking its
// width plus the intercell spacing's width (hidden columns take no room). A row view holds one cell
// view for each visible column, at the column's x and width inset by half the intercell spacing.
// With columns added the table is as wide as its columns, and at least as wide as the clip view it
// sits in, so a scroll view shows a horizontal scroll once they no longer fit; a column that grows
// or shrinks moves the cells of the rows in view at once. A table with no columns added has one
// implicit column as wide as the table, without spacing: each row holds one cell view across it.
// The table's header view (when set) shows the columns' header cells over them: inside a scroll
// view it sits above the clip view and follows the horizontal scroll.
//
//   - A left click on a row selects that row alone (Ctrl or Command adds or removes it, Shift
//     selects the range from the anchor to it, Ctrl+Shift adds that range to the rows selected)
//     and makes it the clicked row; a click below the rows clears the selection. A right click
//     only sets the clicked row, then shows the menu. The rules of the anchored range are those of
//     RowSelection.h.
//   - clickedRow() is -1 until a click lands on a row, and again after a click that misses.
//   - Keys: Up and Down select the row above or below the far end of the range (the first or last
//     row with none selected), Home and End the first or last row, Page Up and Page Down the row
//     as many rows away as fit the height in view; with Shift the far end moves there instead.
//     Each scrolls the row it moved to into view. Ctrl+A (or Command+A) selects every row. An
//     outline also opens the item there with Right; Left closes it, or on an item that is closed
//     or cannot open selects its parent.
//   - Group rows (headings between runs of rows) are never selected: clicks on them leave the
//     selection as it is, keys step over them, and a range that spans them leaves them out.
//
// All members are [main].

#include "platform/tk/base/Subscription.h"
#include "platform/tk/controls/RowSelection.h"
#include "platform/tk/controls/TableHeaderCell.h"
#include "platform/tk/controls/TableRowView.h"
#include "platform/tk/view/View.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class ScrollView;
class TableHeaderView;

class TableView : public View {
public:
    static constexpr double kDefaultRowHeight = 20;

    using View::View;

    // The number of rows; a plain table asks the function it was given (none: 0).
    virtual int numberOfRows() const;
    void setNumberOfRows(std::function<int()> rows) { rowCount_ = std::move(rows); }
    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height);
    // The row at `y` (bounds coordinates); -1 below the last row.
    int rowAt(double y) const;
    Rect rectOfRow(int row) const;

    const IndexSet& selectedRowIndexes() const { return selection_.rows; }
    // Rows outside 0..numberOfRows-1 are ignored.
    void selectRowIndexes(const IndexSet& rows, bool byExtendingSelection);
    void deselectAll();
    // The last selected row, -1 with none.
    int selectedRow() const { return selection_.rows.empty() ? -1 : *selection_.rows.rbegin(); }
    int numberOfSelectedRows() const { return int(selection_.rows.size()); }
    bool isRowSelected(int row) const { return selection_.rows.count(row) != 0; }
    int clickedRow() const { return clickedRow_; }
    // The anchor and far end of the selection's range, and the rows kept from before it.
    const SelectionRange& selectionRange() const { return selection_.range; }
    // Whether `row` is a group row (none given: no row is).
    using GroupRowPredicate = std::function<bool(const TableView&, int row)>;
    void setGroupRowPredicate(GroupRowPredicate predicate);
    bool isGroupRow(int row) const {
        return groupRow_ && row >= 0 && row < numberOfRows() && groupRow_(*this, row);
    }
    // Scrolls the enclosing clip view, as little as it takes, to show `row`.
    void scrollRowToVisible(int row);
    // Observers hear of every change of the selection.
    void setSelectionDidChange(std::function<void(TableView&)> handler) {
        selectionDidChange_ = std::move(handler);
    }

    // --- Columns ---------------------------------------------------------------------------
    static constexpr Size kDefaultIntercellSpacing{3, 0};
    // The columns added, hidden ones included, in order (none: the implicit column).
    const std::vector<std::shared_ptr<TableColumn>>& tableColumns() const { return columns_; }
    void addTableColumn(std::shared_ptr<TableColumn> column);
    void removeTableColumn(const TableColumn& column);
    int numberOfColumns() const { return int(columns_.size()); }
    // The index of the column with `identifier`, -1 without one.
    int columnWithIdentifier(std::string_view identifier) const;
    TableColumn* tableColumnWithIdentifier(std::string_view identifier) const;
    // Between neighbouring columns (width) and rows (height: the cells are inset by half of it at
    // the top and bottom of their rows).
    Size intercellSpacing() const { return intercellSpacing_; }
    void setIntercellSpacing(Size spacing);
    // A visible column's rect over the table's height; zero for a hidden column or an index out of
    // range. Without columns, index 0 is the implicit column: the table's bounds.
    Rect rectOfColumn(int column) const;
    // The visible column at `x`; -1 left of the first or right of the last.
    int columnAt(double x) const;
    // Where the cell view of (column, row) sits, in the table's coordinates: the column's rect in
    // the row, inset by half the intercell spacing. Zero for a hidden column.
    virtual Rect frameOfCellAtColumn(int column, int row) const;
    // The sum of the visible columns' widths with their spacing (without columns: the width).
    double columnsWidth() const;
    // The first visible column: 0 without columns (the implicit one), -1 when all are hidden.
    int firstVisibleColumn() const;
    // A column changed its width: the table's width, the cells of the rows in view and the header
    // follow. Columns call it themselves.
    void columnDidResize(const TableColumn& column);
    // A column was shown or hidden: the rows in view are asked for their cells anew.
    void columnsDidChange();
    // A column's limits or resizing mask changed: the header's dividers follow.
    void columnResizingDidChange(const TableColumn& column);

    // None until set. The header takes this table and its columns; inside a scroll view it is
    // shown above the clip view.
    TableHeaderView* headerView() const { return headerView_.get(); }
    void setHeaderView(std::shared_ptr<TableHeaderView> header);

    // --- Row views (view-based tables) ------------------------------------------------------
    // The view that shows (column, row) inside the row's row view (none: that cell is empty);
    // column is none for the implicit column.
    using CellViewProvider = std::function<std::shared_ptr<View>(TableView&, TableColumn* column, int row)>;
    // For one-column tables: the view that shows `row`, put in the first visible column.
    using RowCellViewProvider = std::function<std::shared_ptr<View>(TableView&, int row)>;
    // The row view of `row` (none: the table's own kind of row view).
    using RowViewProvider = std::function<std::shared_ptr<TableRowView>(TableView&, int row)>;
    void setCellViewProvider(CellViewProvider provider) { cellViewProvider_ = std::move(provider); }
    void setCellViewProvider(RowCellViewProvider provider);
    void setRowViewProvider(RowViewProvider provider) { rowViewProvider_ = std::move(provider); }
    virtual bool isViewBased() const { return cellViewProvider_ || rowViewProvider_; }

    // A view given back earlier under `identifier`, readied for another row; none when the pool has
    // none (the caller makes a new one and gives it the identifier).
    virtual std::shared_ptr<View> makeViewWithIdentifier(const std::string& identifier);
    // The row view showing `row`, none when that row is out of view.
    TableRowView* rowView(int row) const;
    // The cell view of (column, row); none while the row is out of view.
    View* viewAtColumn(int column, int row) const;
    // The row `view` (a row view or a view inside one) shows; -1 for any other view.
    int rowForView(const View& view) const;
    // Reads the rows again: every row view in view is asked for anew.
    virtual void reloadData();
    // Fits the frame to the rows and columns; a view-based table also makes the rows in view exist
    // as views and gives back those out of view.
    void tile();

    bool mouseDown(const Event& event) override;
    bool rightMouseDown(const Event& event) override;
    bool keyDown(const Event& event) override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool acceptsFirstResponder() const override { return true; }
    bool takesFocusOnClick() const override { return true; }
    void viewWillMoveToSuperview(View* newSuperview) override;
    void viewDidMoveToSuperview() override;
    void viewDidMoveToWindow() override;
    void frameDidChange(const Rect& oldFrame) override;
    // Clicks on a row select it, unless they land on a button or similar control inside the row.
    View* hitTest(Point pointInSelf) override;

protected:
    // Rows were added or removed: selection and clicked row are kept only where still valid, and
    // the row views from `firstChangedRow` on are asked for anew (those above stay as they are).
    void rowsDidChange(int firstChangedRow = 0);
    // Rows selected other than by clicks and keys: the range starts anew from them.
    void setSelection(IndexSet rows);
    // The rows and their range as given, for a subclass that carries them over to rows it moved
    // (group rows are left out of the rows; rowsDidChange() drops a range that no longer holds).
    void restoreSelection(RowSelection selection);
    // Runs after every change of the selection, before the observer hears of it.
    virtual void selectionDidChange(const IndexSet& previous) { (void)previous; }
    // A row view when the provider gives none: one from the pool under TableRowView::kIdentifier,
    // or a new one.
    virtual std::shared_ptr<TableRowView> newRowView();
    // Puts the content of `row` into its row view, whose frame is set: the provider's cell view of
    // each visible column, framed by layoutRowContent().
    virtual void addRowContent(TableRowView& rowView, int row);
    // Places the content of the row view of `row` for the columns as they are now.
    virtual void layoutRowContent(TableRowView& rowView, int row);
    const CellViewProvider& cellViewProvider() const { return cellViewProvider_; }
    // Every (column index, column) that has cells: the visible columns, or the implicit one.
    template <typename F> void forEachCellColumn(F&& f) const {
        if (columns_.empty())
            f(0, static_cast<TableColumn*>(nullptr));
        for (int i = 0; i < int(columns_.size()); ++i)
            if (!columns_[std::size_t(i)]->isHidden())
                f(i, columns_[std::size_t(i)].get());
    }

private:
    Rect visibleRows() const;
    // How many rows Page Up and Page Down move: those that fit the height in view (at least one).
    int rowsPerPage() const;
    void enqueue(std::shared_ptr<TableRowView> rowView);
    std::shared_ptr<TableRowView> makeRowView(int row);
    void fitFrameToRowsAndColumns();
    ScrollView* headerScrollView() const;
    void reloadRowViews(int firstRow = 0);
    // Rows a click or key may select: all but the group rows.
    SelectableRow selectableRow() const;
    void applySelection(RowSelection next);
    void showSelectionChange(const IndexSet& previous);

    std::function<int()> rowCount_;
    std::function<void(TableView&)> selectionDidChange_;
    GroupRowPredicate groupRow_;
    CellViewProvider cellViewProvider_;
    RowViewProvider rowViewProvider_;
    std::map<int, std::shared_ptr<TableRowView>> visible_;
    std::map<std::string, std::vector<std::shared_ptr<View>>, std::less<>> pool_;
    Subscription clipScrolls_;
    std::vector<std::shared_ptr<TableColumn>> columns_;
    std::shared_ptr<TableHeaderView> headerView_;
    Size intercellSpacing_ = kDefaultIntercellSpacing;
    bool fitting_ = false; // the scroll view's answer to a new size comes back here
    RowSelection selection_;
    double rowHeight_ = kDefaultRowHeight;
    int clickedRow_ = -1;
    bool tiling_ = false;
};

} // namespace tk
