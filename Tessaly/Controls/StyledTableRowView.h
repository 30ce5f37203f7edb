#pragma once

// StyledTableRowView: the view behind one row of a StyledTableView. A selected row draws an
// inset, rounded band in the table style's selected-row colour; a run of selected rows draws as
// one band, rounded only at the run's two ends (each row looks at its neighbours in the table's
// selection). Its selection is handed two levels down through its Selectable subviews (cell views,
// then their labels), also to a view added while the row is selected.
//
// All members are [main].

#include "Tessaly/Controls/SelectionBand.h"
#include "Tessaly/Protocols/Selectable.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/controls/TableRowView.h"

#include <memory>
#include <string>

namespace Tessaly {

using tk::SelectionHighlightStyle;

class StyledTableRowView : public tk::TableRowView, public Selectable {
public:
    using ViewStyle = TableViewStyle;
    // The identifier row views are made and reused by; it may be reassigned.
    static std::string& identifier();
    // A new style on every call.
    static std::shared_ptr<TableViewStyle> style();

    explicit StyledTableRowView(const tk::Rect& frame = {});

    double selectionHorizontalInset() const { return selectionHorizontalInset_; }
    void setSelectionHorizontalInset(double inset);
    double selectionCornerRadius() const { return selectionCornerRadius_; }
    void setSelectionCornerRadius(double radius);

    // The row view's own selected flag.
    bool isSelected() const override { return tk::TableRowView::isSelected(); }
    void setSelected(bool selected) override;
    StyledControlState controlState() const;

    // With highlight style none, or outside a table, the plain selection.
    void drawSelectionInRect(tk::GraphicsContext& context, const tk::Rect& rect) override;
    void didAddSubview(tk::View& subview) override;

private:
    double selectionHorizontalInset_ = 8;
    double selectionCornerRadius_ = 3;
    SelectionBandEnds bandEnds_;
};

} // namespace Tessaly
