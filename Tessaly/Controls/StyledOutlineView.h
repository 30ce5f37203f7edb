#pragma once

// StyledOutlineView: a view-based outline in the outline style's background whose rows are
// StyledTableRowViews (the styled table's inset rounded selection band) and whose disclosure
// buttons show the library's closed and open disclosure images, tagged kDisclosureButtonTag so the
// row's cell view finds them. Its context menu is asked of its delegate for the item under the
// click; items expand at once.
//
// All members are [main].

#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/controls/OutlineView.h"

#include <memory>
#include <string>

namespace Tessaly {

class StyledOutlineView;

class StyledOutlineViewDelegate {
public:
    virtual ~StyledOutlineViewDelegate() = default;
    // The menu for `item` (never null), or none.
    virtual std::shared_ptr<tk::Menu> menuForItem(StyledOutlineView& outline,
                                                  const tk::OutlineView::Item& item) = 0;
};

class StyledOutlineView : public tk::OutlineView {
public:
    using ViewStyle = OutlineViewStyle;
    // A new style on every call.
    static std::shared_ptr<OutlineViewStyle> style();
    using tk::OutlineView::OutlineView;

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);
    // Default, plus disabled when not enabled, plus highlighted when highlighted.
    StyledControlState controlState() const;

    tk::Color backgroundColor() const { return backgroundColor_; }

    // Not owned.
    void setDelegate(std::weak_ptr<StyledOutlineViewDelegate> delegate) { delegate_ = std::move(delegate); }
    // Shows the children of a closed expandable item, with no animation; anything else is left.
    void expandItemWithoutAnimation(const Item& item);

    bool isViewBased() const override { return true; }
    // The platform's view; a disclosure button also gets the library's images, shows its state by
    // its image, and is tagged kDisclosureButtonTag.
    std::shared_ptr<tk::View> makeViewWithIdentifier(const std::string& identifier) override;
    tk::Rect frameOfOutlineCellAtRow(int row) const override {
        return tk::OutlineView::frameOfOutlineCellAtRow(row);
    }

    void viewDidMoveToSuperview() override;
    std::shared_ptr<tk::Menu> menuForEvent(const tk::Event& event) override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    // While its background colour is opaque: it fills what it draws with it.
    bool isOpaque() const override { return backgroundColor_.a >= 1; }

protected:
    // From the pool under StyledTableRowView::identifier(), or a new one.
    std::shared_ptr<tk::TableRowView> newRowView() override;

private:
    std::weak_ptr<StyledOutlineViewDelegate> delegate_;
    tk::Color backgroundColor_ = style()->backgroundColor();
    bool enabled_ = true;
    bool highlighted_ = false;
};

} // namespace Tessaly
