// The in-window menu's columns: titles in one column whether or not an item has an image, key
// equivalents clear of the widest title, and an opaque panel, read from what the menu draws.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/MenuView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <map>

namespace tk {
namespace {

struct Drawn {
    Rect panel;
    std::map<std::string, Rect> texts; // by string
    std::vector<RecordedDraw> fills;
};

Drawn drawnMenu(std::shared_ptr<Menu> menu) {
    TestMainLoop loop;
    HeadlessWindow w({400, 300});
    InWindowMenuPresenter().present(w.window(), menu, {20, 10});
    auto* view = dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
    w.render();
    RecordingContext context;
    view->draw(context, view->bounds());
    Drawn drawn{view->panelRect(), {}, context.draws(RecordedDraw::Kind::fill)};
    for (const auto& t : context.texts())
        drawn.texts[t.text] = t.rect;
    return drawn;
}

TEST(MenuView, TitlesShareOneColumnAndKeyEquivalentsKeepClearOfThem) {
    const Image icon = Image::draw({16, 16}, 1, [](GraphicsContext& c) {
        c.fillRect({0, 0, 16, 16}, Color::gray(1));
    });
    for (bool withImage : {false, true}) {
        auto menu = std::make_shared<Menu>();
        menu->addItem("Acid Line", "open:").image = withImage ? icon : Image();
        menu->addSeparator();
        menu->addItem("About", "about:", "i");
        menu->addItem("Check for Updates\u2026", "check:", "u").state = MenuItemState::on;
        menu->addItem("Export", "").submenu = std::make_shared<Menu>();
        const Drawn d = drawnMenu(menu);

        const double column = d.panel.x() + MenuView::titleInset(*menu);
        EXPECT_EQ(MenuView::titleInset(*menu), withImage ? 24 + 16 + 6 : 24);
        for (const char* title : {"Acid Line", "About", "Check for Updates\u2026", "Export"}) {
            ASSERT_TRUE(d.texts.count(title)) << title;
            EXPECT_EQ(d.texts.at(title).x(), column) << title << (withImage ? " beside an image" : "");
        }
        TextAttributes font;
        font.font = Font::system(13);
        const double widestTitle = measureText("Check for Updates\u2026", font).width;
        for (const char* key : {"Ctrl+I", "Ctrl+U", "\u25B8"}) {
            ASSERT_TRUE(d.texts.count(key)) << key;
            EXPECT_GE(d.texts.at(key).x(), column + widestTitle + MenuView::kKeyGap) << key;
            EXPECT_LE(d.texts.at(key).maxX(), d.panel.maxX() - 8) << key << " inside the panel";
        }
        ASSERT_FALSE(d.fills.empty());
        EXPECT_EQ(d.fills.front().rect, d.panel);
        EXPECT_EQ(d.fills.front().color.a, 1) << "nothing shows through the panel";
    }
}

TEST(MenuView, TheMenuIsAsWideAsItsRowsAndNoWiderThanTheWindow) {
    auto narrow = std::make_shared<Menu>();
    narrow->addItem("Cut", "cut:");
    EXPECT_EQ(drawnMenu(narrow).panel.width(), MenuView::kMinWidth);

    auto wide = std::make_shared<Menu>();
    wide->addItem(std::string(200, 'W'), "long:", "l");
    const Drawn d = drawnMenu(wide);
    EXPECT_EQ(d.panel.width(), 400) << "kept inside the window";
    EXPECT_LE(d.texts.at(std::string(200, 'W')).maxX(), d.texts.at("Ctrl+L").x() - MenuView::kKeyGap)
        << "a title cut short still leaves the key its gap";
}

TEST(MenuView, AMenuAskedAboveTheWindowHidesItsTopUnderAScrollArrowUntilScrolled) {
    TestMainLoop loop;
    HeadlessWindow w({400, 300});
    auto menu = std::make_shared<Menu>();
    for (const char* title : {"One", "Two", "Three", "Four", "Five"})
        menu->addItem(title, "pick:");
    menu->setOpensInPlace(true);
    std::vector<std::string> picked;
    auto app = std::make_shared<Responder>();
    app->setActionHandler("pick:", [&](const ActionSender&) { picked.push_back("pick"); });
    w.window().setNextResponder(app);
    auto open = [&] {
        // Rows at -46, -24, -2, 20 and 42: "Four" is where a pop-up put it, over its button.
        InWindowMenuPresenter().present(w.window(), menu, {20, -50});
        w.render();
        return dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
    };
    MenuView* view = open();
    const double x = view->panelRect().midX();
    EXPECT_EQ(view->panelRect().y(), 0);
    EXPECT_EQ(view->hiddenAbove(), 50);
    EXPECT_EQ(view->itemAt({x, 25}), 3) << "the rows stay where they were asked";
    EXPECT_EQ(view->scrollArrowBottom(), 20) << "the arrow ends on a row boundary";
    EXPECT_EQ(view->itemAt({x, 5}), -1) << "the arrow is no row";
    w.click({x, 5});
    EXPECT_EQ(view->hiddenAbove(), 28) << "a click on the arrow brings one row down";
    EXPECT_TRUE(picked.empty());
    w.scroll({x, 100}, 0, 100);
    EXPECT_EQ(view->hiddenAbove(), 0) << "no further than the menu's top";
    EXPECT_EQ(view->panelRect().height(), 8 + 5 * MenuView::kItemHeight);
    EXPECT_EQ(view->itemAt({x, 10}), 0);
    w.key(KeyCode::escape);

    view = open();
    w.key(KeyCode::downArrow);
    EXPECT_EQ(view->highlightedIndex(), 0);
    EXPECT_EQ(view->hiddenAbove(), 0) << "the highlighted row is brought into view";
    EXPECT_EQ(view->itemAt({x, 10}), 0);
    w.key(KeyCode::returnKey);
    EXPECT_EQ(picked.size(), 1u);
}

TEST(MenuView, AMenuOpenedInPlacePastTheBottomHidesItsRowsUnderAScrollArrowUntilScrolled) {
    TestMainLoop loop;
    HeadlessWindow w({400, 300});
    auto menu = std::make_shared<Menu>();
    for (const char* title : {"One", "Two", "Three", "Four", "Five", "Six"})
        menu->addItem(title, "pick:");
    auto open = [&](bool inPlace) {
        menu->setOpensInPlace(inPlace);
        InWindowMenuPresenter().present(w.window(), menu, {20, 250});
        w.render();
        return dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
    };
    MenuView* view = open(false);
    EXPECT_EQ(view->panelRect().maxY(), 300) << "a menu that need not stay moves up to fit";
    EXPECT_EQ(view->hiddenBelow(), 0);
    w.key(KeyCode::escape);

    // Asked with rows at 254, 276, 298 ...: "Two" would lie wholly inside the window under the
    // arrow, so the menu moves up by 8 and the arrow starts where "Two" ends.
    view = open(true);
    const double x = view->panelRect().midX();
    EXPECT_EQ(view->panelRect().y(), 242);
    EXPECT_EQ(view->panelRect().maxY(), 300);
    EXPECT_EQ(view->hiddenBelow(), 82);
    EXPECT_EQ(view->scrollArrowTop(), 290);
    EXPECT_EQ(view->itemAt({x, 250}), 0);
    EXPECT_EQ(view->itemAt({x, 280}), 1);
    EXPECT_EQ(view->itemAt({x, 295}), -1) << "the arrow is no row";
    w.click({x, 295});
    EXPECT_EQ(view->hiddenBelow(), 60) << "a click on the arrow brings one row up";
    EXPECT_EQ(view->itemAt({x, 280}), 2);
    w.scroll({x, 280}, 0, -100);
    EXPECT_EQ(view->hiddenBelow(), 0) << "no further than the menu's bottom";
    EXPECT_EQ(view->panelRect().height(), 8 + 6 * MenuView::kItemHeight);
    EXPECT_EQ(view->itemAt({x, 290}), 5);
    w.key(KeyCode::escape);

    view = open(true);
    for (int i = 0; i < 3; ++i)
        w.key(KeyCode::downArrow);
    EXPECT_EQ(view->highlightedIndex(), 2);
    EXPECT_EQ(view->hiddenBelow(), 60) << "the highlighted row is brought up into view";
    EXPECT_EQ(view->itemAt({x, 280}), 2);
    EXPECT_EQ(view->scrollArrowTop(), 290);
    w.key(KeyCode::escape);

    // Taller than the window, a menu that moves to fit hides its bottom rows the same way.
    for (int i = 0; i < 10; ++i)
        menu->addItem("More", "pick:");
    view = open(false);
    EXPECT_EQ(view->panelRect().y(), 0);
    EXPECT_EQ(view->panelRect().maxY(), 300);
    EXPECT_EQ(view->hiddenBelow(), 8 + 16 * MenuView::kItemHeight - 300);
    w.key(KeyCode::upArrow);
    EXPECT_EQ(view->highlightedIndex(), 15);
    EXPECT_EQ(view->hiddenBelow(), 0) << "the last row, reached by wrapping round, is brought up";
    EXPECT_EQ(view->itemAt({x, 290}), 15);
}

struct KeyCase {
    const char* what;
    int opening;               // the item highlighted as the menu opens
    std::vector<KeyCode> keys; // pressed in order
    const char* typed;         // then typed, one character at a time
    int highlighted;
};

TEST(MenuView, TheKeyboardMovesTheHighlightFromTheItemTheMenuOpenedOn) {
    const std::vector<KeyCase> cases = {
        {"Return alone keeps the opening item", 10, {}, "", 10},
        {"Down goes on from it", 10, {KeyCode::downArrow}, "", 11},
        {"Up goes back from it", 10, {KeyCode::upArrow}, "", 9},
        {"nothing highlighted: Down takes the first", -1, {KeyCode::downArrow}, "", 1},
        {"Home skips the header", 10, {KeyCode::home}, "", 1},
        {"End skips the disabled last item", 3, {KeyCode::end}, "", 12},
        {"Page Down stays within a page", 1, {KeyCode::pageDown}, "", 5},
        {"Page Up stops at the first", 3, {KeyCode::pageUp}, "", 1},
        {"a letter goes to the next title with it", 1, {}, "b", 3},
        {"the same letter steps on", 3, {}, "b", 4},
        {"more letters refine from the highlight", 1, {}, "bla", 4},
        {"case does not matter", 1, {}, "G", 6},
        {"no match keeps the highlight", 2, {}, "z", 2},
    };
    TestMainLoop loop;
    HeadlessWindow w({300, 140});
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto menu = std::make_shared<Menu>();
        menu->addItem(MenuItem::sectionHeader("Colours"));
        for (const char* title : {"Red", "Orange", "Blue", "black", "Cyan", "Green", "Grey", "Teal", "Navy",
                                  "Pink", "Lime", "Plum"})
            menu->addItem(title, "pick:");
        menu->addItem("Zinc", "pick:").enabled = false;
        menu->setHighlightedIndexOnOpening(c.opening);
        InWindowMenuPresenter().present(w.window(), menu, {20, 0});
        auto* view = dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
        w.render();
        for (KeyCode key : c.keys)
            w.key(key);
        for (const char* t = c.typed; *t; ++t)
            w.type(std::string(1, *t));
        EXPECT_EQ(view->highlightedIndex(), c.highlighted);
        view->dismiss();
    }
}

TEST(MenuView, TypedTextStartsAfreshAfterThePause) {
    TestMainLoop loop;
    HeadlessWindow w({300, 300});
    auto menu = std::make_shared<Menu>();
    for (const char* title : {"Bass", "Lead", "Pad", "Plucks"})
        menu->addItem(title, "pick:");
    InWindowMenuPresenter().present(w.window(), menu, {20, 0});
    auto* view = dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
    w.render();
    w.type("p");
    w.type("l");
    EXPECT_EQ(view->highlightedIndex(), 3) << "\"pl\" within the pause";
    loop.advance(MenuView::kTypeSelectTimeout + seconds(0.1));
    w.type("l");
    EXPECT_EQ(view->highlightedIndex(), 1) << "\"l\" alone after it";
}

} // namespace
} // namespace tk
