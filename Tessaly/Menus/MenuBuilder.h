#pragma once

// Two ways of building menus in code: from plain TYMenuItem records (makeMenuItem, makeMenu) and
// from MenuStructure values over a MenuPresentable type (menuItems, makeSubmenu).
//
// A target and action given to menuItems / makeSubmenu take the place of every element's own. An
// element with both an alternate tag and an alternate title adds an alternate item right after its
// own, shown while Option is held. Separators made from a structure carry the tag kSeparatorTag.
//
// All functions are [main].

#include "Tessaly/Menus/MenuPresentable.h"
#include "Tessaly/Menus/TYMenuItem.h"

#include "platform/tk/view/Menu.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Tessaly {

inline constexpr int kSeparatorTag = -1000;

tk::MenuItem makeMenuItem(const TYMenuItem& record);
// A menu that keeps its items' enabled flags as set, holding makeMenuItem of each record in order.
std::shared_ptr<tk::Menu> makeMenu(const std::vector<TYMenuItem>& records);

// The item (and its alternate, when it has one) for one element.
std::vector<tk::MenuItem> elementMenuItems(const AnyMenuPresentable& element,
                                           const std::weak_ptr<tk::Responder>& target,
                                           const std::optional<std::string>& action);

template <MenuPresentable T>
std::vector<tk::MenuItem> menuItems(const MenuStructure<T>& structure,
                                    const std::weak_ptr<tk::Responder>& target = {},
                                    const std::optional<std::string>& action = std::nullopt) {
    using S = MenuStructure<T>;
    if (const auto* item = std::get_if<typename S::Item>(&structure.value))
        return elementMenuItems(AnyMenuPresentable::of(item->element), target, action);
    if (const auto* submenu = std::get_if<typename S::Submenu>(&structure.value)) {
        tk::MenuItem menuItem(submenu->title);
        if (!submenu->children.empty()) {
            auto menu = std::make_shared<tk::Menu>(submenu->title);
            for (const S& child : submenu->children)
                for (tk::MenuItem& made : menuItems(child, target, action))
                    menu->addItem(std::move(made));
            menuItem.submenu = std::move(menu);
        }
        return {std::move(menuItem)};
    }
    if (const auto* title = std::get_if<typename S::InlineTitle>(&structure.value))
        return {tk::MenuItem::sectionHeader(title->title)};
    tk::MenuItem separator = tk::MenuItem::separator();
    separator.tag = kSeparatorTag;
    return {std::move(separator)};
}

// menuItems() for an `item` value; nothing for the other cases.
template <MenuPresentable T>
std::vector<tk::MenuItem> itemMenuItems(const MenuStructure<T>& structure,
                                        const std::weak_ptr<tk::Responder>& target = {},
                                        const std::optional<std::string>& action = std::nullopt) {
    if (!std::holds_alternative<typename MenuStructure<T>::Item>(structure.value))
        return {};
    return menuItems(structure, target, action);
}

// The submenu of a `submenu` value (none for an empty one and for the other cases).
template <MenuPresentable T>
std::shared_ptr<tk::Menu> makeSubmenu(const MenuStructure<T>& from,
                                      const std::weak_ptr<tk::Responder>& target = {},
                                      const std::optional<std::string>& action = std::nullopt) {
    if (!std::holds_alternative<typename MenuStructure<T>::Submenu>(from.value))
        return nullptr;
    std::vector<tk::MenuItem> items = menuItems(from, target, action);
    return items.empty() ? nullptr : items.front().submenu;
}

} // namespace Tessaly
