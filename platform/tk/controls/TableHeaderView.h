#pragma once

// TableHeaderView: the strip above a table that shows its columns' header cells side by side,
// each as wide as its column (hidden columns take no room), from the left edge. The table it
// heads is any view (set by the table's owner); the columns are shared with that table.
//
// All members are [main].

#include "platform/tk/controls/TableHeaderCell.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <vector>

namespace tk {

class TableHeaderView : public View {
public:
    static constexpr double kDefaultHeight = 24;

    using View::View;

    View* tableView() const { return tableView_.lock().get(); }
    virtual void setTableView(View* table);

    const std::vector<std::shared_ptr<TableColumn>>& columns() const { return columns_; }
    void setColumns(std::vector<std::shared_ptr<TableColumn>> columns);
    // The header rect of a visible column (zero for a hidden one or an index out of range).
    Rect headerRectOfColumn(int index) const;

    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

private:
    std::weak_ptr<View> tableView_;
    std::vector<std::shared_ptr<TableColumn>> columns_;
};

} // namespace tk
