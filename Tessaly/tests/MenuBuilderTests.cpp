#include "Tessaly/Menus/MenuBuilder.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/Application.h"

#include <gtest/gtest.h>

namespace {

enum class Fruit : int { apple = 1, pear = 2, quince = 3 };
enum class Size8 : std::uint8_t { small = 7 };

} // namespace

template <> struct Tessaly::MenuPresentation<Fruit> : Tessaly::MenuPresentationDefaults<Fruit> {
    static std::string title(Fruit f) {
        return f == Fruit::apple ? "Apple" : f == Fruit::pear ? "Pear" : "Quince";
    }
    // The pear has an alternate shown with Option; the quince has an alternate tag but no title.
    static std::optional<int> alternateTag(Fruit f) {
        return f == Fruit::apple ? std::nullopt : std::optional<int>(100 + int(f));
    }
    static std::optional<std::string> alternateTitle(Fruit f) {
        return f == Fruit::pear ? std::optional<std::string>("Pear, Peeled") : std::nullopt;
    }
    static std::any alternateRepresentedObject(Fruit) { return std::string("peeled"); }
    static std::optional<std::string> action(Fruit) { return "pickFruit:"; }
    static std::string menuTitle() { return "Fruit"; }
    static std::vector<Fruit> allCases() { return {Fruit::apple, Fruit::pear, Fruit::quince}; }
};

template <> struct Tessaly::MenuPresentation<Size8> : Tessaly::MenuPresentationDefaults<Size8> {
    static std::string title(Size8) { return "Small"; }
    static std::string menuTitle() { return "Size"; }
    static std::vector<Size8> allCases() { return {Size8::small}; }
};

namespace Tessaly {
namespace {

using Structure = MenuStructure<Fruit>;

class Target : public tk::Responder {};

TEST(TessalyMenuBuilder, WholeTypeMenuCarriesRawValuesTagsAndAlternates) {
    tk::TestMainLoop loop;
    static_assert(MenuPresentable<Fruit>);
    const auto menu = makeSubmenu(MenuPresentation<Fruit>::menuStructure());
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->title(), "Fruit");
    ASSERT_EQ(menu->numberOfItems(), 4) << "apple, pear, its alternate, quince (no alternate title)";
    const tk::MenuItem& apple = *menu->item(0);
    EXPECT_EQ(apple.title, "Apple");
    EXPECT_EQ(apple.action, "pickFruit:");
    EXPECT_EQ(apple.tag, 1);
    EXPECT_EQ(std::any_cast<std::int64_t>(apple.representedObject), 1);
    EXPECT_FALSE(apple.isAlternate);
    const tk::MenuItem& peeled = *menu->item(2);
    EXPECT_EQ(peeled.title, "Pear, Peeled");
    EXPECT_TRUE(peeled.isAlternate);
    EXPECT_EQ(peeled.keyEquivalentModifierMask, tk::ModifierFlags::option);
    EXPECT_EQ(peeled.tag, 102);
    EXPECT_EQ(std::any_cast<std::string>(peeled.representedObject), "peeled");
    EXPECT_EQ(menu->item(3)->title, "Quince");

    // Option shows the alternate in place of the pear.
    EXPECT_EQ(menu->visibleItemIndices(tk::ModifierFlags::none), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(menu->visibleItemIndices(tk::ModifierFlags::option), (std::vector<int>{0, 2, 3}));

    const auto sizes = makeSubmenu(MenuPresentation<Size8>::menuStructure());
    EXPECT_EQ(std::any_cast<std::uint64_t>(sizes->item(0)->representedObject), 7u)
        << "an unsigned raw value is carried unsigned";
}

TEST(TessalyMenuBuilder, StructureCases) {
    tk::TestMainLoop loop;
    auto target = std::make_shared<Target>();
    const Structure tree = Structure::submenu(
        "Root",
        {Structure::inlineTitle("Fresh"), Structure::item(Fruit::apple), Structure::separator(),
         Structure::submenu("More", {Structure::item(Fruit::quince)}), Structure::submenu("Empty", {})});
    const auto root = makeSubmenu(tree, target, std::string("eat:"));
    ASSERT_TRUE(root);
    ASSERT_EQ(root->numberOfItems(), 5);
    EXPECT_TRUE(root->item(0)->isSectionHeader);
    EXPECT_EQ(root->item(0)->title, "Fresh");
    EXPECT_EQ(root->item(1)->action, "eat:") << "the given action replaces the element's";
    EXPECT_EQ(root->item(1)->target.lock(), target);
    EXPECT_TRUE(root->item(2)->isSeparator);
    EXPECT_EQ(root->item(2)->tag, kSeparatorTag);
    ASSERT_TRUE(root->item(3)->submenu);
    EXPECT_EQ(root->item(3)->submenu->item(0)->action, "eat:") << "passed down to nested submenus";
    EXPECT_EQ(root->item(3)->action, "");
    EXPECT_FALSE(root->item(4)->submenu) << "an empty submenu gets no menu";

    EXPECT_FALSE(makeSubmenu(Structure::submenu("Empty", {})));
    EXPECT_FALSE(makeSubmenu(Structure::item(Fruit::apple)));
    EXPECT_TRUE(itemMenuItems(Structure::separator()).empty());
    EXPECT_EQ(itemMenuItems(Structure::item(Fruit::pear)).size(), 2u);
    EXPECT_EQ(menuItems(Structure::item(Fruit::quince)).size(), 1u)
        << "an alternate tag without an alternate title makes no alternate";
}

TEST(TessalyMenuBuilder, PlainRecords) {
    tk::TestMainLoop loop;
    auto target = std::make_shared<Target>();
    using Fruits = std::vector<AnyMenuPresentable>;
    const auto none = tk::ModifierFlags::none;
    const std::vector<TYMenuItem> records{
        TYMenuItem("Quit", "terminate:", target, "q", tk::ModifierFlags::command, TYMenuType::standard(),
                   std::nullopt, std::nullopt, std::nullopt, 9, std::string("bye")),
        // A separator ignores everything else it carries.
        TYMenuItem("Ignored", std::nullopt, {}, std::nullopt, none, TYMenuType::separator(),
                   std::vector<TYMenuItem>{TYMenuItem{}}),
        TYMenuItem("Section", std::nullopt, {}, std::nullopt, none, TYMenuType::sectionHeader("Header")),
        // submenu wins over submenuEnum.
        TYMenuItem("Both", std::nullopt, {}, std::nullopt, none, TYMenuType::standard(),
                   std::vector<TYMenuItem>{TYMenuItem{}, TYMenuItem{}},
                   Fruits{AnyMenuPresentable::of(Fruit::apple)}),
        TYMenuItem("Fruits", std::nullopt, {}, std::nullopt, none, TYMenuType::standard(), std::nullopt,
                   Fruits{AnyMenuPresentable::of(Fruit::apple), AnyMenuPresentable::of(Fruit::quince)},
                   "choose:"),
        TYMenuItem{},
        TYMenuItem("Services", std::nullopt, {}, std::nullopt, none, TYMenuType::services()),
    };
    const auto menu = makeMenu(records);
    EXPECT_FALSE(menu->autoenablesItems());
    ASSERT_EQ(menu->numberOfItems(), 7);

    const tk::MenuItem& quit = *menu->item(0);
    EXPECT_EQ(quit.title, "Quit");
    EXPECT_EQ(quit.keyEquivalent, "q");
    EXPECT_EQ(quit.keyEquivalentModifierMask, tk::ModifierFlags::command);
    EXPECT_EQ(quit.target.lock(), target);
    EXPECT_EQ(quit.tag, 9);
    EXPECT_EQ(std::any_cast<std::string>(quit.representedObject), "bye");

    EXPECT_TRUE(menu->item(1)->isSeparator);
    EXPECT_EQ(menu->item(1)->title, "");
    EXPECT_FALSE(menu->item(1)->submenu);
    EXPECT_TRUE(menu->item(2)->isSectionHeader);
    EXPECT_EQ(menu->item(2)->title, "Header");
    EXPECT_EQ(menu->item(3)->submenu->numberOfItems(), 2);
    EXPECT_TRUE(menu->item(3)->submenu->item(0)->isSeparator);

    const auto& fruits = *menu->item(4)->submenu;
    ASSERT_EQ(fruits.numberOfItems(), 2);
    EXPECT_EQ(fruits.item(1)->title, "Quince");
    EXPECT_EQ(fruits.item(1)->action, "choose:");
    EXPECT_EQ(fruits.item(1)->tag, 3);
    EXPECT_TRUE(menu->item(5)->isSeparator) << "a default record is a separator";

    ASSERT_TRUE(menu->item(6)->submenu);
    EXPECT_EQ(menu->item(6)->submenu, tk::Application::shared().servicesMenu());
    EXPECT_EQ(menu->item(6)->submenu->numberOfItems(), 0) << "nothing fills the services menu";
}

} // namespace
} // namespace Tessaly
