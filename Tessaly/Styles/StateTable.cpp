#include "Tessaly/Styles/StateTable.h"

#include <algorithm>

namespace Tessaly {

StateTable::StateTable(std::initializer_list<Entry> entries) {
    for (const Entry& entry : entries)
        set(entry.first, entry.second);
}

std::optional<tk::Image> StateTable::image(StyledControlState key) const {
    for (const Entry& entry : entries_)
        if (entry.first == key)
            return entry.second;
    return std::nullopt;
}

bool StateTable::containsKey(StyledControlState key) const {
    return std::any_of(entries_.begin(), entries_.end(), [key](const Entry& e) { return e.first == key; });
}

void StateTable::set(StyledControlState key, tk::Image image) {
    for (Entry& entry : entries_) {
        if (entry.first == key) {
            entry.second = std::move(image);
            return;
        }
    }
    entries_.emplace_back(key, std::move(image));
}

void StateTable::remove(StyledControlState key) {
    std::erase_if(entries_, [key](const Entry& e) { return e.first == key; });
}

std::optional<tk::Image> bestMatchImage(StyledControlState state, const StateTable& table) {
    if (auto exact = table.image(state))
        return exact;
    if (!state.isEmpty()) {
        const StateTable::Entry* best = nullptr;
        int bestScore = -1;
        for (const StateTable::Entry& entry : table) {
            if (!entry.first.isSubset(state))
                continue;
            const int score = entry.first.specificity();
            if (score > bestScore) {
                best = &entry;
                bestScore = score;
            }
        }
        if (best)
            return best->second;
    }
    return table.image(StyledControlState::defaultState);
}

} // namespace Tessaly
