#pragma once

// Small operations on ordered collections, by offset from the start. (The element at an index that
// may be out of range is tk::safeAt, SafeIndex.h.)

#include <cstddef>
#include <functional>
#include <iterator>
#include <optional>
#include <ranges>
#include <set>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

namespace Tessaly {

using IndexSet = std::set<std::size_t>;

// Whether 0 <= index < size.
template <std::ranges::sized_range C> bool isValidIndex(const C& collection, long index) {
    return index >= 0 && static_cast<std::size_t>(index) < std::ranges::size(collection);
}

// The valid indices, 0 up to (not including) the size, as lowerBound and upperBound.
struct IndexRange {
    std::size_t lowerBound;
    std::size_t upperBound;
    bool operator==(const IndexRange&) const = default;
};
template <std::ranges::sized_range C> IndexRange indexRange(const C& collection) {
    return {0, std::ranges::size(collection)};
}

// The offsets of the elements for which `predicate` holds, in order (an exception it throws passes on).
template <std::ranges::input_range C, class Predicate>
std::vector<std::size_t> offsets(const C& collection, Predicate&& predicate) {
    std::vector<std::size_t> found;
    std::size_t offset = 0;
    for (const auto& element : collection) {
        if (std::invoke(predicate, element))
            found.push_back(offset);
        ++offset;
    }
    return found;
}

// The elements at `offsets`, in ascending offset order; an offset out of range throws std::out_of_range.
template <std::ranges::random_access_range C>
std::vector<std::ranges::range_value_t<C>> elements(const C& collection, const IndexSet& offsets) {
    std::vector<std::ranges::range_value_t<C>> picked;
    picked.reserve(offsets.size());
    for (std::size_t offset : offsets) {
        if (offset >= std::ranges::size(collection))
            throw std::out_of_range("elements: offset out of range");
        picked.push_back(std::ranges::begin(collection)[static_cast<std::ptrdiff_t>(offset)]);
    }
    return picked;
}

// Moves the elements at `offsets` so that they stand, in their old order, before the element that
// stood at `destination` (at the end when `destination` is the size).
template <class T> void move(std::vector<T>& array, const IndexSet& offsets, std::size_t destination) {
    if (destination > array.size() || (!offsets.empty() && *offsets.rbegin() >= array.size()))
        throw std::out_of_range("move: offset out of range");
    std::vector<T> moving, before, after;
    for (std::size_t i = 0; i < array.size(); ++i) {
        if (offsets.contains(i))
            moving.push_back(std::move(array[i]));
        else if (i < destination)
            before.push_back(std::move(array[i]));
        else
            after.push_back(std::move(array[i]));
    }
    array.clear();
    for (auto* part : {&before, &moving, &after})
        for (auto& element : *part)
            array.push_back(std::move(element));
}

// The present values of `property` (a member, member function or callable giving an optional or a
// pointer), in order.
template <std::ranges::input_range C, class Property>
auto compactMap(const C& collection, Property&& property) {
    using Result = std::remove_cvref_t<std::invoke_result_t<Property&, const std::ranges::range_value_t<C>&>>;
    using Value = std::remove_cvref_t<decltype(*std::declval<Result>())>;
    std::vector<Value> present;
    for (const auto& element : collection)
        if (const auto& value = std::invoke(property, element))
            present.push_back(*value);
    return present;
}

} // namespace Tessaly
