#include "Tessaly/Controls/StyledOutlineView.h"

#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/Controls/StyledTableRowView.h"
#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/ButtonCell.h"
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

std::shared_ptr<tk::View> StyledOutlineView::makeViewWithIdentifier(const std::string& identifier) {
    std::shared_ptr<tk::View> view = tk::OutlineView::makeViewWithIdentifier(identifier);
    if (identifier == kDisclosureButtonKey)
        if (auto* button = dynamic_cast<tk::Button*>(view.get())) {
            if (tk::ButtonCell* cell = button->buttonCell())
                cell->setShowsStateBy(tk::CellMask::contents);
            button->setImage(image(ImageResources::organiserIconDisclose));
            button->setAlternateImage(image(ImageResources::organiserIconDiscloseOpen));
            button->setTag(kDisclosureButtonTag);
        }
    return view;
}

std::shared_ptr<tk::TableRowView> StyledOutlineView::newRowView() {
    auto view = std::dynamic_pointer_cast<StyledTableRowView>(
        makeViewWithIdentifier(StyledTableRowView::identifier()));
    return view ? view : tk::View::make<StyledTableRowView>();
}

void StyledOutlineView::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    // The row views draw the selection, the disclosure buttons the marks.
    context.fillRect(dirtyRect, backgroundColor_);
}

} // namespace Tessaly
