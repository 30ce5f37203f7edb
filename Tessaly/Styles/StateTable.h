#pragma once

// A table of images keyed by control state, as every style holds its bezel, button, bar and knob
// pictures. It keeps its entries in the order they were first added, so looking through it gives
// the same order on every run (the best-match lookup breaks ties by that order).

#include "Tessaly/Styles/StyledControlState.h"

#include "platform/tk/graphics/Image.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace Tessaly {

class StateTable {
public:
    using Entry = std::pair<StyledControlState, tk::Image>;

    StateTable() = default;
    // Entries in the order given; a key given twice keeps its first place and its last image.
    StateTable(std::initializer_list<Entry> entries);

    bool isEmpty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

    // The image stored under exactly `key`, or none.
    std::optional<tk::Image> image(StyledControlState key) const;
    bool containsKey(StyledControlState key) const;
    // Stores `image` under `key`: a new key goes last, a known key keeps its place.
    void set(StyledControlState key, tk::Image image);
    void remove(StyledControlState key);

    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

private:
    std::vector<Entry> entries_;
};

// [any] The image of `table` for a control in `state`:
//   1. the entry whose key is exactly `state`;
//   2. else, among the keys that are subsets of `state`, the one holding most non-default flags
//      (the first in table order wins a tie; the default bit does not count) - skipped for the
//      empty state;
//   3. else the entry under default; else none.
std::optional<tk::Image> bestMatchImage(StyledControlState state, const StateTable& table);

} // namespace Tessaly
