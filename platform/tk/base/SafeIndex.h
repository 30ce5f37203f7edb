#pragma once

#include <concepts>
#include <cstddef>
#include <iterator>
#include <optional>
#include <ranges>
#include <type_traits>

// safeAt(collection, index): the element at an index when the collection has that index, else
// nothing - for indices that come from outside (a value, a row number) and may be out of range.

namespace tk {

template <std::ranges::random_access_range Collection, std::integral Index>
auto safeAt(const Collection& collection, Index index)
    -> std::optional<std::ranges::range_value_t<Collection>> {
    if constexpr (std::is_signed_v<Index>)
        if (index < 0)
            return std::nullopt;
    const auto size = static_cast<std::size_t>(std::ranges::size(collection));
    const auto position = static_cast<std::size_t>(index);
    if (position >= size)
        return std::nullopt;
    return std::optional<std::ranges::range_value_t<Collection>>(
        std::in_place,
        std::ranges::begin(collection)[static_cast<std::ranges::range_difference_t<Collection>>(position)]);
}

} // namespace tk
