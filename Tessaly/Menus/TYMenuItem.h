#pragma once

// Plain records that describe menu items, for building menus in code (makeMenuItem / makeMenu in
// MenuBuilder.h).

#include "Tessaly/Menus/MenuPresentable.h"

#include "platform/tk/view/Event.h"
#include "platform/tk/view/Menu.h"

#include <any>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Tessaly {

// How a record becomes an item. The delegate of a documentTemplates or recentDocuments submenu is
// not owned by the menu: keep it alive as long as the menu.
struct TYMenuType {
    enum class Kind { sectionHeader, documentTemplates, recentDocuments, standard, separator, services };

    Kind kind = Kind::standard;
    std::string headerTitle;                    // sectionHeader
    std::shared_ptr<tk::MenuDelegate> delegate; // documentTemplates, recentDocuments

    static TYMenuType sectionHeader(std::string title) { return {Kind::sectionHeader, std::move(title), {}}; }
    static TYMenuType documentTemplates(std::shared_ptr<tk::MenuDelegate> d) {
        return {Kind::documentTemplates, {}, std::move(d)};
    }
    static TYMenuType recentDocuments(std::shared_ptr<tk::MenuDelegate> d) {
        return {Kind::recentDocuments, {}, std::move(d)};
    }
    static TYMenuType standard() { return {}; }
    static TYMenuType separator() { return {Kind::separator, {}, {}}; }
    static TYMenuType services() { return {Kind::services, {}, {}}; }
};

// One plain menu item. The memberwise initialiser takes the fields in their order; TYMenuItem{} is a
// separator record: every optional field empty, no modifiers.
struct TYMenuItem {
    std::optional<std::string> title;
    std::optional<std::string> action;
    std::weak_ptr<tk::Responder> target;
    std::optional<std::string> shortcutKey;
    tk::ModifierFlags modifiers = tk::ModifierFlags::none;
    TYMenuType menuType = TYMenuType::separator();
    std::optional<std::vector<TYMenuItem>> submenu;
    std::optional<std::vector<AnyMenuPresentable>> submenuEnum;
    std::optional<std::string> submenuEmumSelector;
    std::optional<int> tag;
    std::any representedObject; // none when empty

    TYMenuItem() = default;
    TYMenuItem(std::optional<std::string> itemTitle, std::optional<std::string> itemAction,
               std::weak_ptr<tk::Responder> itemTarget, std::optional<std::string> itemShortcutKey,
               tk::ModifierFlags itemModifiers, TYMenuType itemMenuType,
               std::optional<std::vector<TYMenuItem>> itemSubmenu = std::nullopt,
               std::optional<std::vector<AnyMenuPresentable>> itemSubmenuEnum = std::nullopt,
               std::optional<std::string> itemSubmenuEnumSelector = std::nullopt,
               std::optional<int> itemTag = std::nullopt, std::any itemRepresentedObject = {})
        : title(std::move(itemTitle)), action(std::move(itemAction)), target(std::move(itemTarget)),
          shortcutKey(std::move(itemShortcutKey)), modifiers(itemModifiers),
          menuType(std::move(itemMenuType)), submenu(std::move(itemSubmenu)),
          submenuEnum(std::move(itemSubmenuEnum)), submenuEmumSelector(std::move(itemSubmenuEnumSelector)),
          tag(itemTag), representedObject(std::move(itemRepresentedObject)) {}
};

} // namespace Tessaly
