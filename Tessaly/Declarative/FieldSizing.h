#pragma once

// How the declarative text-field wrappers size their field.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Representable.h"

#include <optional>

namespace Tessaly {

// Text fields stretch across the width they are offered and keep their own height. The size is the
// field's alignment rect, as the intrinsic size is; the representable grows the frame by the
// alignment insets around it.
template <class Field> std::optional<tk::Size> fieldSize(Field& field, tk::ui::ProposedSize proposal) {
    const tk::Size intrinsic = field.intrinsicContentSize();
    return tk::Size{proposal.width.value_or(intrinsic.width), intrinsic.height};
}

} // namespace Tessaly
