#include "Tessaly/Styles/SegmentedCellStyle.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

SegmentedCellStyle::SegmentedCellStyle() {
    using S = StyledControlState;
    setFont(Styles::PropertiesTab::font());
    setTextColor(Styles::PropertiesTab::textColor());
    setSelectedTextColor(Styles::PropertiesTab::selectedTextColor());
    setHighlightedTextColor(Styles::PropertiesTab::highlightedTextColor());
    setBackgroundColor(tk::Color::clear());
    setBezelImages({
        {S::defaultState, image(ImageResources::tuiWindowTab)},
        {S::selected, image(ImageResources::tuiWindowTabSelected)},
        {S::highlighted, image(ImageResources::tuiWindowTabDown)},
    });
}

} // namespace Tessaly
