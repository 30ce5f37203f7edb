#pragma once

// StyledPopUpButtonWrapper<T>: a StyledPopUpButton inside declarative views. The caller describes
// the menu as PopupItem<T> values (items, dividers, disabled items, images, nested submenus) and
// binds the selected value; the wrapper builds the menu, shows the bound value as the selection and
// writes the user's choice back through its coordinator.
//
//     StyledPopUpButtonWrapper<Speed>({.items = {PopupItem<Speed>(Speed::slow, "Slow"),
//     PopupItem<Speed>::divider(),
//                                                PopupItem<Speed>(Speed::fast, "Fast")},
//                                      .selection = speed.binding(),
//                                      .label = "Speed"}).node()
//
// Every update rebuilds the menu from the current items, selects the first item (depth first,
// submenus included) whose value equals the binding's - an item inside a submenu is selected there
// and its title shown on the button, and no top-level item is added or selected for it - sets the
// label, hands the coordinator the latest binding, and enables the button as the environment does
// (a disabled place disables it). The menus keep their items' enabled flags as given. The fixed
// width is read once, when the button is made.
//
// All of it is [main].

#include "Tessaly/Controls/StyledPopUpButton.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/Representable.h"
#include "platform/tk/ui/State.h"

#include <any>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Tessaly {

// Values with a title of their own, offered for making items from them.
template <class T>
concept Displayable = requires(const T& v) {
    { displayTitle(v) } -> std::convertible_to<std::string>;
};

template <class T> struct PopupItem {
    std::optional<T> object;
    std::string title;
    tk::Image image;
    bool isDivider = false;
    bool isEnabled = true;
    std::optional<std::vector<PopupItem>> subMenu;

    PopupItem(std::optional<T> object_, std::string title_, tk::Image image_ = {}, bool enabled = true)
        : object(std::move(object_)), title(std::move(title_)), image(std::move(image_)), isEnabled(enabled) {
    }
    explicit PopupItem(bool divider) : isDivider(divider) {}
    static PopupItem divider() { return PopupItem(true); }
    // From a value with its own title.
    template <Displayable D> static PopupItem displaying(const D& value, tk::Image image_ = {}) {
        std::optional<T> object_;
        if constexpr (std::is_convertible_v<D, T>)
            object_ = T(value);
        return PopupItem(std::move(object_), displayTitle(value), std::move(image_));
    }
};

template <class T> class StyledPopUpButtonWrapper {
public:
    struct Coordinator {
        tk::ui::Binding<T> selection;
        // The action of every item: the item's value, when it has one, becomes the selection.
        void menuItemSelected(const tk::MenuItem& item) const {
            if (const auto* value = std::any_cast<T>(&item.representedObject))
                selection.set(*value);
        }
    };

    struct Options {
        std::vector<PopupItem<T>> items;
        tk::ui::Binding<T> selection;
        std::optional<std::string> label = std::nullopt;
        std::optional<double> fixedWidth = std::nullopt;
    };

    explicit StyledPopUpButtonWrapper(Options options) : options_(std::move(options)) {}

    tk::ui::Node node() const {
        auto options = options_;
        return tk::ui::RepresentableWithCoordinator<StyledPopUpButton, std::shared_ptr<Coordinator>>({
            .makeCoordinator =
                [options] { return std::make_shared<Coordinator>(Coordinator{options.selection}); },
            .make =
                [options](std::shared_ptr<Coordinator>& coordinator) {
                    auto button = tk::View::make<StyledPopUpButton>(tk::Rect{}, false, options.fixedWidth);
                    button->setLabel(options.label);
                    button->menu()->setAutoenablesItems(false);
                    build(*button, options, coordinator);
                    return button;
                },
            .update =
                [options](StyledPopUpButton& button, std::shared_ptr<Coordinator>& coordinator) {
                    button.removeAllItems();
                    build(button, options, coordinator);
                    button.setLabel(options.label);
                    coordinator->selection = options.selection;
                    button.setEnabled(tk::ui::environment<tk::ui::IsEnabledKey>());
                },
        });
    }

    // The menu item of one PopupItem (its submenu built the same way).
    static tk::MenuItem makeItem(const PopupItem<T>& item, const std::shared_ptr<Coordinator>& coordinator) {
        if (item.isDivider)
            return tk::MenuItem::separator();
        tk::MenuItem menuItem(item.title, "menuItemSelected:");
        menuItem.handler = [weak = std::weak_ptr<Coordinator>(coordinator)](const tk::MenuItem& chosen) {
            if (auto c = weak.lock())
                c->menuItemSelected(chosen);
        };
        if (item.object)
            menuItem.representedObject = *item.object;
        menuItem.enabled = item.isEnabled;
        menuItem.image = item.image;
        if (item.subMenu) {
            auto submenu = std::make_shared<tk::Menu>(item.title);
            submenu->setAutoenablesItems(false);
            for (const auto& child : *item.subMenu)
                submenu->addItem(makeItem(child, coordinator));
            menuItem.submenu = submenu;
        }
        return menuItem;
    }

private:
    static void build(StyledPopUpButton& button, const Options& options,
                      const std::shared_ptr<Coordinator>& coordinator) {
        auto menu = button.menu();
        if (!menu)
            return;
        std::vector<tk::MenuItem> items;
        for (const auto& item : options.items)
            items.push_back(makeItem(item, coordinator));
        button.setItemArray(std::move(items));
        const T current = options.selection.get();
        if (const tk::MenuItem* match = firstItemWithValue(*menu, current))
            button.selectItem(match);
    }

    static const tk::MenuItem* firstItemWithValue(const tk::Menu& menu, const T& value) {
        for (const tk::MenuItem& item : menu.items()) {
            if (const auto* v = std::any_cast<T>(&item.representedObject); v && *v == value)
                return &item;
            if (item.submenu)
                if (const tk::MenuItem* inner = firstItemWithValue(*item.submenu, value))
                    return inner;
        }
        return nullptr;
    }

    Options options_;
};

} // namespace Tessaly
