#pragma once

// Pop-up buttons tied to a value type T (MenuPresentable, with an integer raw value): filled from
// T's menu description, read back as a value, selected by value, and stepped to the next or
// previous usable item.
//
// An item stands for a value when its represented object holds that value's raw value (as the
// menu builder stores it). Items that stand for no value - section headers, submenu items,
// separators - are never selected by value, and choosing them yields no value.
//
// Binding (bindValues): published values select their items by tag; the button's actions report
// the selected value. (Stepping the selection is the pop-up button's own: selectNextItem.)
//
// All functions are [main].

#include "Tessaly/Menus/MenuBuilder.h"
#include "Tessaly/Menus/MenuPresentable.h"
#include "Tessaly/Publishers/ControlPublisher.h"
#include "platform/tk/base/Publisher.h"
#include "platform/tk/controls/PopUpButton.h"

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Tessaly {

namespace detail {

// The raw value an item's represented object holds, when it holds an integer.
std::optional<std::int64_t> representedInteger(const std::any& object);

template <MenuPresentable T> std::optional<T> valueForRaw(std::int64_t raw) {
    for (const T& candidate : MenuPresentation<T>::allCases())
        if (static_cast<std::int64_t>(rawValueOf(candidate)) == raw)
            return candidate;
    return std::nullopt;
}

} // namespace detail

// The value `item` stands for, if any.
template <MenuPresentable T> std::optional<T> valueOfItem(const tk::MenuItem& item) {
    if (item.isSeparator || item.isSectionHeader || item.submenu)
        return std::nullopt;
    const auto raw = detail::representedInteger(item.representedObject);
    return raw ? detail::valueForRaw<T>(*raw) : std::nullopt;
}

// Selects the first top-level item that stands for `value`; no match (or no menu) leaves the
// selection.
template <MenuPresentable T> void selectValue(tk::PopUpButton& button, const T& value) {
    const auto menu = button.menu();
    if (!menu)
        return;
    for (int i = 0; i < menu->numberOfItems(); ++i) {
        const auto v = valueOfItem<T>(*menu->item(i));
        if (v && rawValueOf(*v) == rawValueOf(value)) {
            button.selectItemAtIndex(i);
            return;
        }
    }
}

// Replaces the items with the menu T's description builds, then selects `value`.
template <MenuPresentable T> void fillWithValues(tk::PopUpButton& button, const T& value) {
    button.removeAllItems();
    auto menu = makeSubmenu(MenuPresentation<T>::menuStructure());
    button.setMenu(menu ? menu : std::make_shared<tk::Menu>());
    selectValue(button, value);
}

template <MenuPresentable T> std::optional<T> selectedValue(const tk::PopUpButton& button) {
    const tk::MenuItem* item = button.selectedItem();
    return item ? valueOfItem<T>(*item) : std::nullopt;
}

template <MenuPresentable T> T selectedValue(const tk::PopUpButton& button, const T& fallback) {
    return selectedValue<T>(button).value_or(fallback);
}

namespace detail {

// The index of the first top-level item with `tag` that stands for a value (items that stand for
// none - a heading, a submenu - may carry the same tag, 0 by default); -1 when there is none.
template <MenuPresentable T> int indexOfValueWithTag(const tk::PopUpButton& button, int tag) {
    for (int i = 0; i < button.numberOfItems(); ++i) {
        const tk::MenuItem* item = button.itemAtIndex(i);
        if (item->tag == tag && valueOfItem<T>(*item))
            return i;
    }
    return -1;
}

} // namespace detail

// The value of the first item with `tag` that stands for a value.
template <MenuPresentable T> std::optional<T> valueForTag(const tk::PopUpButton& button, int tag) {
    const tk::MenuItem* item = button.itemAtIndex(detail::indexOfValueWithTag<T>(button, tag));
    return item ? valueOfItem<T>(*item) : std::nullopt;
}

// Selects the item of `value` by its tag; only an item that stands for a value is selected.
template <MenuPresentable T> void selectValueByTag(tk::PopUpButton& button, const T& value) {
    const int index = detail::indexOfValueWithTag<T>(button, static_cast<int>(rawValueOf(value)));
    if (index >= 0)
        button.selectItemAtIndex(index);
}

// Fills the button and selects `initial`; then each value `values` sends selects the item of its
// tag (the button is held weakly), and each action of the button - through its action publisher,
// which becomes its target - calls `changed` with the selected item's value, when that item stands
// for one. Both subscriptions are added to `cancellables`.
template <MenuPresentable T>
void bindValues(tk::PopUpButton& button, const T& initial, const tk::Publisher<T>& values,
                std::vector<tk::Cancellable>& cancellables, std::function<void(const T&)> changed) {
    fillWithValues(button, initial);
    auto weak = std::weak_ptr<tk::View>(button.sharedView());
    cancellables.push_back(values.sink([weak](const T& value) {
        if (auto view = weak.lock())
            selectValueByTag(static_cast<tk::PopUpButton&>(*view), value);
    }));
    cancellables.push_back(
        actionPublisher(button).sink([changed = std::move(changed)](tk::PopUpButton* sender) {
            if (!sender || !changed)
                return;
            if (const tk::MenuItem* item = sender->selectedItem())
                if (const auto value = valueOfItem<T>(*item))
                    changed(*value);
        }));
}

} // namespace Tessaly
