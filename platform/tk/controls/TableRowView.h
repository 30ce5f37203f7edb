#pragma once

// TableRowView: the view behind one row of a view-based table (see TableView). It holds the row's
// cell views, knows whether its row is selected, and draws the selection behind them. A row view
// that scrolls out of view goes back to the table's pool; prepareForReuse() readies it for its next
// row.
//
// All members are [main].

#include "platform/tk/view/View.h"

#include <memory>
#include <vector>

namespace tk {

// How a row view draws its selection: none draws nothing.
enum class SelectionHighlightStyle { none = -1, regular = 0 };

class TableRowView : public View {
public:
    // The identifier plain row views are pooled under.
    static constexpr const char* kIdentifier = "TableRowView";

    explicit TableRowView(const Rect& frame = {});

    virtual bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected);
    SelectionHighlightStyle selectionHighlightStyle() const { return highlightStyle_; }
    void setSelectionHighlightStyle(SelectionHighlightStyle style);

    // Shown as a group row (a heading): a subclass may draw it differently.
    bool isGroupRowStyle() const { return groupRowStyle_; }
    void setGroupRowStyle(bool groupRow);

    virtual void prepareForReuse();

    // The cell view of the table's column `column` in this row; none for a hidden column, an
    // empty cell or an index out of range. The table sets them as it fills the row.
    View* viewAtColumn(int column) const;
    void setViewAtColumn(int column, const std::shared_ptr<View>& view);
    // Forgets the row's cell views (they go back to the table's pool).
    void clearColumnViews() { columnViews_.clear(); }

    // Draws the selection (when selected), under the cell views.
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    // The plain selection: the rect filled in the selection colour, nothing with style none.
    virtual void drawSelectionInRect(GraphicsContext& context, const Rect& rect);

private:
    std::vector<std::weak_ptr<View>> columnViews_;
    SelectionHighlightStyle highlightStyle_ = SelectionHighlightStyle::regular;
    bool selected_ = false;
    bool groupRowStyle_ = false;
};

} // namespace tk
