// Styled outlines: items expanded at once, the state from enabled and highlighted, the context
// menu asked of the delegate for the clicked item, the scroll view's background; rows of cell views
// made by identifier with the library's disclosure buttons, opened and closed by clicks.

#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledOutlineView.h"
#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/view/Event.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/Window.h"

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

// A 200 x 200 window: the outline in a scroll view, each row a name cell made by identifier.
struct WindowedOutline : OutlineFixture {
    tk::HeadlessWindow window{{200, 200}, 1};
    std::shared_ptr<tk::ScrollView> scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 200, 200});
    int cellsMade = 0;

    WindowedOutline() {
        outline->setCellViewProvider([this](tk::TableView& table, int row) {
            auto cell = std::dynamic_pointer_cast<StyledTableCellView>(table.makeViewWithIdentifier("name"));
            if (!cell) {
                ++cellsMade;
                cell = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, 150, 20});
                cell->setIdentifier("name");
                cell->setTextField(tk::View::make<StyledTableRowLabel>(tk::Rect{2, 2, 140, 16}));
            }
            cell->setObjectValue(static_cast<Folder*>(outline->item(row).get())->name);
            return cell;
        });
        window.setContentView(scroll);
        scroll->setDocumentView(outline);
        settle();
    }
    void settle() {
        loop.drain();
        window.window().layoutIfNeeded();
    }
    StyledTableCellView* cell(int row) const {
        tk::TableRowView* view = outline->rowView(row);
        if (!view)
            return nullptr;
        for (const auto& sub : view->subviews())
            if (auto* c = dynamic_cast<StyledTableCellView*>(sub.get()))
                return c;
        return nullptr;
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> names;
        for (int row = 0; row < outline->numberOfRows(); ++row)
            names.push_back(cell(row) && cell(row)->textField() ? cell(row)->textField()->text() : "?");
        return names;
    }
    void clickDisclosure(int row) {
        window.click(outline->convertToWindow(outline->frameOfOutlineCellAtRow(row).center()));
        settle();
    }
};

TEST(StyledOutlineView, RowsShowTheirCellViewsWithTheLibrarysDisclosureButtons) {
    WindowedOutline f;
    EXPECT_EQ(f.shown(), (std::vector<std::string>{"Drums", "Bass", "Lead"}));
    ASSERT_NE(f.cell(0), nullptr);
    tk::Button* disclosure = f.cell(0)->disclosureButton();
    ASSERT_NE(disclosure, nullptr) << "found by its tag among the row's subviews";
    EXPECT_EQ(disclosure->tag(), kDisclosureButtonTag);
    EXPECT_EQ(disclosure->identifier(), tk::OutlineView::kDisclosureButtonKey);
    EXPECT_EQ(disclosure->image().size(), image(ImageResources::organiserIconDisclose).size());
    EXPECT_EQ(disclosure->buttonCell()->showsStateBy(), tk::CellMask::contents);
    EXPECT_EQ(disclosure->state(), tk::CellState::off);
    EXPECT_EQ(f.cell(2)->disclosureButton(), nullptr) << "Lead has nothing to open";
    EXPECT_GE(f.cell(0)->frame().minX(), disclosure->frame().maxX()) << "the text starts after the mark";
}

TEST(StyledOutlineView, TheDisclosureButtonOpensAndClosesItsItem) {
    WindowedOutline f;
    const Item drums = f.tree->roots[0], bass = f.tree->roots[1];
    f.clickDisclosure(1);
    EXPECT_TRUE(f.outline->isItemExpanded(bass));
    EXPECT_EQ(f.shown(), (std::vector<std::string>{"Drums", "Bass", "Root", "Lead"}));
    EXPECT_EQ(f.cell(1)->disclosureButton()->state(), tk::CellState::on);
    EXPECT_GT(f.cell(2)->frame().minX(), f.cell(1)->frame().minX()) << "a child is indented";
    EXPECT_TRUE(f.outline->selectedRowIndexes().empty()) << "the button took the click, not the row";

    f.clickDisclosure(0);
    EXPECT_EQ(f.shown(), (std::vector<std::string>{"Drums", "Kick", "Snare", "Bass", "Root", "Lead"}));
    f.clickDisclosure(0);
    EXPECT_FALSE(f.outline->isItemExpanded(drums));
    EXPECT_EQ(f.shown(), (std::vector<std::string>{"Drums", "Bass", "Root", "Lead"}))
        << "reused cells show their new rows only";
    EXPECT_EQ(f.cell(0)->disclosureButton()->state(), tk::CellState::off);
    EXPECT_LE(f.cellsMade, 6) << "cell views are reused, not made anew for every change";

    // Right and Left open and close the selected item.
    f.outline->selectRowIndexes({0}, false);
    ASSERT_TRUE(f.window.window().makeFirstResponder(f.outline.get()));
    f.window.key(tk::KeyCode::rightArrow);
    EXPECT_TRUE(f.outline->isItemExpanded(drums));
    f.window.key(tk::KeyCode::leftArrow);
    f.settle();
    EXPECT_FALSE(f.outline->isItemExpanded(drums));
    f.outline->deselectAll();

    // A click on the text selects the row and opens nothing.
    f.window.click(f.outline->convertToWindow({100, 30}));
    f.settle();
    EXPECT_EQ(f.outline->selectedRowIndexes(), tk::IndexSet{1});
    EXPECT_TRUE(f.cell(1)->isSelected());
    EXPECT_TRUE(f.outline->isItemExpanded(bass));
}

} // namespace
} // namespace Tessaly
