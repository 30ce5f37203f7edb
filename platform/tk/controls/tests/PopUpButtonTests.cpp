// Pop-up and pull-down buttons driven as a user would: a press opens the menu (recorded by the
// headless presenter), choosing an item selects it and acts; the list, the selection and the
// keyboard stepping.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/PopUpButton.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/MenuView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tk {
namespace {

class PopUp : public ::testing::Test {
protected:
    TestMainLoop loop;
    std::shared_ptr<HeadlessBackend> backend = std::make_shared<HeadlessBackend>();
    std::unique_ptr<HeadlessWindow> w;
    std::shared_ptr<PopUpButton> button;
    std::shared_ptr<Responder> target = std::make_shared<Responder>();
    std::vector<std::string> log;

    void SetUp() override {
        setCurrentBackend(backend);
        w = std::make_unique<HeadlessWindow>(Size{300, 300});
        button = View::make<PopUpButton>(Rect{20, 100, 120, 22});
        button->addItems({"Red", "Green", "Blue"});
        button->setTarget(target);
        button->setAction("changed:");
        target->setActionHandler("changed:", [this](const ActionSender&) {
            log.push_back("changed " + button->titleOfSelectedItem());
        });
        w->contentView().addSubview(button);
    }
    void TearDown() override {
        w.reset();
        setCurrentBackend(nullptr);
    }
    Menu* shown() const { return backend->menus().shownMenu(); }
};

TEST_F(PopUp, TheFirstItemIsSelectedAndAPressOpensTheMenuWithTheSelectionOverTheButton) {
    EXPECT_EQ(button->indexOfSelectedItem(), 0);
    EXPECT_EQ(button->title(), "Red");
    EXPECT_EQ(button->itemAtIndex(0)->state, MenuItemState::on) << "the selected item carries the mark";
    button->selectItemAtIndex(2);
    w->mouseDown({30, 110});
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(shown()->numberOfItems(), 3);
    EXPECT_TRUE(button->isHighlighted()) << "pressed while the menu is open";
    // The third row (4 + 2 x 22 below the panel's top) sits on the button's middle row, and the
    // menu's titles (24 in) start where the button's title does (6 in).
    EXPECT_EQ(backend->menus().shownLocation(), (Point{2, 52}));
    ASSERT_TRUE(backend->menus().chooseItem(1));
    EXPECT_EQ(button->indexOfSelectedItem(), 1);
    EXPECT_EQ(button->title(), "Green");
    EXPECT_EQ(log, (std::vector<std::string>{"changed Green"}));
    EXPECT_FALSE(button->isHighlighted()) << "the menu closed";
    EXPECT_EQ(button->itemAtIndex(2)->state, MenuItemState::off);
}

TEST_F(PopUp, TheOpenMenuKeepsTheSelectedRowOverTheTitleAndCoversTheButtonAtEitherEdge) {
    for (double y : {0.0, 2.0, 8.0, 140.0, 250.0, 276.0}) {
        for (int selected : {0, 5}) {
            SCOPED_TRACE("button at y " + std::to_string(int(y)) + ", item " + std::to_string(selected));
            auto six = View::make<PopUpButton>(Rect{20, y, 150, 22});
            six->addItems({"Whole", "Half", "Quarter", "Eighth", "Sixteenth", "Triplet"});
            six->selectItemAtIndex(selected);
            w->contentView().addSubview(six);
            w->click({30, y + 11});
            ASSERT_NE(shown(), nullptr);
            // What the window's own presenter makes of the menu and place the button asked for.
            InWindowMenuPresenter().present(w->window(), std::make_shared<Menu>(*shown()),
                                            backend->menus().shownLocation());
            auto* view = dynamic_cast<MenuView*>(w->window().overlayViews().back().get());
            ASSERT_NE(view, nullptr);
            w->render();
            const Rect title = six->popUpCell()->titleRect(six->bounds());
            EXPECT_EQ(view->itemAt({20 + title.midX(), y + title.midY()}), selected);
            EXPECT_TRUE(view->panelRect().contains(six->frame()))
                << "panel " << view->panelRect().x() << "," << view->panelRect().y() << " "
                << view->panelRect().width() << "x" << view->panelRect().height();
            view->dismiss();
            backend->menus().dismiss();
            six->removeFromSuperview();
        }
    }
}

TEST_F(PopUp, AnImageColumnMovesTheMenuLeftSoItsTitlesStayOverTheButtonsTitle) {
    MenuItem* blue = button->menu()->mutableItem(2);
    blue->image = Image::draw({16, 16}, 1, [](GraphicsContext& c) {
        c.fillRect({0, 0, 16, 16}, Color::gray(1));
    });
    w->mouseDown({30, 110});
    ASSERT_NE(shown(), nullptr);
    // 20 + 6 (the button's title) less 24 + 16 + 6 (the mark, image and gap before the titles).
    EXPECT_EQ(backend->menus().shownLocation().x, -20);
}

TEST_F(PopUp, ADismissedMenuChangesNothingAndADisabledButtonDoesNotOpen) {
    int closes = 0;
    button->setMenuDidClose([&] { ++closes; });
    w->click({30, 110});
    ASSERT_NE(shown(), nullptr);
    backend->menus().dismiss();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(button->isMenuOpen());
    EXPECT_EQ(button->indexOfSelectedItem(), 0);
    EXPECT_TRUE(log.empty());

    button->setEnabled(false);
    w->click({30, 110});
    EXPECT_EQ(shown(), nullptr);
}

TEST_F(PopUp, AnItemWithItsOwnActionPerformsItAndTheButtonStillActs) {
    auto other = std::make_shared<Responder>();
    other->setActionHandler("pick:", [&](const ActionSender& s) {
        log.push_back("pick " + (s.menuItem ? s.menuItem->title : std::string("?")));
    });
    auto menu = std::make_shared<Menu>();
    MenuItem a("A", "pick:");
    a.target = other;
    auto sub = std::make_shared<Menu>();
    sub->addItem(MenuItem("Deep", "pick:"));
    sub->mutableItem(0)->target = other;
    MenuItem more("More");
    more.submenu = sub;
    menu->addItem(a);
    menu->addItem(more);
    button->setMenu(menu);
    w->click({30, 110});
    ASSERT_NE(shown(), nullptr);
    // A user opens the submenu and takes its item: the presenter performs the copy's item.
    const MenuItem* deep = shown()->item(1)->submenu->item(0);
    ASSERT_NE(deep, nullptr);
    w->window().performMenuItem(*deep);
    EXPECT_EQ(button->selectedItem(), sub->item(0)) << "selected inside the submenu";
    EXPECT_EQ(button->indexOfSelectedItem(), -1);
    EXPECT_EQ(button->title(), "Deep");
    EXPECT_EQ(log, (std::vector<std::string>{"pick Deep", "changed Deep"}));
}

TEST_F(PopUp, SelectionByTagTitleAndIdentityAndTheListKeepingItInStep) {
    button->itemAtIndex(0); // tags: Red 7, Green 8
    button->menu()->mutableItem(0)->tag = 7;
    button->menu()->mutableItem(1)->tag = 8;
    EXPECT_TRUE(button->selectItemWithTag(8));
    EXPECT_EQ(button->titleOfSelectedItem(), "Green");
    EXPECT_FALSE(button->selectItemWithTag(99));
    EXPECT_EQ(button->titleOfSelectedItem(), "Green") << "an unknown tag leaves the selection";
    EXPECT_TRUE(button->selectItemWithTitle("Blue"));
    button->removeItem(0);
    EXPECT_EQ(button->indexOfSelectedItem(), 1) << "the selection follows its item";
    EXPECT_EQ(button->title(), "Blue");
    button->removeItem(1);
    EXPECT_EQ(button->title(), "Green") << "removing the selected item selects the first";
    button->selectItemAtIndex(-1);
    EXPECT_EQ(button->selectedItem(), nullptr);
    EXPECT_EQ(button->title(), "");
    button->removeAllItems();
    EXPECT_EQ(button->numberOfItems(), 0);
    w->click({30, 110});
    EXPECT_EQ(shown(), nullptr) << "nothing to show";
}

TEST_F(PopUp, APullDownShowsItsFirstItemAsTitleAndOpensBelowWithoutIt) {
    auto pull = View::make<PopUpButton>(Rect{20, 150, 100, 22}, true);
    pull->addItems({"Actions", "Copy", "Paste"});
    w->contentView().addSubview(pull);
    EXPECT_EQ(pull->title(), "Actions");
    EXPECT_EQ(pull->indexOfSelectedItem(), -1);
    w->click({30, 160});
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(shown()->numberOfItems(), 2);
    EXPECT_EQ(shown()->item(0)->title, "Copy");
    EXPECT_EQ(backend->menus().shownLocation(), (Point{20, 172})) << "below the button";
    EXPECT_EQ(shown()->minimumWidth(), 100) << "as wide as the button";
    EXPECT_FALSE(shown()->opensInPlace());
    ASSERT_TRUE(backend->menus().chooseItem(1));
    EXPECT_EQ(pull->titleOfSelectedItem(), "Paste");
    EXPECT_EQ(pull->title(), "Actions") << "a pull-down keeps its title";
}

TEST_F(PopUp, ArrowKeysStepOverDisabledItemsAndSeparatorsAndStopAtTheEnds) {
    button->setItemArray({MenuItem("One"), MenuItem::separator(), MenuItem("Two"), MenuItem("Three")});
    button->menu()->mutableItem(2)->enabled = false;
    w->window().makeFirstResponder(button.get());
    w->key(KeyCode::downArrow);
    EXPECT_EQ(button->indexOfSelectedItem(), 3);
    w->key(KeyCode::downArrow);
    EXPECT_EQ(button->indexOfSelectedItem(), 3) << "no wrap-around";
    w->key(KeyCode::upArrow);
    EXPECT_EQ(button->indexOfSelectedItem(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"changed Three", "changed One"}));
    w->key(KeyCode::space);
    EXPECT_NE(shown(), nullptr) << "Space opens the menu";
}

// What a button cycling the pop-up sends: unlike the arrow keys, the steps go round the ends, over
// the items that cannot be chosen, and each sends the action once.
TEST_F(PopUp, SelectNextAndPreviousItemGoRoundTheEnds) {
    button->setItemArray({MenuItem("One"), MenuItem::separator(), MenuItem("Two"), MenuItem("Three")});
    button->menu()->mutableItem(0)->enabled = false;
    button->selectItemAtIndex(3);
    EXPECT_TRUE(button->performAction(PopUpButton::kSelectNextItemAction, {}));
    EXPECT_EQ(button->indexOfSelectedItem(), 2) << "round past the last item, over One and the separator";
    EXPECT_TRUE(button->selectPreviousItem());
    EXPECT_EQ(button->indexOfSelectedItem(), 3) << "back round past the first";
    EXPECT_EQ(log, (std::vector<std::string>{"changed Two", "changed Three"}));

    button->menu()->mutableItem(2)->enabled = false;
    EXPECT_FALSE(button->selectNextItem()) << "nothing else to choose";
    EXPECT_EQ(button->indexOfSelectedItem(), 3);
    EXPECT_EQ(log.size(), 2u) << "and nothing sent";
}

TEST_F(PopUp, UsingItsOwnItemTheButtonShowsAFixedTitle) {
    auto* cell = button->popUpCell();
    cell->setUsesItemFromMenu(false);
    cell->setMenuItem(MenuItem("Fixed"));
    EXPECT_EQ(button->title(), "Fixed");
    button->selectItemAtIndex(2);
    EXPECT_EQ(button->title(), "Fixed");
}

TEST_F(PopUp, KeysOnTheOpenMenuKeepOrStepTheSelectionAndTheFocusComesBack) {
    struct Case {
        const char* what;
        KeyCode last;
        std::string selected;
    };
    for (const Case& c : {Case{"Return keeps it", KeyCode::returnKey, "Green"},
                          Case{"Escape changes nothing", KeyCode::escape, "Green"}}) {
        SCOPED_TRACE(c.what);
        button->selectItemAtIndex(1);
        ASSERT_TRUE(w->window().makeFirstResponder(button.get()));
        w->key(KeyCode::space);
        ASSERT_NE(shown(), nullptr);
        // The window's own presenter, shown what the button asked for.
        InWindowMenuPresenter().present(w->window(), std::make_shared<Menu>(*shown()),
                                        backend->menus().shownLocation());
        auto* view = dynamic_cast<MenuView*>(w->window().overlayViews().back().get());
        w->render();
        EXPECT_EQ(view->highlightedIndex(), 1) << "the selected item is highlighted";
        w->key(c.last);
        EXPECT_EQ(button->titleOfSelectedItem(), c.selected);
        EXPECT_EQ(w->window().firstResponder(), button.get()) << "the button keeps the keyboard focus";
        backend->menus().dismiss();
    }
    ASSERT_TRUE(w->window().makeFirstResponder(button.get()));
    w->key(KeyCode::space);
    InWindowMenuPresenter().present(w->window(), std::make_shared<Menu>(*shown()),
                                    backend->menus().shownLocation());
    w->render();
    w->key(KeyCode::downArrow);
    w->key(KeyCode::returnKey);
    EXPECT_EQ(button->titleOfSelectedItem(), "Blue") << "Down goes on from the selection";
    EXPECT_EQ(w->window().firstResponder(), button.get());
}

TEST_F(PopUp, AlternatesTheMenuDoesNotShowTakeNoRowAboveTheSelection) {
    auto menu = std::make_shared<Menu>();
    for (const char* title : {"Save", "Save As", "Export", "Export All", "Close"}) {
        MenuItem& item = menu->addItem(title, "");
        item.isAlternate = std::string(title) == "Save As" || std::string(title) == "Export All";
        if (item.isAlternate)
            item.keyEquivalentModifierMask = ModifierFlags::option;
    }
    button->setMenu(menu);
    button->selectItemAtIndex(4);
    w->click({30, 110});
    ASSERT_NE(shown(), nullptr);
    // Two rows above "Close" as shown (4 + 2 x 22), over the button's middle row.
    EXPECT_EQ(backend->menus().shownLocation().y, 100 + 11 - 11 - 48);
}

// A small window with the button in each corner: the selected row stays over the button's title,
// clear of either arrow, and the panel stays in the window.
TEST_F(PopUp, InASmallWindowTheSelectedRowStaysOverTheTitleAtEveryCorner) {
    for (Point corner : {Point{0, 0}, Point{100, 0}, Point{0, 98}, Point{100, 98}}) {
        for (int items : {6, 8}) {
            for (int selected = 0; selected < items; ++selected) {
                SCOPED_TRACE("button at " + std::to_string(int(corner.x)) + "," + std::to_string(int(corner.y)) +
                             ", item " + std::to_string(selected) + " of " + std::to_string(items));
                HeadlessWindow small({220, 120});
                auto b = View::make<PopUpButton>(Rect{corner, Size{120, 22}});
                for (int i = 0; i < items; ++i)
                    b->addItem("Item " + std::to_string(i));
                b->selectItemAtIndex(selected);
                small.contentView().addSubview(b);
                small.click({corner.x + 10, corner.y + 11});
                ASSERT_NE(shown(), nullptr);
                InWindowMenuPresenter().present(small.window(), std::make_shared<Menu>(*shown()),
                                                backend->menus().shownLocation());
                auto* view = dynamic_cast<MenuView*>(small.window().overlayViews().back().get());
                small.render();
                const Rect title = b->popUpCell()->titleRect(b->bounds());
                EXPECT_EQ(view->itemAt({corner.x + title.midX(), corner.y + title.midY()}), selected);
                EXPECT_GE(view->panelRect().y(), 0);
                EXPECT_LE(view->panelRect().maxY(), 120);
                backend->menus().dismiss();
            }
        }
    }
}

} // namespace
} // namespace tk
