#include "Tessaly/Controls/LabelledPopUpButtonCell.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Controls/PopUpTitle.h"
#include "platform/tk/graphics/SemanticColors.h"

namespace Tessaly {

void LabelledPopUpButtonCell::setLabel(std::optional<std::string> label) {
    label_ = std::move(label);
    updateControlView(true);
}

tk::AttributedString LabelledPopUpButtonCell::attributedTitle(const std::string& text,
                                                              std::optional<tk::Color> color,
                                                              const std::optional<std::string>& label,
                                                              std::optional<tk::Color> labelColor) const {
    return labelledPopUpTitle(text, color.value_or(cellStyle().textColor()), label, labelColor);
}

tk::AttributedString LabelledPopUpButtonCell::drawnTitle(const std::string& text) const {
    return attributedTitle(text, cellStyle().textColor(controlState()), label_, tk::secondaryLabelColor());
}

void LabelledPopUpButtonCell::drawBezel(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    drawStateBezel(context, cellStyle(), controlState(), frame, isEnabled());
}

} // namespace Tessaly
