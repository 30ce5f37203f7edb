#include "Tessaly/Controls/PopUpTitle.h"

#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

tk::AttributedString labelledPopUpTitle(const std::string& text, const tk::Color& color,
                                        const std::optional<std::string>& label,
                                        std::optional<tk::Color> labelColor) {
    tk::TextAttributes base;
    base.font = Styles::BaseStyles::regular10();
    base.color = color;
    base.alignment = tk::TextAlignment::leading;
    base.truncation = tk::TruncationMode::tail;
    if (!label || !labelColor)
        return tk::AttributedString(text, base);
    tk::TextAttributes labelAttributes = base;
    labelAttributes.color = *labelColor;
    tk::TextAttributes value = base;
    value.font = Styles::BaseStyles::medium10();
    tk::AttributedString result(*label, labelAttributes);
    result.append(" " + text, value);
    return result;
}

} // namespace Tessaly
