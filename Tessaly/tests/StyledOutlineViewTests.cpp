// Styled outlines: items expanded at once, the state from enabled and highlighted, the context
// menu asked of the delegate for the clicked item, the scroll view's background.

#include "Tessaly/Controls/StyledOutlineView.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/Event.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/ScrollView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Tessaly {
namespace {

using Item = tk::OutlineView::Item;

// Pattern folders:  Drums (Kick, Snare), Bass (Root), Lead
struct Folder {
    std::string name;
    std::vector<std::shared_ptr<Folder>> children;
};
std::shared_ptr<Folder> folder(std::string name, std::vector<std::shared_ptr<Folder>> children = {}) {
    return std::make_shared<Folder>(Folder{std::move(name), std::move(children)});
}

struct Tree : tk::OutlineView::DataSource {
    std::vector<std::shared_ptr<Folder>> roots{folder("Drums", {folder("Kick"), folder("Snare")}),
                                               folder("Bass", {folder("Root")}), folder("Lead")};
    int numberOfChildren(const Item& item) override {
        return int(item ? static_cast<Folder*>(item.get())->children.size() : roots.size());
    }
    Item child(int index, const Item& item) override {
        return item ? static_cast<Folder*>(item.get())->children[std::size_t(index)]
                    : roots[std::size_t(index)];
    }
    bool isItemExpandable(const Item& item) override {
        return !static_cast<Folder*>(item.get())->children.empty();
    }
};

struct MenuPerItem : StyledOutlineViewDelegate {
    std::vector<std::string> askedFor;
    std::shared_ptr<tk::Menu> menuForItem(StyledOutlineView&, const Item& item) override {
        askedFor.push_back(static_cast<Folder*>(item.get())->name);
        return std::make_shared<tk::Menu>(askedFor.back());
    }
};

struct OutlineFixture {
    tk::TestMainLoop loop;
    bool bundles = (testing::useBuiltBundles(), true);
    std::shared_ptr<Tree> tree = std::make_shared<Tree>();
    std::shared_ptr<StyledOutlineView> outline = tk::View::make<StyledOutlineView>(tk::Rect{0, 0, 200, 200});
    OutlineFixture() { outline->setDataSource(tree); }
};

TEST(StyledOutlineView, ExpandsOnlyAClosedExpandableItem) {
    OutlineFixture f;
    const Item drums = f.tree->roots[0], lead = f.tree->roots[2];
    f.outline->expandItemWithoutAnimation(drums);
    EXPECT_TRUE(f.outline->isItemExpanded(drums));
    EXPECT_EQ(f.outline->numberOfRows(), 5);
    f.outline->expandItemWithoutAnimation(drums);
    EXPECT_EQ(f.outline->numberOfRows(), 5) << "already open";
    f.outline->expandItemWithoutAnimation(lead);
    EXPECT_FALSE(f.outline->isItemExpanded(lead)) << "nothing to open";
    f.outline->expandItemWithoutAnimation(nullptr);
    EXPECT_EQ(f.outline->numberOfRows(), 5);
}

TEST(StyledOutlineView, StateAddsDisabledAndHighlighted) {
    OutlineFixture f;
    struct Case {
        bool enabled, highlighted;
        int state;
    };
    for (const Case c :
         {Case{true, false, 1}, Case{false, false, 3}, Case{true, true, 9}, Case{false, true, 11}}) {
        f.outline->setEnabled(c.enabled);
        f.outline->setHighlighted(c.highlighted);
        EXPECT_EQ(f.outline->controlState(), StyledControlState(c.state)) << c.enabled << c.highlighted;
    }
}

TEST(StyledOutlineView, TheDelegateGivesTheMenuOfTheClickedItemAndNoneBelowTheRows) {
    OutlineFixture f;
    auto delegate = std::make_shared<MenuPerItem>();
    const auto at = [&](double y) {
        tk::Event event;
        event.button = tk::MouseButton::right;
        event.locationInWindow = {50, y}; // the outline has no window: its own coordinates
        return f.outline->menuForEvent(event);
    };
    EXPECT_EQ(at(30), nullptr) << "no delegate";
    f.outline->setDelegate(delegate);
    auto menu = at(30);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Bass");
    EXPECT_EQ(at(150), nullptr) << "below the last row";
    EXPECT_EQ(delegate->askedFor, std::vector<std::string>{"Bass"});
}

TEST(StyledOutlineView, TheEnclosingScrollViewTakesTheBackgroundButNotItsDrawing) {
    OutlineFixture f;
    auto scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 200, 200});
    scroll->setDocumentView(f.outline);
    EXPECT_EQ(scroll->backgroundColor(), StyledOutlineView::style()->backgroundColor());
    EXPECT_FALSE(scroll->drawsBackground());
}

} // namespace
} // namespace Tessaly
