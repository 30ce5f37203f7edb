#pragma once

// Menus as plain data: a titled list of items (title, action name, key equivalent, enabled,
// separator or section header, submenu, tag, represented object, images). An item marked as an
// alternate stands in for the item before it while the Option key is held. A menu's delegate is
// asked to bring the menu up to date right before it opens (Menu::update()). A window performs an item
// through its action (sent to the item's target, or up the responder chain from the first responder) or
// through a handler closure, matches key equivalents against key-down events, and shows a menu through the
// backend's menu presenter.
//
// Key equivalents: a single character ("q", "u", ","), upper case implying Shift, with the item's
// modifier mask (command by default). On this platform Control stands in for command when the item
// asks for command and not for control, so "command-Q" is also Ctrl+Q.

#include "platform/tk/graphics/Image.h"
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
    // A title that heads the items below it; it cannot be chosen.
    static MenuItem sectionHeader(std::string title);

    std::string title;
    std::string action;
    std::string keyEquivalent;
    ModifierFlags keyEquivalentModifierMask = ModifierFlags::command;
    bool enabled = true;
    bool isSeparator = false;
    bool isSectionHeader = false;
    // Shown instead of the item before it while its modifier mask (Option) is held.
    bool isAlternate = false;
    bool hidden = false;
    MenuItemState state = MenuItemState::off;
    int tag = 0;
    std::any representedObject;
    std::string toolTip;
    // Empty images draw nothing. The state images replace the check mark for that state.
    Image image;
    Image onStateImage;
    Image offStateImage;
    Image mixedStateImage;
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

// Asked before a menu opens, so that it can fill the menu (a list of recent files, say).
class MenuDelegate {
public:
    virtual ~MenuDelegate() = default;
    virtual void menuNeedsUpdate(Menu& menu) = 0;
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

    // Whether the items' enabled flags are worked out from their targets (true) or kept as set.
    bool autoenablesItems() const { return autoenablesItems_; }
    void setAutoenablesItems(bool autoenables) { autoenablesItems_ = autoenables; }
    // Not owned: whoever sets it keeps it alive.
    MenuDelegate* delegate() const { return delegate_.lock().get(); }
    void setDelegate(std::weak_ptr<MenuDelegate> delegate) { delegate_ = std::move(delegate); }
    // [main] Asks the delegate to update the menu; presenters call it right before the menu opens.
    void update();

    // How wide the menu opens at least (points); 0 leaves its width to its rows.
    double minimumWidth() const { return minimumWidth_; }
    void setMinimumWidth(double width) { minimumWidth_ = width; }
    // Whether the menu opens with its rows where it was asked even when some of them fall outside
    // the window (a pop-up's selected row over its button), or moves to fit inside the window.
    bool opensInPlace() const { return opensInPlace_; }
    void setOpensInPlace(bool inPlace) { opensInPlace_ = inPlace; }
    // The item highlighted as the menu opens (a pop-up's selected item), so that Return keeps it
    // and the arrow keys go on from it; -1 highlights nothing.
    int highlightedIndexOnOpening() const { return highlightedIndexOnOpening_; }
    void setHighlightedIndexOnOpening(int index) { highlightedIndexOnOpening_ = index; }

    // The items as shown while `modifiers` are held: each alternate whose mask is held takes the
    // place of the item before it; other alternates are left out. Indices into items().
    std::vector<int> visibleItemIndices(ModifierFlags modifiers) const;

    // Depth first, submenus included: the enabled, visible item whose key equivalent `event` is.
    const MenuItem* itemForKeyEquivalent(const Event& event) const;

private:
    std::string title_;
    std::vector<MenuItem> items_;
    std::weak_ptr<MenuDelegate> delegate_;
    bool autoenablesItems_ = true;
    double minimumWidth_ = 0;
    bool opensInPlace_ = false;
    int highlightedIndexOnOpening_ = -1;
};

} // namespace tk
