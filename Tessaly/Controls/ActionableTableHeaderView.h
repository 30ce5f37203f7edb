#pragma once

// Table headers with the library's look, and one with two buttons at its right end.
//
// StyledTableHeaderView: a header view whose class-level style (a TableViewStyle) is made on first
// use and can be replaced; the style's header colour fills the header behind its cells.
//
// ActionableTableHeaderView: an add-item button ("properties-table-add") and an option button
// ("properties-tableheader-overflow") pinned to the visible right end of the header, the option
// button 2 points in from it and the add button touching the option button's left side; a hidden
// button takes no width. When the table sits in a scroll view whose vertical scroller covers part
// of the header, the buttons move left by the part covered (scrollerOverlap, never positive). As a
// table's header view inside the table's scroll view the header is as wide as the table's columns
// and scrolls sideways with them; the same rule then keeps the buttons at the visible right end.
// Setting the table turns on its clip view's bounds and frame notifications; each notification of
// that clip view (a scroll, a resize) asks the header for a new layout, which re-places the
// buttons. Notifications of other clip views leave the header alone. The buttons' targets and
// actions are the owner's to set.
//
// All members are [main].

#include "Tessaly/Resources/AssetNames.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/base/Subscription.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/TableHeaderView.h"

#include <memory>
#include <vector>

namespace Tessaly {

class StyledTableHeaderView : public tk::TableHeaderView {
public:
    using ViewStyle = TableViewStyle;
    static std::shared_ptr<TableViewStyle> style();
    static void setStyle(std::shared_ptr<TableViewStyle> style);

    using tk::TableHeaderView::TableHeaderView;

    // The style's header colour behind the columns (and past the last one), then the cells.
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    // While the style's header background is opaque: it fills the bounds with it.
    bool isOpaque() const override;
};

class ActionableTableHeaderView : public StyledTableHeaderView {
public:
    using StyledTableHeaderView::StyledTableHeaderView;

    tk::Button& addItemButton() const { return *addItemButton_; }
    tk::Button& optionButton() const { return *optionButton_; }

    virtual void hideAddItemButton();
    virtual void hideOptionButton();
    virtual void subscribeToClipViewChanges();
    virtual tk::Rect addItemButtonFrame() const;
    virtual tk::Rect optionButtonFrame() const;
    // How far the table's vertical scroller reaches under the header's right end (0 or less).
    virtual double scrollerOverlap() const;

    void setTableView(tk::View* table) override;
    void layout() override;

protected:
    void setup() override;

private:
    static std::shared_ptr<tk::Button> makeButton(ImageResource image, ImageResource alternate);
    // The table's clip view, when the table sits in a scroll view.
    tk::View* tableClipView() const;

    std::shared_ptr<tk::Button> addItemButton_;
    std::shared_ptr<tk::Button> optionButton_;
    std::vector<tk::Subscription> cancellables_;
};

} // namespace Tessaly
