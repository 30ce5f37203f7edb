#pragma once

// PopUpButton: the button of a PopUpButtonCell (its cell class). A press on the enabled button
// opens the cell's menu through the window's menu presenter (over the control for a pop-up,
// below it for a pull-down) and keeps the button highlighted until the menu closes. Choosing an
// item selects it, performs the item's own action or handler when it has one, and sends the
// button's action. With the keyboard focus, Space opens the menu and Up and Down step the
// selection (pop-up only) to the previous or next enabled item, sending the action.
//
// Every pop-up button answers the actions "selectNextItem:" and "selectPreviousItem:" (what a
// button cycling it sends): from the selection onwards (backwards), then round from the other end,
// the first item that is enabled and neither a separator, a section header nor hidden is selected
// and the button's action is sent. When there is none nothing changes and nothing is sent.

#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/PopUpButtonCell.h"

#include <functional>

namespace tk {

class PopUpButton : public Button {
public:
    static constexpr const char* kSelectNextItemAction = "selectNextItem:";
    static constexpr const char* kSelectPreviousItemAction = "selectPreviousItem:";

    PopUpButton() = default;
    explicit PopUpButton(Rect frame, bool pullsDown = false) : Button(frame), pullsDownAtStart_(pullsDown) {}

    // The cell as a pop-up cell (none when a cell of another class was set).
    PopUpButtonCell* popUpCell() const;

    std::shared_ptr<Menu> menu() const;
    void setMenu(std::shared_ptr<Menu> menu);
    bool pullsDown() const;
    void setPullsDown(bool pullsDown);
    int numberOfItems() const;
    std::vector<MenuItem> itemArray() const;
    void setItemArray(std::vector<MenuItem> items);
    const MenuItem* itemAtIndex(int index) const;
    void addItem(std::string title);
    void addItems(const std::vector<std::string>& titles);
    void removeItem(int index);
    void removeAllItems();
    int indexOfItemWithTag(int tag) const;
    int indexOfItemWithTitle(std::string_view title) const;
    std::vector<std::string> itemTitles() const;
    const MenuItem* selectedItem() const;
    int indexOfSelectedItem() const;
    void selectItemAtIndex(int index);
    bool selectItemWithTag(int tag);
    bool selectItemWithTitle(std::string_view title);
    void selectItem(const MenuItem* item);
    std::string titleOfSelectedItem() const;
    // Step round the items as the file comment says; false when nothing was selected.
    bool selectNextItem();
    bool selectPreviousItem();

    // Opens the menu now (what a press does). False when disabled or there is nothing to show.
    bool showMenu();
    bool isMenuOpen() const { return menuOpen_; }
    // Runs each time the opened menu closes (after the choice, if one was made).
    void setMenuDidClose(std::function<void()> handler) { menuDidClose_ = std::move(handler); }

    bool mouseDown(const Event& event) override;
    bool keyDown(const Event& event) override;
    void performClick() override;
    bool respondsToAction(std::string_view action) const override;
    bool performAction(std::string_view action, const ActionSender& sender) override;

protected:
    std::unique_ptr<Cell> makeCell() const override;
    // The mode the button was made in (its cell is made in that mode).
    bool pullsDownAtStart() const { return pullsDownAtStart_; }
    // An item of the opened menu was chosen: `menu` holds it at `index`.
    virtual void itemChosen(const std::shared_ptr<Menu>& menu, int index);
    // Steps the selection by `step` over enabled, non-separator items; false when none.
    bool stepSelection(int step);

private:
    // Steps round the items by `direction` (+1, -1); see the file comment.
    bool cycleSelection(int direction);
    void menuClosed();
    std::function<void()> menuDidClose_;
    bool pullsDownAtStart_ = false;
    bool menuOpen_ = false;
};

} // namespace tk
