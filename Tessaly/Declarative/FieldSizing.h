#pragma once

// How the declarative text-field wrappers size their field.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Representable.h"

#include <optional>

namespace Tessaly {

// Text fields stretch across the width they are offered and keep their own height: the intrinsic
// height is the alignment rect's, the frame adds the alignment insets around it.
template <class Field> std::optional<tk::Size> fieldSize(Field& field, tk::ui::ProposedSize proposal) {
    const tk::Size intrinsic = field.intrinsicContentSize();
    const tk::EdgeInsets insets = field.alignmentRectInsets();
    return tk::Size{proposal.width.value_or(intrinsic.width + insets.left + insets.right),
                    intrinsic.height + insets.top + insets.bottom};
}

} // namespace Tessaly
