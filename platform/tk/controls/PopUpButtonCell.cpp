#include "platform/tk/controls/PopUpButtonCell.h"

#include "platform/tk/controls/MenuPresentation.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/MenuView.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

// Depth first: the menu holding `item` (by identity) and the item's index there.
bool findItem(const std::shared_ptr<Menu>& menu, const MenuItem* item, std::shared_ptr<Menu>& holder,
              int& index) {
    for (int i = 0; i < menu->numberOfItems(); ++i) {
        const MenuItem* candidate = menu->item(i);
        if (candidate == item) {
            holder = menu;
            index = i;
            return true;
        }
        if (candidate->submenu && findItem(candidate->submenu, item, holder, index))
            return true;
    }
    return false;
}

std::shared_ptr<Menu> copyForOpening(const std::shared_ptr<Menu>& menu, int first,
                                     const std::shared_ptr<PopUpButtonCell::ChosenHandler>& chosen) {
    auto copy = std::make_shared<Menu>(menu->title());
    for (int i = first; i < menu->numberOfItems(); ++i) {
        MenuItem item = *menu->item(i);
        if (item.submenu) {
            item.submenu = copyForOpening(item.submenu, 0, chosen);
        } else if (!item.isSeparator) {
            item.handler = [chosen, weakMenu = std::weak_ptr<Menu>(menu), i](const MenuItem&) {
                if (auto original = weakMenu.lock())
                    (*chosen)(original, i);
            };
        }
        copy->addItem(std::move(item));
    }
    return copy;
}

} // namespace

PopUpButtonCell::PopUpButtonCell(std::string title, bool pullsDown) : pullsDown_(pullsDown) {
    setImagePosition(ImagePosition::noImage);
    setAlignment(TextAlignment::leading);
    if (!title.empty())
        addItem(std::move(title));
}

void PopUpButtonCell::setMenu(std::shared_ptr<Menu> menu) {
    menu_ = menu ? std::move(menu) : std::make_shared<Menu>();
    startSelection();
}

void PopUpButtonCell::setPullsDown(bool pullsDown) {
    if (pullsDown == pullsDown_)
        return;
    pullsDown_ = pullsDown;
    startSelection();
}

void PopUpButtonCell::setItemArray(std::vector<MenuItem> items) {
    menu_->removeAllItems();
    for (auto& item : items)
        menu_->addItem(std::move(item));
    startSelection();
}

void PopUpButtonCell::addItem(std::string title) {
    addItem(MenuItem(std::move(title)));
}

void PopUpButtonCell::addItems(const std::vector<std::string>& titles) {
    for (const auto& title : titles)
        addItem(title);
}

void PopUpButtonCell::addItem(MenuItem item) {
    menu_->addItem(std::move(item));
    if (menu_->numberOfItems() == 1)
        startSelection();
    else
        showSelection();
}

void PopUpButtonCell::insertItem(std::string title, int index) {
    const bool selectedHere = selectedMenu_.lock() == menu_ && selectedIndex_ >= index;
    menu_->insertItem(MenuItem(std::move(title)), index);
    if (selectedHere)
        ++selectedIndex_;
    if (menu_->numberOfItems() == 1)
        startSelection();
    else
        showSelection();
}

void PopUpButtonCell::removeItem(int index) {
    if (!menu_->item(index))
        return;
    const bool top = selectedMenu_.lock() == menu_;
    menu_->removeItem(index);
    if (top && selectedIndex_ == index)
        startSelection();
    else {
        if (top && selectedIndex_ > index)
            --selectedIndex_;
        showSelection();
    }
}

void PopUpButtonCell::removeAllItems() {
    menu_->removeAllItems();
    startSelection();
}

int PopUpButtonCell::indexOfItemMatching(const std::function<bool(const MenuItem&)>& matches) const {
    for (int i = 0; i < menu_->numberOfItems(); ++i)
        if (matches(*menu_->item(i)))
            return i;
    return -1;
}

std::vector<std::string> PopUpButtonCell::itemTitles() const {
    std::vector<std::string> titles;
    for (const auto& item : menu_->items())
        titles.push_back(item.title);
    return titles;
}

const MenuItem* PopUpButtonCell::selectedItem() const {
    auto menu = selectedMenu_.lock();
    return menu ? menu->item(selectedIndex_) : nullptr;
}

int PopUpButtonCell::indexOfSelectedItem() const {
    return selectedMenu_.lock() == menu_ && menu_->item(selectedIndex_) ? selectedIndex_ : -1;
}

void PopUpButtonCell::selectItemAtIndex(int index) {
    selectItem(menu_->item(index));
}

bool PopUpButtonCell::selectItemWithTag(int tag) {
    const int index = indexOfItemWithTag(tag);
    if (index < 0)
        return false;
    selectItemAtIndex(index);
    return true;
}

bool PopUpButtonCell::selectItemWithTitle(std::string_view title) {
    const int index = indexOfItemWithTitle(title);
    if (index < 0)
        return false;
    selectItemAtIndex(index);
    return true;
}

void PopUpButtonCell::selectItem(const MenuItem* item) {
    if (!pullsDown_)
        if (auto menu = selectedMenu_.lock())
            if (MenuItem* previous = menu->mutableItem(selectedIndex_))
                previous->state = MenuItemState::off;
    std::shared_ptr<Menu> holder;
    int index = -1;
    if (item && findItem(menu_, item, holder, index)) {
        selectedMenu_ = holder;
        selectedIndex_ = index;
        if (!pullsDown_)
            holder->mutableItem(index)->state = MenuItemState::on;
    } else {
        selectedMenu_.reset();
        selectedIndex_ = -1;
    }
    showSelection();
}

std::string PopUpButtonCell::titleOfSelectedItem() const {
    const MenuItem* item = selectedItem();
    return item ? item->title : std::string();
}

void PopUpButtonCell::setUsesItemFromMenu(bool uses) {
    usesItemFromMenu_ = uses;
    showSelection();
}

void PopUpButtonCell::setMenuItem(MenuItem item) {
    menuItem_ = std::move(item);
    showSelection();
}

void PopUpButtonCell::setTitle(std::string title) {
    if (!usesItemFromMenu_) {
        menuItem_.title = std::move(title);
    } else if (pullsDown_) {
        if (MenuItem* first = menu_->mutableItem(0))
            first->title = std::move(title);
        else
            menu_->addItem(MenuItem(std::move(title)));
    } else if (!selectItemWithTitle(title)) {
        menu_->addItem(MenuItem(std::move(title)));
        selectItemAtIndex(menu_->numberOfItems() - 1);
    }
    showSelection();
}

void PopUpButtonCell::startSelection() {
    selectedMenu_.reset();
    selectedIndex_ = -1;
    if (!pullsDown_ && menu_->numberOfItems() > 0)
        selectItemAtIndex(0);
    else
        showSelection();
}

void PopUpButtonCell::showSelection() {
    std::string shown;
    if (!usesItemFromMenu_)
        shown = menuItem_.title;
    else if (pullsDown_)
        shown = menu_->item(0) ? menu_->item(0)->title : std::string();
    else
        shown = titleOfSelectedItem();
    if (shown != title())
        ButtonCell::setTitle(std::move(shown));
}

std::shared_ptr<Menu> PopUpButtonCell::menuForOpening(const Rect& bounds, ChosenHandler chosen,
                                                      std::function<void()> closed) const {
    const int first = pullsDown_ ? 1 : 0;
    if (menu_->numberOfItems() <= first)
        return nullptr;
    auto shared = std::make_shared<ChosenHandler>(std::move(chosen));
    Menu copy = std::move(*copyForOpening(menu_, first, shared));
    // Wide enough to cover the button's arrows at its right edge.
    copy.setMinimumWidth(bounds.maxX() - menuLocation(bounds).x);
    copy.setOpensInPlace(!pullsDown_);
    if (!pullsDown_)
        copy.setHighlightedIndexOnOpening(indexOfSelectedItem());
    return menuCopyReportingClose(std::move(copy), std::move(closed));
}

Point PopUpButtonCell::menuLocation(const Rect& bounds) const {
    if (pullsDown_)
        return Point{bounds.minX(), bounds.maxY()};
    // The rows as the menu shows them, with the modifiers it opens with.
    const ModifierFlags modifiers = currentModifierFlags();
    const double above = MenuView::rowOffset(*menu_, indexOfSelectedItem(), modifiers);
    // The titles' column lies over the button's title.
    const double x = bounds.minX() + titleRect(bounds).minX() - MenuView::titleInset(*menu_, modifiers);
    return Point{std::round(x), std::round(bounds.midY() - MenuView::kItemHeight / 2 - above)};
}

Rect PopUpButtonCell::titleRect(const Rect& bounds) const {
    Rect r = ButtonCell::titleRect(bounds);
    if (isBordered() || isBezeled())
        r.size.width = std::max(0.0, std::min(r.width(), bounds.maxX() - kArrowWidth - r.minX()));
    return r;
}

Size PopUpButtonCell::cellSize() const {
    Size size = ButtonCell::cellSize();
    if (isBordered() || isBezeled())
        size.width += kArrowWidth;
    return size;
}

void PopUpButtonCell::drawBezel(const Rect& frame, View& controlView, GraphicsContext& context) {
    ButtonCell::drawBezel(frame, controlView, context);
    // The arrows: a small chevron pair (pop-up) or one down chevron (pull-down) at the right.
    const double cx = frame.maxX() - kArrowWidth / 2 - 2;
    const double cy = frame.midY();
    const Color ink = isEnabled() ? controlTextColor() : disabledControlTextColor();
    StrokeStyle style;
    style.lineWidth = 1.5;
    style.lineCap = LineCap::round;
    style.lineJoin = LineJoin::round;
    Path arrows;
    if (pullsDown_) {
        arrows.moveTo({cx - 3.5, cy - 1.5});
        arrows.lineTo({cx, cy + 2});
        arrows.lineTo({cx + 3.5, cy - 1.5});
    } else {
        arrows.moveTo({cx - 3, cy - 2});
        arrows.lineTo({cx, cy - 5});
        arrows.lineTo({cx + 3, cy - 2});
        arrows.moveTo({cx - 3, cy + 2});
        arrows.lineTo({cx, cy + 5});
        arrows.lineTo({cx + 3, cy + 2});
    }
    context.strokePath(arrows, ink, style);
}

} // namespace tk
