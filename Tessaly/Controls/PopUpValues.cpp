#include "Tessaly/Controls/PopUpValues.h"

#include <limits>

namespace Tessaly {

std::optional<std::int64_t> detail::representedInteger(const std::any& object) {
    if (const auto* v = std::any_cast<std::int64_t>(&object))
        return *v;
    if (const auto* v = std::any_cast<std::uint64_t>(&object))
        if (*v <= std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            return std::int64_t(*v);
    if (const auto* v = std::any_cast<int>(&object))
        return *v;
    return std::nullopt;
}

} // namespace Tessaly
