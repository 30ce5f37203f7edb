#pragma once

// StyledTableView: a view-based table drawn in the table style's background whose rows are
// StyledTableRowViews holding the rows' cell views, one for each visible column (only the rows in
// view exist as views, reused by identifier; columns, header and scrolling: see tk::TableView).
//
// A click makes the window key first (makeKeyOnClick); keys go to the superview unless keyboard
// navigation is allowed, so the selection does not move by keys then.
//
// All members are [main].

#include "Tessaly/Controls/StyledTableRowView.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/controls/TableHeaderCell.h"
#include "platform/tk/controls/TableView.h"
#include "platform/tk/graphics/Font.h"

#include <functional>
#include <memory>
#include <vector>

namespace Tessaly {

class StyledTableView : public tk::TableView {
public:
    using ViewStyle = TableViewStyle;
    // A new style on every call.
    static std::shared_ptr<TableViewStyle> style();

    // The view that shows (column, row) inside the row's row view (none: that cell is empty); the
    // column is none for the implicit column of a table without columns.
    using CellViewProvider =
        std::function<std::shared_ptr<tk::View>(StyledTableView&, tk::TableColumn* column, int row)>;
    // For one-column tables: the view that shows `row`, in the first visible column.
    using RowCellViewProvider = std::function<std::shared_ptr<tk::View>(StyledTableView&, int row)>;
    // The row view of `row` (none: a StyledTableRowView by its class identifier).
    using RowViewProvider = std::function<std::shared_ptr<tk::TableRowView>(StyledTableView&, int row)>;

    using tk::TableView::TableView;

    bool makeKeyOnClick() const { return makeKeyOnClick_; }
    void setMakeKeyOnClick(bool make) { makeKeyOnClick_ = make; }
    bool allowKeyboardNavigation() const { return allowKeyboardNavigation_; }
    void setAllowKeyboardNavigation(bool allow) { allowKeyboardNavigation_ = allow; }

    tk::Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(tk::Color color);

    // The index of every column, hidden ones counted: 0 up to, not including, the column count.
    tk::IndexSet columnIndexes() const;
    // Gives every visible column a styled header cell with its old title and image, in the text
    // colour and font, filled with the tint.
    void styleHeaderCells(tk::Color textColor, tk::Color tintColor, const tk::Font& font);

    void setCellViewProvider(CellViewProvider provider);
    void setCellViewProvider(RowCellViewProvider provider);
    void setRowViewProvider(RowViewProvider provider);
    bool isViewBased() const override { return true; }
    // The styled row view showing `row`, none when that row is out of view.
    StyledTableRowView* rowView(int row) const;

    void viewDidMoveToSuperview() override;
    bool mouseDown(const tk::Event& event) override;
    bool keyDown(const tk::Event& event) override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    // While its background colour is opaque: it fills what it draws with it.
    bool isOpaque() const override { return backgroundColor_.a >= 1; }

protected:
    // From the pool under StyledTableRowView::identifier(), or a new one.
    std::shared_ptr<tk::TableRowView> newRowView() override;

private:
    tk::Color backgroundColor_ = style()->backgroundColor();
    bool makeKeyOnClick_ = true;
    bool allowKeyboardNavigation_ = false;
};

} // namespace Tessaly
