#include "Tessaly/Styles/BaseStyle.h"

namespace Tessaly {

std::optional<tk::Image> BaseStyle::bestMatchImage(StyledControlState state, const StateTable& table) const {
    return Tessaly::bestMatchImage(state, table);
}

} // namespace Tessaly
