#include "platform/tk/controls/PopUpButton.h"

#include "platform/tk/view/Window.h"

namespace tk {

namespace {

// An item the selection may be stepped onto.
bool steppable(const MenuItem& item) {
    return item.enabled && !item.isSeparator && !item.isSectionHeader && !item.hidden;
}

} // namespace

std::unique_ptr<Cell> PopUpButton::makeCell() const {
    return std::make_unique<PopUpButtonCell>(std::string(), pullsDownAtStart_);
}

PopUpButtonCell* PopUpButton::popUpCell() const {
    return dynamic_cast<PopUpButtonCell*>(cell());
}

std::shared_ptr<Menu> PopUpButton::menu() const {
    auto* c = popUpCell();
    return c ? c->menu() : nullptr;
}

void PopUpButton::setMenu(std::shared_ptr<Menu> menu) {
    if (auto* c = popUpCell())
        c->setMenu(std::move(menu));
}

bool PopUpButton::pullsDown() const {
    auto* c = popUpCell();
    return c && c->pullsDown();
}

void PopUpButton::setPullsDown(bool pullsDown) {
    if (auto* c = popUpCell())
        c->setPullsDown(pullsDown);
}

int PopUpButton::numberOfItems() const {
    auto* c = popUpCell();
    return c ? c->numberOfItems() : 0;
}

std::vector<MenuItem> PopUpButton::itemArray() const {
    auto* c = popUpCell();
    return c ? c->itemArray() : std::vector<MenuItem>{};
}

void PopUpButton::setItemArray(std::vector<MenuItem> items) {
    if (auto* c = popUpCell())
        c->setItemArray(std::move(items));
}

const MenuItem* PopUpButton::itemAtIndex(int index) const {
    auto* c = popUpCell();
    return c ? c->itemAtIndex(index) : nullptr;
}

void PopUpButton::addItem(std::string title) {
    if (auto* c = popUpCell())
        c->addItem(std::move(title));
}

void PopUpButton::addItems(const std::vector<std::string>& titles) {
    if (auto* c = popUpCell())
        c->addItems(titles);
}

void PopUpButton::removeItem(int index) {
    if (auto* c = popUpCell())
        c->removeItem(index);
}

void PopUpButton::removeAllItems() {
    if (auto* c = popUpCell())
        c->removeAllItems();
}

int PopUpButton::indexOfItemWithTag(int tag) const {
    auto* c = popUpCell();
    return c ? c->indexOfItemWithTag(tag) : -1;
}

int PopUpButton::indexOfItemWithTitle(std::string_view title) const {
    auto* c = popUpCell();
    return c ? c->indexOfItemWithTitle(title) : -1;
}

std::vector<std::string> PopUpButton::itemTitles() const {
    auto* c = popUpCell();
    return c ? c->itemTitles() : std::vector<std::string>{};
}

const MenuItem* PopUpButton::selectedItem() const {
    auto* c = popUpCell();
    return c ? c->selectedItem() : nullptr;
}

int PopUpButton::indexOfSelectedItem() const {
    auto* c = popUpCell();
    return c ? c->indexOfSelectedItem() : -1;
}

void PopUpButton::selectItemAtIndex(int index) {
    if (auto* c = popUpCell())
        c->selectItemAtIndex(index);
}

bool PopUpButton::selectItemWithTag(int tag) {
    auto* c = popUpCell();
    return c && c->selectItemWithTag(tag);
}

bool PopUpButton::selectItemWithTitle(std::string_view title) {
    auto* c = popUpCell();
    return c && c->selectItemWithTitle(title);
}

void PopUpButton::selectItem(const MenuItem* item) {
    if (auto* c = popUpCell())
        c->selectItem(item);
}

std::string PopUpButton::titleOfSelectedItem() const {
    auto* c = popUpCell();
    return c ? c->titleOfSelectedItem() : std::string();
}

bool PopUpButton::showMenu() {
    auto* c = popUpCell();
    Window* w = window();
    if (!c || !w || !isEnabled() || menuOpen_)
        return false;
    auto weakSelf = std::weak_ptr<PopUpButton>(std::static_pointer_cast<PopUpButton>(sharedView()));
    auto menu = c->menuForOpening(
        bounds(),
        [weakSelf](const std::shared_ptr<Menu>& holder, int index) {
            if (auto self = weakSelf.lock())
                self->itemChosen(holder, index);
        },
        [weakSelf] {
            if (auto self = weakSelf.lock())
                self->menuClosed();
        });
    if (!menu)
        return false;
    menuOpen_ = true;
    Control::setHighlighted(true);
    cell()->highlight(true, bounds(), *this);
    w->popUpMenu(std::move(menu), convertToWindow(c->menuLocation(bounds())));
    return true;
}

void PopUpButton::menuClosed() {
    menuOpen_ = false;
    Control::setHighlighted(false);
    cell()->highlight(false, bounds(), *this);
    if (menuDidClose_)
        menuDidClose_();
}

void PopUpButton::itemChosen(const std::shared_ptr<Menu>& menu, int index) {
    auto keep = weak_from_this().lock();
    const MenuItem* item = menu->item(index);
    if (!item)
        return;
    if (auto* c = popUpCell())
        c->selectItem(item);
    if (Window* w = window(); w && (item->handler || !item->action.empty())) {
        const MenuItem performed = *item; // the menu may change while the action runs
        w->performMenuItem(performed);
    }
    sendAction();
}

bool PopUpButton::stepSelection(int step) {
    auto* c = popUpCell();
    if (!c || c->pullsDown())
        return false;
    for (int i = c->indexOfSelectedItem() + step; i >= 0 && i < c->numberOfItems(); i += step) {
        const MenuItem* item = c->itemAtIndex(i);
        if (steppable(*item)) {
            c->selectItemAtIndex(i);
            sendAction();
            return true;
        }
    }
    return false;
}

bool PopUpButton::cycleSelection(int direction) {
    const int count = numberOfItems();
    if (count == 0)
        return false;
    const int s = indexOfSelectedItem();
    // s + 1 ... end, then 0 ... s - 1 (mirrored backwards); with nothing selected, every item.
    const int start = s < 0 ? (direction > 0 ? 0 : count - 1) : s + direction;
    const int span = s < 0 ? count : count - 1;
    for (int k = 0; k < span; ++k) {
        const int i = ((start + direction * k) % count + count) % count;
        if (steppable(*itemAtIndex(i))) {
            selectItemAtIndex(i);
            if (!action().empty())
                sendAction();
            return true;
        }
    }
    return false;
}

bool PopUpButton::selectNextItem() {
    return cycleSelection(+1);
}

bool PopUpButton::selectPreviousItem() {
    return cycleSelection(-1);
}

bool PopUpButton::respondsToAction(std::string_view action) const {
    return action == kSelectNextItemAction || action == kSelectPreviousItemAction ||
           Button::respondsToAction(action);
}

bool PopUpButton::performAction(std::string_view action, const ActionSender& sender) {
    if (action == kSelectNextItemAction) {
        selectNextItem();
        return true;
    }
    if (action == kSelectPreviousItemAction) {
        selectPreviousItem();
        return true;
    }
    return Button::performAction(action, sender);
}

bool PopUpButton::mouseDown(const Event& event) {
    if (!isEnabled())
        return false;
    (void)event;
    showMenu();
    return true;
}

void PopUpButton::performClick() {
    showMenu();
}

bool PopUpButton::keyDown(const Event& event) {
    const ModifierFlags shortcut = event.modifierFlags & kShortcutModifierMask;
    if (isEnabled() && shortcut == ModifierFlags::none) {
        if (event.keyCode == KeyCode::upArrow) {
            stepSelection(-1);
            return true;
        }
        if (event.keyCode == KeyCode::downArrow) {
            stepSelection(+1);
            return true;
        }
    }
    return Button::keyDown(event); // Space performs a click: the menu opens
}

} // namespace tk
