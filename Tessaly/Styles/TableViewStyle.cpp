#include "Tessaly/Styles/TableViewStyle.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

TableViewStyle::TableViewStyle()
    : rowBackgroundColor_(Styles::TableView::rowBackgroundColor()),
      selectedRowBackgroundColor_(color(ColorResources::highlightSystem)),
      headerBackgroundColor_(Styles::TableHeader::headerBackgroundColor()) {
    setBackgroundColor(rowBackgroundColor_);
    setTextColor(Styles::TableRow::textColor());
    setSelectedTextColor(Styles::TableRow::selectedTextColor());
}

tk::Color TableViewStyle::rowBackgroundColor(StyledControlState state) const {
    if (state.contains(StyledControlState::selected))
        return selectedRowBackgroundColor();
    return rowBackgroundColor();
}

} // namespace Tessaly
