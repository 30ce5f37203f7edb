#pragma once

// An outline: a table whose rows show a tree of items, each expanded or collapsed. Items are the
// data source's own objects, told apart by identity.
//
// View-based, each row of an expandable item holds a disclosure button (made by
// makeViewWithIdentifier(kDisclosureButtonKey), so a subclass can restyle it) in the outline cell's
// frame, on while the item is open; clicking it opens or closes the item. The outline cell and the
// indentation are in the outline column, the first visible one: its cell view starts after the
// outline cell, indented by the item's level; the other columns' cells are as in a table.
//
// Opening or closing an item changes only the rows under it: they are read and put in, or taken
// out, where the item is shown; the rows below move up or down with the selection, and the row
// views are asked for anew from the item's row on, once per call.
//
// All members are [main].

#include "platform/tk/controls/TableView.h"

#include <memory>
#include <set>
#include <vector>

namespace tk {

class OutlineView : public TableView {
public:
    using Item = std::shared_ptr<void>;
    static constexpr const char* kDisclosureButtonKey = "OutlineViewDisclosureButtonKey";
    // The action the disclosure buttons send to their outline.
    static constexpr const char* kToggleDisclosureAction = "toggleDisclosure:";
    static constexpr double kIndentationPerLevel = 14;
    // Where the outline cell starts at level 0, and its width.
    static constexpr double kOutlineCellLeading = 8;
    static constexpr double kOutlineCellWidth = 16;

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
    // selected. Here and as items open and close, the selection's range (its anchor, far end and
    // the rows kept from before it) follows its items to their new rows while they are all shown;
    // otherwise it starts anew from the selected rows.
    void reloadData() override;

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
    // Hides the children. When selected rows are among them, the item's row takes their place in
    // the selection and anchors its range (the rows selected elsewhere stay).
    void collapseItem(const Item& item);

    bool keyDown(const Event& event) override;

    // The disclosure mark's rect in `row` (zero for an item that cannot expand, or no row).
    virtual Rect frameOfOutlineCellAtRow(int row) const;
    // Where the outline column's cell view starts in `row`, from the column's left edge: after the
    // outline cell at the row's level.
    double cellViewLeading(int row) const;
    // The first visible column (0 without columns); -1 when every column is hidden.
    int outlineColumn() const;
    // The outline column's cell starts after the outline cell.
    Rect frameOfCellAtColumn(int column, int row) const override;

    // For kDisclosureButtonKey with nothing pooled: a new disclosure button.
    std::shared_ptr<View> makeViewWithIdentifier(const std::string& identifier) override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

protected:
    void setup() override;
    void addRowContent(TableRowView& rowView, int row) override;
    void layoutRowContent(TableRowView& rowView, int row) override;

private:
    struct Row {
        Item item;
        Item parent;
        int childIndex;
        int level;
    };
    // Reads the rows from the data source again; the selection and its range follow their items.
    void rebuildRows();
    // Appends the rows shown under `parent` (its children at `level`, theirs where open, ...).
    void addChildren(std::vector<Row>& rows, const Item& parent, int level) const;
    void expandDescendants(const Item& item);
    // Every row that shows `item`, in order.
    std::vector<int> rowsShowing(const Item& item) const;
    // The row after the last one shown under `row`.
    int endOfRowsUnder(int row) const;
    // Reads again the rows under each row that shows `item`, as it is open or closed now, and puts
    // them in place of those shown before; the selection moves with its rows.
    void readRowsUnder(const Item& item);
    // The same under one row, carrying `selection` over.
    void readRowsUnder(int row, RowSelection& selection);
    std::vector<Item> itemsOf(const IndexSet& rows) const;

    std::weak_ptr<DataSource> dataSource_;
    std::vector<Row> rows_;
    std::set<Item> expanded_; // kept alive while expanded, so identity stays unique
};

} // namespace tk
