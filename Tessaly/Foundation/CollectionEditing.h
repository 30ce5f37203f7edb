#pragma once

// Editing an ordered collection in place (std::vector, std::deque, std::list, std::string - anything
// with insert and erase at iterators). Indices are positions from the start; one out of range
// throws std::out_of_range and leaves the collection as it was.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <optional>
#include <ranges>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

namespace Tessaly {

namespace detail {

template <class C> auto iteratorAt(C& collection, std::size_t index, std::size_t limit) {
    if (index > limit)
        throw std::out_of_range("index out of range");
    return std::next(collection.begin(), static_cast<std::ptrdiff_t>(index));
}

} // namespace detail

// Appends the element when there is one.
template <class C, class T> void appendIfPresent(C& collection, const std::optional<T>& element) {
    if (element)
        collection.insert(collection.end(), *element);
}

// Inserts the element at the start.
template <class C, class T> void prepend(C& collection, T&& element) {
    collection.insert(collection.begin(), std::forward<T>(element));
}

// Removes the element at `from` and inserts it at `to`, an index into the collection after the
// removal: move(a b c d, 0, 2) gives b c a d.
template <class C> void move(C& collection, std::size_t from, std::size_t to) {
    const std::size_t size = std::ranges::size(collection);
    if (from >= size || to >= size)
        throw std::out_of_range("move: index out of range");
    auto source = detail::iteratorAt(collection, from, size);
    auto element = std::move(*source);
    collection.erase(source);
    collection.insert(detail::iteratorAt(collection, to, size - 1), std::move(element));
}

// Inserts `elements`, in order, at `index`.
template <class C, class Elements> void insert(C& collection, const Elements& elements, std::size_t index) {
    auto at = detail::iteratorAt(collection, index, std::ranges::size(collection));
    collection.insert(at, std::ranges::begin(elements), std::ranges::end(elements));
}

// Removes the elements at `indices` (an index given twice is removed once), from the highest index
// down so that no removal shifts another; returns them in ascending index order.
template <class C, class Indices>
auto remove(C& collection, const Indices& indices) -> std::vector<std::ranges::range_value_t<C>>
requires std::integral<std::ranges::range_value_t<Indices>> {
    const std::set<std::size_t> unique(std::ranges::begin(indices), std::ranges::end(indices));
    const std::size_t size = std::ranges::size(collection);
    if (!unique.empty() && *unique.rbegin() >= size)
        throw std::out_of_range("remove: index out of range");
    std::vector<std::ranges::range_value_t<C>> removed;
    removed.reserve(unique.size());
    for (auto index = unique.rbegin(); index != unique.rend(); ++index) {
        auto at = detail::iteratorAt(collection, *index, size);
        removed.push_back(std::move(*at));
        collection.erase(at);
    }
    std::reverse(removed.begin(), removed.end());
    return removed;
}

// Removes the first element equal to `element`, if any.
template <class C, class T> void removeFirst(C& collection, const T& element) {
    auto found = std::find(collection.begin(), collection.end(), element);
    if (found != collection.end())
        collection.erase(found);
}
template <class C, class T> void removeFirst(C& collection, const std::optional<T>& element) {
    if (element)
        removeFirst(collection, *element);
}

// A difference between two versions of a collection: removals at offsets into the old version,
// insertions at offsets into the new one.
template <class T> struct CollectionDifference {
    struct Change {
        enum class Kind { remove, insert };
        Kind kind;
        std::size_t offset;
        T element;
    };
    std::vector<Change> changes;
};

// Turns the old version into the new one: the removals from the highest offset down (so none
// shifts another), then the insertions from the lowest offset up (each lands where the new version
// has it). A difference that names an offset twice for the same kind of change describes no pair of
// versions; like an offset out of range it throws std::out_of_range and changes nothing.
template <class C, class T> void apply(C& collection, const CollectionDifference<T>& difference) {
    using Change = typename CollectionDifference<T>::Change;
    std::vector<const Change*> removals, insertions;
    for (const auto& change : difference.changes)
        (change.kind == Change::Kind::remove ? removals : insertions).push_back(&change);
    std::ranges::sort(removals, std::greater<>{}, &Change::offset);
    std::ranges::sort(insertions, std::less<>{}, &Change::offset);
    const auto sameOffset = [](const Change* a, const Change* b) { return a->offset == b->offset; };
    if (std::ranges::adjacent_find(removals, sameOffset) != removals.end() ||
        std::ranges::adjacent_find(insertions, sameOffset) != insertions.end())
        throw std::out_of_range("apply: an offset is named twice");
    C result = collection; // all or nothing
    for (const Change* change : removals) {
        if (change->offset >= std::ranges::size(result))
            throw std::out_of_range("apply: removal offset out of range");
        result.erase(detail::iteratorAt(result, change->offset, std::ranges::size(result)));
    }
    for (const Change* change : insertions)
        result.insert(detail::iteratorAt(result, change->offset, std::ranges::size(result)), change->element);
    collection = std::move(result);
}

} // namespace Tessaly
