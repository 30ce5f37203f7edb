#include "Tessaly/Foundation/TreeMove.h"

#include <algorithm>
#include <utility>

namespace Tessaly {

bool isSameParent(const TreeItemRef& a, const TreeItemRef& b) {
    if (!a || !b)
        return !a && !b;
    return a == b || a->itemIdentifier() == b->itemIdentifier();
}

TreeMove::TreeMove(TreeItemRef item, TreeItemRef previousParent, long previousIndex, TreeItemRef newParent,
                   long newIndex)
    : item_(std::move(item)), previousParent_(std::move(previousParent)), previousIndex_(previousIndex),
      newParent_(std::move(newParent)), newIndex_(newIndex) {}

TreeMoves adjustedForSequentialApplication(const TreeMoves& moves) {
    TreeMoves adjusted;
    adjusted.reserve(moves.size());
    std::vector<long> applied; // each earlier move's previous index as corrected
    for (const auto& later : moves) {
        long index = later->previousIndex();
        for (std::size_t i = 0; i < applied.size(); ++i) {
            const TreeMove& earlier = *moves[i];
            // Its removal shifts the later item down when it stood before it in the same parent...
            if (isSameParent(earlier.previousParent(), later->previousParent()) && applied[i] < index)
                --index;
            // ...and its insertion shifts it up when it lands at or before it.
            if (isSameParent(earlier.newParent(), later->previousParent()) && earlier.newIndex() <= index)
                ++index;
        }
        applied.push_back(index);
        if (index == later->previousIndex())
            adjusted.push_back(later);
        else
            adjusted.push_back(std::make_shared<const TreeMove>(later->item(), later->previousParent(), index,
                                                                later->newParent(), later->newIndex()));
    }
    return adjusted;
}

TreeMoves inverted(const TreeMoves& moves) {
    TreeMoves undo;
    undo.reserve(moves.size());
    for (auto it = moves.rbegin(); it != moves.rend(); ++it) {
        const TreeMove& move = **it;
        undo.push_back(std::make_shared<const TreeMove>(move.item(), move.newParent(), move.newIndex(),
                                                        move.previousParent(), move.previousIndex()));
    }
    return undo;
}

namespace {

void addOnce(std::vector<TreeItemRef>& parents, const TreeItemRef& parent) {
    if (!parent)
        return;
    if (std::none_of(parents.begin(), parents.end(),
                     [&](const TreeItemRef& p) { return isSameParent(p, parent); }))
        parents.push_back(parent);
}

} // namespace

std::vector<TreeItemRef> allNewParents(const TreeMoves& moves) {
    std::vector<TreeItemRef> parents;
    for (const auto& move : moves)
        addOnce(parents, move->newParent());
    return parents;
}

std::vector<TreeItemRef> allPreviousParents(const TreeMoves& moves) {
    std::vector<TreeItemRef> parents;
    for (const auto& move : moves)
        addOnce(parents, move->previousParent());
    return parents;
}

std::vector<TreeItemRef> allParents(const TreeMoves& moves) {
    std::vector<TreeItemRef> parents;
    for (const auto& move : moves) {
        addOnce(parents, move->previousParent());
        addOnce(parents, move->newParent());
    }
    return parents;
}

bool touchesRoot(const TreeMoves& moves) {
    return std::any_of(moves.begin(), moves.end(),
                       [](const auto& move) { return !move->previousParent() || !move->newParent(); });
}

} // namespace Tessaly
