#pragma once

// PopUpButtonCell: the cell of a button that shows a menu - a list of items bound to the cell's
// menu, one of which may be selected.
//
// Two modes:
//   - pop-up (the default): the button shows the selected item's title; the menu opens over the
//     control with the selected item over the title, and the selected item carries the on mark.
//     Making the menu or adding the first item selects item 0.
//   - pull-down: item 0 is the button's title and is left out of the opened menu; the menu opens
//     below the control; nothing is selected by the list's own changes.
// With usesItemFromMenu false the button shows its own menuItem() (a fixed title) instead.
//
// Selection is by index (top level), by tag or title (top level), or by item (anywhere in the
// tree, submenus included: such an item is selected and shown, and indexOfSelectedItem() is -1).
// Choosing an item in the opened menu selects it, performs the item's own action or handler when
// it has one, and then sends the control's action (PopUpButton does both).
//
// All members are [main].

#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/view/Menu.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class PopUpButtonCell : public ButtonCell {
public:
    // Room the arrows take at the right edge of a bordered pop-up (points).
    static constexpr double kArrowWidth = 18;

    explicit PopUpButtonCell(std::string title = {}, bool pullsDown = false);

    // --- Menu and items -----------------------------------------------------------------------
    const std::shared_ptr<Menu>& menu() const { return menu_; }
    // The items now live in `menu` (an empty one when null); the selection starts anew.
    void setMenu(std::shared_ptr<Menu> menu);
    bool pullsDown() const { return pullsDown_; }
    void setPullsDown(bool pullsDown);
    int numberOfItems() const { return menu_->numberOfItems(); }
    const std::vector<MenuItem>& itemArray() const { return menu_->items(); }
    // Replaces every item; the selection starts anew.
    void setItemArray(std::vector<MenuItem> items);
    const MenuItem* itemAtIndex(int index) const { return menu_->item(index); }
    MenuItem* mutableItemAtIndex(int index) { return menu_->mutableItem(index); }
    void addItem(std::string title);
    void addItems(const std::vector<std::string>& titles);
    void addItem(MenuItem item);
    void insertItem(std::string title, int index);
    void removeItem(int index);
    void removeAllItems();
    int indexOfItemWithTag(int tag) const { return menu_->indexOfItemWithTag(tag); }
    int indexOfItemWithTitle(std::string_view title) const { return menu_->indexOfItemWithTitle(title); }
    // The first top-level item for which `matches` holds, or -1.
    int indexOfItemMatching(const std::function<bool(const MenuItem&)>& matches) const;
    std::vector<std::string> itemTitles() const;

    // --- Selection ----------------------------------------------------------------------------
    // The selected item (possibly inside a submenu), or null.
    const MenuItem* selectedItem() const;
    // Its index in the top-level list; -1 when nothing is selected or it lies in a submenu.
    int indexOfSelectedItem() const;
    // -1 (or an index out of range) selects nothing.
    void selectItemAtIndex(int index);
    // False (selection unchanged) when no top-level item has the tag / title.
    bool selectItemWithTag(int tag);
    bool selectItemWithTitle(std::string_view title);
    // `item` must be an item of the menu tree (found by identity); null or a stranger deselects.
    void selectItem(const MenuItem* item);
    std::string titleOfSelectedItem() const;

    // --- What the button shows ----------------------------------------------------------------
    bool usesItemFromMenu() const { return usesItemFromMenu_; }
    void setUsesItemFromMenu(bool uses);
    const MenuItem& menuItem() const { return menuItem_; }
    void setMenuItem(MenuItem item);
    // Pop-up: selects the top-level item with this title, adding one when there is none.
    // Pull-down: becomes item 0's title (item 0 is made when the list is empty).
    void setTitle(std::string title) override;

    // --- Opening ------------------------------------------------------------------------------
    // The menu as it opens from a control of `bounds`: a copy of the items (pull-down: without
    // item 0) whose choice calls `chosen` with the menu that holds the original item and its index
    // there. Opened at menuLocation(bounds), it reaches at least to the control's right edge, and a
    // pop-up's opens in place with its selected item highlighted. `closed` runs when whoever shows the copy lets it go (an item was
    // chosen, or the menu was dismissed). Null when there is nothing to show.
    using ChosenHandler = std::function<void(const std::shared_ptr<Menu>& menu, int index)>;
    std::shared_ptr<Menu> menuForOpening(const Rect& bounds, ChosenHandler chosen,
                                         std::function<void()> closed = {}) const;
    // Where the menu opens, in the control view's coordinates: over the control with the selected
    // item's row on it and the menu's titles starting where the button's does (pop-up), or below
    // the control (pull-down).
    Point menuLocation(const Rect& bounds) const;

    // --- Geometry and drawing -----------------------------------------------------------------
    Rect titleRect(const Rect& bounds) const override;
    Size cellSize() const override;
    void drawBezel(const Rect& frame, View& controlView, GraphicsContext& context) override;

private:
    // Keeps the cell's title (what ButtonCell draws) in step with what the button shows.
    void showSelection();
    void startSelection();
    std::shared_ptr<Menu> menu_ = std::make_shared<Menu>();
    std::weak_ptr<Menu> selectedMenu_;
    int selectedIndex_ = -1;
    MenuItem menuItem_;
    bool pullsDown_ = false;
    bool usesItemFromMenu_ = true;
};

} // namespace tk
