#pragma once

// StyledOutlineView: an outline in the outline style's background, its selection drawn as the
// styled table's inset rounded band and its disclosure marks as the library's closed and open
// disclosure images. Its context menu is asked of its delegate for the item under the click;
// items expand at once.
//
// All members are [main].

#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/view/TableView.h"

#include <memory>

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
    static constexpr double kSelectionHorizontalInset = 8;
    static constexpr double kSelectionCornerRadius = 3;

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

    void viewDidMoveToSuperview() override;
    std::shared_ptr<tk::Menu> menuForEvent(const tk::Event& event) override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

private:
    std::weak_ptr<StyledOutlineViewDelegate> delegate_;
    tk::Color backgroundColor_ = style()->backgroundColor();
    bool enabled_ = true;
    bool highlighted_ = false;
};

} // namespace Tessaly
