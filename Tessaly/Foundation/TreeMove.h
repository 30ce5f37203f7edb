#pragma once

// Moves of items in a tree (an outline's rows): the record of one move, and what a list of them
// needs for undo and for being applied one after another.
//
// Indices: a list of moves records each item's previous index as it was before the whole list, and
// each new index under the new parent after that move's removal (as move(from, to) of
// CollectionEditing.h). adjustedForSequentialApplication() turns the previous indices into the ones
// met when the moves are applied in order. A list that moves one item twice is outside that rule.

#include <memory>
#include <string>
#include <vector>

namespace Tessaly {

// An item of a tree, identified by a string. Two parents are the same parent when both are absent
// (the root) or both are present with equal identifiers.
class TreeItem {
public:
    virtual ~TreeItem() = default;
    virtual std::string itemIdentifier() const = 0;
};

using TreeItemRef = std::shared_ptr<const TreeItem>; // null is the root

bool isSameParent(const TreeItemRef& a, const TreeItemRef& b);

class TreeMove {
public:
    TreeMove(TreeItemRef item, TreeItemRef previousParent, long previousIndex, TreeItemRef newParent,
             long newIndex);

    const TreeItemRef& item() const { return item_; }
    const TreeItemRef& previousParent() const { return previousParent_; }
    long previousIndex() const { return previousIndex_; }
    const TreeItemRef& newParent() const { return newParent_; }
    long newIndex() const { return newIndex_; }

private:
    TreeItemRef item_;
    TreeItemRef previousParent_;
    long previousIndex_;
    TreeItemRef newParent_;
    long newIndex_;
};

using TreeMoves = std::vector<std::shared_ptr<const TreeMove>>;

// The same moves in the same order, each previous index corrected for the moves before it: an
// earlier move out of the same parent from a lower index lowers it by one, and an earlier move into
// that parent at an index at or below it raises it by one. Corrected moves are new objects.
TreeMoves adjustedForSequentialApplication(const TreeMoves& moves);
// The undo of the list: the moves in reverse order, each with its previous and new parent and index
// swapped.
TreeMoves inverted(const TreeMoves& moves);
// The present parents of that side, each once (by identifier), in first-seen order.
std::vector<TreeItemRef> allNewParents(const TreeMoves& moves);
std::vector<TreeItemRef> allPreviousParents(const TreeMoves& moves);
// For each move its previous then its new parent, present ones only, each once, in first-seen order.
std::vector<TreeItemRef> allParents(const TreeMoves& moves);
// Whether some move starts or ends at the root.
bool touchesRoot(const TreeMoves& moves);

} // namespace Tessaly
