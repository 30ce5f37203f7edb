#pragma once

// TableRowView: the view behind one row of a view-based table (see TableView). It holds the row's
// cell views, knows whether its row is selected, and draws the selection behind them. A row view
// that scrolls out of view goes back to the table's pool; prepareForReuse() readies it for its next
// row.
//
// All members are [main].

#include "platform/tk/view/View.h"

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

    // Draws the selection (when selected), under the cell views.
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    // The plain selection: the rect filled in the selection colour, nothing with style none.
    virtual void drawSelectionInRect(GraphicsContext& context, const Rect& rect);

private:
    SelectionHighlightStyle highlightStyle_ = SelectionHighlightStyle::regular;
    bool selected_ = false;
    bool groupRowStyle_ = false;
};

} // namespace tk
