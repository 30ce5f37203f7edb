#pragma once

// The elements of a sequence of shared pointers that are of type T, in order.

#include <memory>
#include <vector>

namespace Tessaly {

template <class T, class Range> std::vector<std::shared_ptr<T>> compactMapAs(const Range& range) {
    std::vector<std::shared_ptr<T>> out;
    for (const auto& element : range)
        if (auto cast = std::dynamic_pointer_cast<T>(element))
            out.push_back(std::move(cast));
    return out;
}

} // namespace Tessaly
