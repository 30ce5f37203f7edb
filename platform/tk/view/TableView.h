#pragma once

// Table and outline views: rows of equal height, a selection of row indices and the row that was
// clicked last. These are the parts that selection, context menus and row-based commands read;
// each row's content is drawn by the subclass or the code that owns the table.
//
//   - A left click on a row selects that row alone (Command adds or removes it, Shift extends from
//     the last selected row) and makes it the clicked row; a click below the rows clears the
//     selection. A right click (or Control-click) only sets the clicked row, then shows the menu.
//   - clickedRow() is -1 until a click lands on a row, and again after a click that misses.
//
// All members are [main].

#include "platform/tk/view/View.h"

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace tk {

using IndexSet = std::set<int>;

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

    const IndexSet& selectedRowIndexes() const { return selection_; }
    // Rows outside 0..numberOfRows-1 are ignored.
    void selectRowIndexes(const IndexSet& rows, bool byExtendingSelection);
    void deselectAll();
    // The last selected row, -1 with none.
    int selectedRow() const { return selection_.empty() ? -1 : *selection_.rbegin(); }
    int numberOfSelectedRows() const { return int(selection_.size()); }
    bool isRowSelected(int row) const { return selection_.count(row) != 0; }
    int clickedRow() const { return clickedRow_; }
    // Observers hear of every change of the selection.
    void setSelectionDidChange(std::function<void(TableView&)> handler) {
        selectionDidChange_ = std::move(handler);
    }

    bool mouseDown(const Event& event) override;
    bool rightMouseDown(const Event& event) override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool acceptsFirstResponder() const override { return true; }

protected:
    // Rows were added or removed: selection and clicked row are kept only where still valid.
    void rowsDidChange();
    void setSelection(IndexSet rows);
    // Runs after every change of the selection, before the observer hears of it.
    virtual void selectionDidChange(const IndexSet& previous) { (void)previous; }

private:
    std::function<int()> rowCount_;
    std::function<void(TableView&)> selectionDidChange_;
    IndexSet selection_;
    double rowHeight_ = kDefaultRowHeight;
    int clickedRow_ = -1;
};

// An outline: a table whose rows show a tree of items, each expanded or collapsed. Items are the
// data source's own objects, told apart by identity.
class OutlineView : public TableView {
public:
    using Item = std::shared_ptr<void>;

    using TableView::TableView;

    class DataSource {
    public:
        virtual ~DataSource() = default;
        // Children of `item`, or of the root for a null item.
        virtual int numberOfChildren(const Item& item) = 0;
        virtual Item child(int index, const Item& item) = 0;
        virtual bool isItemExpandable(const Item& item) = 0;
    };

    // Not owned. Setting it reloads.
    void setDataSource(std::weak_ptr<DataSource> dataSource);
    // Reads the tree again; expanded items that are still there stay expanded, selected ones
    // selected.
    void reloadData();

    int numberOfRows() const override { return int(rows_.size()); }
    // Null outside the rows.
    Item item(int row) const;
    // -1 for an item not shown (collapsed away, or unknown).
    int row(const Item& item) const;
    // Null for a top-level item or an item not shown.
    Item parent(const Item& item) const;
    // Index under its parent; -1 for an item not shown.
    int childIndex(const Item& item) const;
    int level(int row) const;

    bool isExpandable(const Item& item) const;
    bool isItemExpanded(const Item& item) const;
    // Shows the item's children (and, with `children`, expands them all the way down).
    void expandItem(const Item& item, bool children = false);
    // Hides the children; selected rows among them are deselected.
    void collapseItem(const Item& item);

    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

private:
    struct Row {
        Item item;
        Item parent;
        int childIndex;
        int level;
    };
    void rebuildRows(const std::vector<Item>& keepSelected);
    void addChildren(const Item& parent, int level);
    std::vector<Item> selectedItemsNow() const;

    std::weak_ptr<DataSource> dataSource_;
    std::vector<Row> rows_;
    std::set<Item> expanded_; // kept alive while expanded, so identity stays unique
};

} // namespace tk
