#pragma once

// StyledTableView: a table drawn in the table style's background whose rows are StyledTableRowViews
// holding the rows' cell views. Only the rows in view exist as views: a row that scrolls out of view
// gives its row view and cell views back to a pool by identifier, and makeViewWithIdentifier() hands
// them out again after prepareForReuse(), so a reused view shows its new row only.
//
// A click makes the window key first (makeKeyOnClick); keys go to the superview unless keyboard
// navigation is allowed, so the selection does not move by keys then.
//
// All members are [main].

#include "Tessaly/Controls/StyledTableRowView.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/base/Subscription.h"
#include "platform/tk/controls/TableHeaderCell.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/view/TableView.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Tessaly {

class StyledTableView : public tk::TableView {
public:
    using ViewStyle = TableViewStyle;
    // A new style on every call.
    static std::shared_ptr<TableViewStyle> style();

    // The view that shows `row` inside its row view (none: the row is empty).
    using CellViewProvider = std::function<std::shared_ptr<tk::View>(StyledTableView&, int row)>;
    // The row view of `row` (none: a StyledTableRowView by its class identifier).
    using RowViewProvider = std::function<std::shared_ptr<StyledTableRowView>(StyledTableView&, int row)>;

    using tk::TableView::TableView;

    bool makeKeyOnClick() const { return makeKeyOnClick_; }
    void setMakeKeyOnClick(bool make) { makeKeyOnClick_ = make; }
    bool allowKeyboardNavigation() const { return allowKeyboardNavigation_; }
    void setAllowKeyboardNavigation(bool allow) { allowKeyboardNavigation_ = allow; }

    tk::Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(tk::Color color);

    // The columns, hidden ones included, in order; shared with the table's header view.
    const std::vector<std::shared_ptr<tk::TableColumn>>& tableColumns() const { return columns_; }
    void addTableColumn(std::shared_ptr<tk::TableColumn> column) { columns_.push_back(std::move(column)); }
    // The index of every column, hidden ones counted: 0 up to, not including, the column count.
    tk::IndexSet columnIndexes() const;
    // Gives every visible column a styled header cell with its old title and image, in the text
    // colour and font, filled with the tint.
    void styleHeaderCells(tk::Color textColor, tk::Color tintColor, const tk::Font& font);

    void setCellViewProvider(CellViewProvider provider) { cellViewProvider_ = std::move(provider); }
    void setRowViewProvider(RowViewProvider provider) { rowViewProvider_ = std::move(provider); }

    // A view given back earlier under `identifier`, readied for another row; none when the pool has
    // none (the caller makes a new one and gives it the identifier).
    std::shared_ptr<tk::View> makeViewWithIdentifier(const std::string& identifier);
    // The row view showing `row`, none when that row is out of view.
    StyledTableRowView* rowView(int row) const;
    // The row `view` (a row view or a view inside one) shows; -1 for any other view.
    int rowForView(const tk::View& view) const;
    // Asks for every row view in view again.
    void reloadData();
    // Makes the rows in view exist as views and gives back those out of view.
    void tile();

    void viewDidMoveToSuperview() override;
    bool mouseDown(const tk::Event& event) override;
    bool keyDown(const tk::Event& event) override;
    void frameDidChange(const tk::Rect& oldFrame) override;
    // Clicks on a row select it, unless they land on a button or similar control inside the row.
    tk::View* hitTest(tk::Point pointInSelf) override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    void selectionDidChange(const tk::IndexSet& previous) override;

private:
    tk::Rect visibleRows() const;
    void enqueue(std::shared_ptr<StyledTableRowView> rowView);
    std::shared_ptr<StyledTableRowView> makeRowView(int row);
    void fitHeightToRows();

    std::vector<std::shared_ptr<tk::TableColumn>> columns_;
    CellViewProvider cellViewProvider_;
    RowViewProvider rowViewProvider_;
    std::map<int, std::shared_ptr<StyledTableRowView>> visible_;
    std::map<std::string, std::vector<std::shared_ptr<tk::View>>> pool_;
    tk::Subscription clipScrolls_;
    tk::Color backgroundColor_ = style()->backgroundColor();
    bool makeKeyOnClick_ = true;
    bool allowKeyboardNavigation_ = false;
    bool tiling_ = false;
};

} // namespace Tessaly
