#include "Tessaly/Foundation/CollectionEditing.h"
#include "Tessaly/Foundation/TreeMove.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

struct Item : TreeItem {
    explicit Item(std::string i) : id(std::move(i)) {}
    std::string itemIdentifier() const override { return id; }
    std::string id;
};

TreeItemRef item(const std::string& id) {
    return std::make_shared<Item>(id);
}

std::shared_ptr<const TreeMove> mv(const std::string& what, TreeItemRef from, long fromIndex, TreeItemRef to,
                                   long toIndex) {
    return std::make_shared<TreeMove>(item(what), std::move(from), fromIndex, std::move(to), toIndex);
}

std::vector<long> previousIndices(const TreeMoves& moves) {
    std::vector<long> indices;
    for (const auto& m : moves)
        indices.push_back(m->previousIndex());
    return indices;
}

TEST(TreeMoveTest, AdjustedIndicesForTheListedCases) {
    const auto P = item("P"), Q = item("Q"), R = item("R"), X = item("X");
    struct Case {
        const char* name;
        TreeMoves moves;
        std::vector<long> expected;
    };
    const std::vector<Case> cases = {
        {"empty", {}, {}},
        {"single", {mv("a", P, 3, X, 0)}, {3}},
        {"out of one parent, lower first", {mv("a", P, 2, X, 0), mv("b", P, 5, X, 0)}, {2, 4}},
        {"out of one parent, higher first", {mv("a", P, 5, X, 0), mv("b", P, 2, X, 0)}, {5, 2}},
        {"two forward moves inside one parent", {mv("a", P, 2, P, 6), mv("b", P, 4, P, 8)}, {2, 3}},
        {"the root counts as one parent", {mv("a", nullptr, 1, X, 0), mv("b", nullptr, 3, X, 0)}, {1, 2}},
        {"an insertion before a later source raises it", {mv("a", Q, 0, P, 0), mv("b", P, 3, R, 0)}, {0, 4}},
        {"a parent matched by identifier",
         {mv("a", item("P"), 1, X, 0), mv("b", item("P"), 4, X, 0)},
         {1, 3}},
    };
    for (const auto& c : cases) {
        const auto adjusted = adjustedForSequentialApplication(c.moves);
        EXPECT_EQ(previousIndices(adjusted), c.expected) << c.name;
        ASSERT_EQ(adjusted.size(), c.moves.size());
        for (std::size_t i = 0; i < adjusted.size(); ++i) {
            EXPECT_EQ(adjusted[i]->newIndex(), c.moves[i]->newIndex()) << c.name;
            EXPECT_TRUE(isSameParent(adjusted[i]->newParent(), c.moves[i]->newParent())) << c.name;
            if (adjusted[i]->previousIndex() != c.moves[i]->previousIndex()) {
                EXPECT_NE(adjusted[i], c.moves[i]) << "a corrected move is a new object";
            }
        }
    }
}

// A forest of named nodes under the root (""), children in order.
using Forest = std::map<std::string, std::vector<std::string>>;

bool isInside(const Forest& forest, const std::string& node, const std::string& ancestor) {
    if (node == ancestor)
        return true;
    auto it = forest.find(ancestor);
    if (it == forest.end())
        return false;
    return std::any_of(it->second.begin(), it->second.end(),
                       [&](const std::string& child) { return isInside(forest, node, child); });
}

TEST(TreeMoveTest, AdjustedMovesMatchApplyingThemOneByOneToRandomTrees) {
    std::mt19937 random(20261210);
    std::map<std::string, TreeItemRef> items;
    auto ref = [&](const std::string& id) -> TreeItemRef {
        if (id.empty())
            return nullptr;
        auto& r = items[id];
        if (!r)
            r = item(id);
        return r;
    };
    for (int round = 0; round < 300; ++round) {
        // A random tree of 12 nodes.
        Forest original;
        original[""];
        std::vector<std::string> nodes;
        for (int n = 0; n < 12; ++n) {
            const std::string name = "n" + std::to_string(n);
            std::vector<std::string> parents{""};
            parents.insert(parents.end(), nodes.begin(), nodes.end());
            auto& siblings = original[parents[random() % parents.size()]];
            siblings.insert(siblings.begin() + static_cast<long>(random() % (siblings.size() + 1)), name);
            original[name];
            nodes.push_back(name);
        }
        // Up to 6 moves of distinct items, recorded as a list records them: previous places in the
        // original tree, new places as they are made.
        Forest current = original;
        auto locate = [](const Forest& forest, const std::string& node) {
            for (const auto& [parent, children] : forest)
                for (std::size_t i = 0; i < children.size(); ++i)
                    if (children[i] == node)
                        return std::pair{parent, static_cast<long>(i)};
            return std::pair{std::string(), -1L};
        };
        std::shuffle(nodes.begin(), nodes.end(), random);
        TreeMoves moves;
        const int count = 1 + static_cast<int>(random() % 6);
        for (int m = 0; m < count; ++m) {
            const std::string& node = nodes[static_cast<std::size_t>(m)];
            const auto [oldParent, oldIndex] = locate(original, node);
            const auto [parentNow, indexNow] = locate(current, node);
            auto& from = current[parentNow];
            from.erase(from.begin() + indexNow);
            std::vector<std::string> targets;
            for (const auto& [candidate, children] : current)
                if (candidate.empty() || !isInside(current, candidate, node))
                    targets.push_back(candidate);
            const std::string newParent = targets[random() % targets.size()];
            auto& to = current[newParent];
            const long newIndex = static_cast<long>(random() % (to.size() + 1));
            to.insert(to.begin() + newIndex, node);
            moves.push_back(
                std::make_shared<TreeMove>(ref(node), ref(oldParent), oldIndex, ref(newParent), newIndex));
        }
        // Replaying the adjusted list by index alone finds each item where it says and ends in the same tree.
        Forest replay = original;
        for (const auto& move : adjustedForSequentialApplication(moves)) {
            const std::string from = move->previousParent() ? move->previousParent()->itemIdentifier() : "";
            const std::string to = move->newParent() ? move->newParent()->itemIdentifier() : "";
            auto& source = replay[from];
            ASSERT_LT(move->previousIndex(), static_cast<long>(source.size()));
            ASSERT_EQ(source[static_cast<std::size_t>(move->previousIndex())], move->item()->itemIdentifier())
                << "round " << round;
            source.erase(source.begin() + move->previousIndex());
            auto& target = replay[to];
            target.insert(target.begin() + move->newIndex(), move->item()->itemIdentifier());
        }
        EXPECT_EQ(replay, current) << "round " << round;
    }
}

TEST(TreeMoveTest, InversionAndParentSets) {
    const auto P = item("P"), Q = item("Q"), R = item("R");
    const TreeMoves moves = {mv("a", P, 1, Q, 2), mv("b", item("Q"), 0, nullptr, 4), mv("c", R, 3, P, 0)};
    const auto undo = inverted(moves);
    ASSERT_EQ(undo.size(), 3u);
    EXPECT_EQ(undo[0]->item(), moves[2]->item());
    EXPECT_EQ(undo[0]->previousParent(), P);
    EXPECT_EQ(undo[0]->previousIndex(), 0);
    EXPECT_EQ(undo[0]->newParent(), R);
    EXPECT_EQ(undo[0]->newIndex(), 3);
    EXPECT_EQ(undo[2]->item(), moves[0]->item());

    auto ids = [](const std::vector<TreeItemRef>& parents) {
        std::vector<std::string> out;
        for (const auto& p : parents)
            out.push_back(p->itemIdentifier());
        return out;
    };
    EXPECT_EQ(ids(allPreviousParents(moves)), (std::vector<std::string>{"P", "Q", "R"}));
    EXPECT_EQ(ids(allNewParents(moves)), (std::vector<std::string>{"Q", "P"}));
    EXPECT_EQ(ids(allParents(moves)), (std::vector<std::string>{"P", "Q", "R"}));
    EXPECT_TRUE(touchesRoot(moves));
    EXPECT_FALSE(touchesRoot({mv("a", P, 1, Q, 2)}));
    EXPECT_FALSE(touchesRoot({}));
}

TEST(CollectionEditingTest, MoveInsertPrependAndAppend) {
    std::vector<std::string> letters{"a", "b", "c", "d"};
    move(letters, 0, 2);
    EXPECT_EQ(letters, (std::vector<std::string>{"b", "c", "a", "d"}));
    move(letters, 3, 0);
    EXPECT_EQ(letters, (std::vector<std::string>{"d", "b", "c", "a"}));
    EXPECT_THROW(move(letters, 4, 0), std::out_of_range);
    insert(letters, std::vector<std::string>{"x", "y"}, 1);
    prepend(letters, std::string("first"));
    appendIfPresent(letters, std::optional<std::string>("last"));
    appendIfPresent(letters, std::optional<std::string>());
    EXPECT_EQ(letters, (std::vector<std::string>{"first", "d", "x", "y", "b", "c", "a", "last"}));
}

TEST(CollectionEditingTest, RemoveAtIndicesOnceEachAndInAscendingOrder) {
    struct Case {
        std::vector<std::size_t> indices;
        std::string left, removed;
    };
    for (const auto& c : std::vector<Case>{{{1, 3}, "ace", "bd"},
                                           {{3, 1}, "ace", "bd"},
                                           {{1, 1, 3}, "ace", "bd"},
                                           {{}, "abcde", ""},
                                           {{0, 4}, "bcd", "ae"}}) {
        std::string text = "abcde";
        const auto removed = remove(text, c.indices);
        EXPECT_EQ(text, c.left);
        EXPECT_EQ(std::string(removed.begin(), removed.end()), c.removed);
    }
    std::string text = "abc";
    EXPECT_THROW(remove(text, std::vector<int>{1, 5}), std::out_of_range);
    EXPECT_EQ(text, "abc");

    std::vector<int> numbers{1, 2, 1};
    removeFirst(numbers, 1);
    removeFirst(numbers, std::optional<int>());
    removeFirst(numbers, 7);
    EXPECT_EQ(numbers, (std::vector<int>{2, 1}));
}

TEST(CollectionEditingTest, ApplyTurnsTheOldVersionIntoTheNewWhateverTheOrderOfChanges) {
    using Difference = CollectionDifference<char>;
    using Kind = Difference::Change::Kind;
    // "abcdef" -> "xbdyf": removals at 0, 2, 4 of the old, insertions at 0 and 3 of the new, listed
    // in a scrambled order.
    const Difference difference{{{Kind::insert, 3, 'y'},
                                 {Kind::remove, 0, 'a'},
                                 {Kind::insert, 0, 'x'},
                                 {Kind::remove, 4, 'e'},
                                 {Kind::remove, 2, 'c'}}};
    std::string text = "abcdef";
    apply(text, difference);
    EXPECT_EQ(text, "xbdyf");
}

TEST(CollectionEditingTest, ApplyRefusesOffsetsNoPairOfVersionsHasAndChangesNothing) {
    using Difference = CollectionDifference<char>;
    using Kind = Difference::Change::Kind;
    for (const Difference& bad :
         {Difference{{{Kind::remove, 1, 'b'}, {Kind::remove, 1, 'b'}}},
          Difference{{{Kind::insert, 0, 'x'}, {Kind::insert, 0, 'y'}}}, Difference{{{Kind::remove, 3, 'd'}}},
          Difference{{{Kind::remove, 0, 'a'}, {Kind::insert, 3, 'z'}}}}) {
        std::string text = "abc";
        EXPECT_THROW(apply(text, bad), std::out_of_range);
        EXPECT_EQ(text, "abc");
    }
}

} // namespace
} // namespace Tessaly
