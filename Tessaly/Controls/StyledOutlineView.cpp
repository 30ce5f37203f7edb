#include "Tessaly/Controls/StyledOutlineView.h"

#include "Tessaly/Controls/StyledTableRowView.h"
#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/ScrollView.h"

namespace Tessaly {

std::shared_ptr<OutlineViewStyle> StyledOutlineView::style() {
    return std::make_shared<OutlineViewStyle>();
}

void StyledOutlineView::setEnabled(bool enabled) {
    enabled_ = enabled;
    setNeedsDisplay();
}

void StyledOutlineView::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    setNeedsDisplay();
}

StyledControlState StyledOutlineView::controlState() const {
    StyledControlState state = StyledControlState::defaultState;
    if (!enabled_)
        state = state | StyledControlState::disabled;
    if (highlighted_) // whether enabled or not
        state = state | StyledControlState::highlighted;
    return state;
}

void StyledOutlineView::expandItemWithoutAnimation(const Item& item) {
    if (item && !isItemExpanded(item) && isExpandable(item))
        expandItem(item, false);
}

void StyledOutlineView::viewDidMoveToSuperview() {
    tk::OutlineView::viewDidMoveToSuperview();
    // Here and not before the move: only now is the enclosing scroll view known.
    backgroundColor_ = style()->backgroundColor();
    if (tk::ScrollView* scroll = tk::enclosingScrollView(*this))
        scroll->setBackgroundColor(backgroundColor_);
    setNeedsDisplay();
}

std::shared_ptr<tk::Menu> StyledOutlineView::menuForEvent(const tk::Event& event) {
    // Below the last row there is no row (-1) and so no item.
    const Item clicked = item(rowAt(locationOf(event).y));
    if (!clicked)
        return nullptr;
    auto delegate = delegate_.lock();
    return delegate ? delegate->menuForItem(*this, clicked) : nullptr;
}

void StyledOutlineView::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    context.fillRect(dirtyRect, backgroundColor_);
    const tk::Color band = style()->selectedRowBackgroundColor();
    for (int row : selectedRowIndexes())
        if (rectOfRow(row).intersects(dirtyRect))
            fillSelectionBand(context, rectOfRow(row), kSelectionHorizontalInset, kSelectionCornerRadius,
                              isRowSelected(row - 1), isRowSelected(row + 1), band);
    const tk::Image closed = image(ImageResources::organiserIconDisclose);
    const tk::Image open = image(ImageResources::organiserIconDiscloseOpen);
    const int first = std::max(0, rowAt(dirtyRect.minY()));
    for (int row = first; row < numberOfRows(); ++row) {
        const tk::Rect r = rectOfRow(row);
        if (r.minY() > dirtyRect.maxY())
            break;
        const Item shown = item(row);
        if (!isExpandable(shown))
            continue;
        const tk::Image& mark = isItemExpanded(shown) ? open : closed;
        const tk::Size size = mark.size();
        context.drawImage(mark, tk::Rect{kSelectionHorizontalInset + 4 + level(row) * 14.0,
                                         r.midY() - size.height / 2, size.width, size.height});
    }
}

} // namespace Tessaly
