#include "platform/tk/view/Menu.h"

#include <algorithm>

namespace tk {

namespace {
std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}
bool isUpperAscii(const std::string& s) {
    return s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z';
}
} // namespace

MenuItem::MenuItem(std::string itemTitle, std::string itemAction, std::string key)
    : title(std::move(itemTitle)), action(std::move(itemAction)), keyEquivalent(std::move(key)) {}

MenuItem MenuItem::separator() {
    MenuItem item;
    item.isSeparator = true;
    item.enabled = false;
    return item;
}

MenuItem MenuItem::sectionHeader(std::string title) {
    MenuItem item(std::move(title));
    item.isSectionHeader = true;
    item.enabled = false;
    return item;
}

bool MenuItem::matchesKeyEquivalent(const Event& event) const {
    if (keyEquivalent.empty() || event.type != EventType::keyDown)
        return false;
    const std::string& keyChars =
        event.charactersIgnoringModifiers.empty() ? event.characters : event.charactersIgnoringModifiers;
    if (lowerAscii(keyChars) != lowerAscii(keyEquivalent))
        return false;
    ModifierFlags wanted = keyEquivalentModifierMask & kShortcutModifierMask;
    if (isUpperAscii(keyEquivalent))
        wanted |= ModifierFlags::shift;
    ModifierFlags held = event.modifierFlags & kShortcutModifierMask;
    if (contains(wanted, ModifierFlags::command) && !contains(wanted, ModifierFlags::control) &&
        contains(held, ModifierFlags::control) && !contains(held, ModifierFlags::command))
        held = (held & ~ModifierFlags::control) | ModifierFlags::command;
    return held == wanted;
}

std::string MenuItem::keyEquivalentDisplayString() const {
    if (keyEquivalent.empty())
        return {};
    std::string s;
    const ModifierFlags m = keyEquivalentModifierMask;
    if (contains(m, ModifierFlags::command) || contains(m, ModifierFlags::control))
        s += "Ctrl+";
    if (contains(m, ModifierFlags::option))
        s += "Alt+";
    if (contains(m, ModifierFlags::shift) || isUpperAscii(keyEquivalent))
        s += "Shift+";
    std::string key = keyEquivalent;
    if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'z')
        key[0] = char(key[0] - 'a' + 'A');
    return s + key;
}

const MenuItem* Menu::item(int index) const {
    return index >= 0 && index < numberOfItems() ? &items_[std::size_t(index)] : nullptr;
}

MenuItem* Menu::mutableItem(int index) {
    return index >= 0 && index < numberOfItems() ? &items_[std::size_t(index)] : nullptr;
}

MenuItem& Menu::addItem(MenuItem item) {
    items_.push_back(std::move(item));
    return items_.back();
}

MenuItem& Menu::addItem(std::string title, std::string action, std::string keyEquivalent) {
    return addItem(MenuItem(std::move(title), std::move(action), std::move(keyEquivalent)));
}

void Menu::addSeparator() {
    addItem(MenuItem::separator());
}

MenuItem& Menu::insertItem(MenuItem item, int index) {
    const auto at = std::clamp(index, 0, numberOfItems());
    return *items_.insert(items_.begin() + at, std::move(item));
}

void Menu::removeItem(int index) {
    if (index >= 0 && index < numberOfItems())
        items_.erase(items_.begin() + index);
}

int Menu::indexOfItemWithTag(int tag) const {
    for (int i = 0; i < numberOfItems(); ++i)
        if (items_[std::size_t(i)].tag == tag)
            return i;
    return -1;
}

int Menu::indexOfItemWithTitle(std::string_view title) const {
    for (int i = 0; i < numberOfItems(); ++i)
        if (items_[std::size_t(i)].title == title)
            return i;
    return -1;
}

MenuItem* Menu::itemWithTag(int tag) {
    return mutableItem(indexOfItemWithTag(tag));
}

MenuItem* Menu::itemWithTitle(std::string_view title) {
    return mutableItem(indexOfItemWithTitle(title));
}

const MenuItem* Menu::itemForKeyEquivalent(const Event& event) const {
    for (const MenuItem& item : items_) {
        if (item.isSeparator || item.hidden)
            continue;
        if (item.enabled && item.matchesKeyEquivalent(event))
            return &item;
        if (item.submenu)
            if (const MenuItem* found = item.submenu->itemForKeyEquivalent(event))
                return found;
    }
    return nullptr;
}

void Menu::update() {
    if (auto d = delegate_.lock())
        d->menuNeedsUpdate(*this);
}

std::vector<int> Menu::visibleItemIndices(ModifierFlags modifiers) const {
    std::vector<int> shown;
    const ModifierFlags held = modifiers & kShortcutModifierMask;
    for (int i = 0; i < numberOfItems(); ++i) {
        const MenuItem& item = items_[std::size_t(i)];
        if (item.hidden)
            continue;
        if (!item.isAlternate) {
            shown.push_back(i);
            continue;
        }
        const ModifierFlags wanted = item.keyEquivalentModifierMask & kShortcutModifierMask;
        if (wanted == ModifierFlags::none || (held & wanted) != wanted)
            continue;
        if (!shown.empty() && shown.back() == i - 1)
            shown.back() = i;
        else
            shown.push_back(i);
    }
    return shown;
}

} // namespace tk
