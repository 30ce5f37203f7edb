#include "Tessaly/Declarative/Backport.h"

#include <optional>

namespace Tessaly {

tk::ui::Node Backport::fixedWidth(double width) const {
    return content.frame(width, std::nullopt, tk::ui::Alignment::center());
}

tk::ui::Node Backport::coloredBackground(const tk::Color& color) const {
    return content.background(tk::ui::Rectangle().fill(color).scaleEffect(1.5), tk::ui::Alignment::center());
}

} // namespace Tessaly
