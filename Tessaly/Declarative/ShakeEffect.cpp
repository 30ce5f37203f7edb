#include "Tessaly/Declarative/ShakeEffect.h"

#include <cmath>
#include <numbers>

namespace Tessaly {

tk::AffineTransform ShakeEffect::effectValue(tk::Size) const {
    return tk::AffineTransform::translation(amount * std::sin(animatableData * std::numbers::pi * shakes), 0);
}

tk::ui::Node shake(tk::ui::Node content, const ShakeEffect& effect) {
    const auto transform = effect.effectValue();
    return content.offset(transform.tx, transform.ty);
}

} // namespace Tessaly
