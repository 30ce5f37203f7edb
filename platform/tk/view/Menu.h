#pragma once

// Menus as plain data: a titled list of items (title, action name, key equivalent, enabled,
// separator, submenu, tag, represented object). A window performs an item through its action
// (sent to the item's target, or up the responder chain from the first responder) or through a
// handler closure, matches key equivalents against key-down events, and shows a menu through the
// backend's menu presenter.
//
// Key equivalents: a single character ("q", "u", ","), upper case implying Shift, with the item's
// modifier mask (command by default). On this platform Control stands in for command when the item
// asks for command and not for control, so "command-Q" is also Ctrl+Q.

#include "platform/tk/view/Event.h"

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class Menu;
class Responder;

enum class MenuItemState { off, on, mixed };

class MenuItem {
public:
    using Handler = std::function<void(const MenuItem&)>;

    MenuItem() = default;
    MenuItem(std::string title, std::string action = {}, std::string keyEquivalent = {});
    static MenuItem separator();

    std::string title;
    std::string action;
    std::string keyEquivalent;
    ModifierFlags keyEquivalentModifierMask = ModifierFlags::command;
    bool enabled = true;
    bool isSeparator = false;
    bool hidden = false;
    MenuItemState state = MenuItemState::off;
    int tag = 0;
    std::any representedObject;
    std::string toolTip;
    // Receives the action; when empty the action goes up the first responder's chain.
    std::weak_ptr<Responder> target;
    // Runs instead of the action when set.
    Handler handler;
    std::shared_ptr<Menu> submenu;

    bool hasSubmenu() const { return submenu != nullptr; }
    // Whether `event` (a key-down) is this item's key equivalent.
    bool matchesKeyEquivalent(const Event& event) const;
    // "Ctrl+Q", "Ctrl+Shift+U": the shortcut as shown next to the title (empty without one).
    std::string keyEquivalentDisplayString() const;
};

class Menu {
public:
    Menu() = default;
    explicit Menu(std::string title) : title_(std::move(title)) {}

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    const std::vector<MenuItem>& items() const { return items_; }
    std::vector<MenuItem>& mutableItems() { return items_; }
    int numberOfItems() const { return int(items_.size()); }
    // Null when out of range.
    const MenuItem* item(int index) const;
    MenuItem* mutableItem(int index);

    MenuItem& addItem(MenuItem item);
    MenuItem& addItem(std::string title, std::string action, std::string keyEquivalent = {});
    void addSeparator();
    // Clamped to 0..count.
    MenuItem& insertItem(MenuItem item, int index);
    void removeItem(int index);
    void removeAllItems() { items_.clear(); }

    int indexOfItemWithTag(int tag) const; // -1 when none
    int indexOfItemWithTitle(std::string_view title) const;
    MenuItem* itemWithTag(int tag);
    MenuItem* itemWithTitle(std::string_view title);

    // Depth first, submenus included: the enabled, visible item whose key equivalent `event` is.
    const MenuItem* itemForKeyEquivalent(const Event& event) const;

private:
    std::string title_;
    std::vector<MenuItem> items_;
};

} // namespace tk
