#include "Tessaly/Menus/MenuBuilder.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Application.h"

namespace Tessaly {

tk::MenuItem makeMenuItem(const TYMenuItem& record) {
    TK_CHECK_MAIN_THREAD();
    tk::MenuItem item(record.title.value_or(""), record.action.value_or(""), record.shortcutKey.value_or(""));
    item.keyEquivalentModifierMask = record.modifiers;
    switch (record.menuType.kind) {
    case TYMenuType::Kind::sectionHeader:
        return tk::MenuItem::sectionHeader(record.menuType.headerTitle);
    case TYMenuType::Kind::separator:
        return tk::MenuItem::separator();
    case TYMenuType::Kind::documentTemplates:
    case TYMenuType::Kind::recentDocuments: {
        auto submenu = std::make_shared<tk::Menu>(item.title);
        submenu->setDelegate(record.menuType.delegate);
        item.submenu = std::move(submenu);
        break;
    }
    case TYMenuType::Kind::services: {
        tk::Application& app = tk::Application::shared();
        app.setServicesMenu(std::make_shared<tk::Menu>(item.title));
        item.submenu = app.servicesMenu();
        break;
    }
    case TYMenuType::Kind::standard:
        break;
    }
    if (record.submenu) {
        auto submenu = std::make_shared<tk::Menu>(item.title);
        for (const TYMenuItem& child : *record.submenu)
            submenu->addItem(makeMenuItem(child));
        item.submenu = std::move(submenu);
    } else if (record.submenuEnum) {
        auto submenu = std::make_shared<tk::Menu>(item.title);
        for (const AnyMenuPresentable& value : *record.submenuEnum) {
            tk::MenuItem& child = submenu->addItem(value.title, record.submenuEmumSelector.value_or(""));
            child.tag = value.tag;
            child.image = value.image;
        }
        item.submenu = std::move(submenu);
    }
    item.target = record.target;
    if (record.tag)
        item.tag = *record.tag;
    if (record.representedObject.has_value())
        item.representedObject = record.representedObject;
    return item;
}

std::shared_ptr<tk::Menu> makeMenu(const std::vector<TYMenuItem>& records) {
    auto menu = std::make_shared<tk::Menu>();
    menu->setAutoenablesItems(false);
    for (const TYMenuItem& record : records)
        menu->addItem(makeMenuItem(record));
    return menu;
}

std::vector<tk::MenuItem> elementMenuItems(const AnyMenuPresentable& element,
                                           const std::weak_ptr<tk::Responder>& target,
                                           const std::optional<std::string>& action) {
    TK_CHECK_MAIN_THREAD();
    auto targetFor = [&target](const std::weak_ptr<tk::Responder>& own) {
        return target.expired() ? own : target;
    };
    const std::string actionName = action ? *action : element.action.value_or("");
    std::vector<tk::MenuItem> items;
    tk::MenuItem item(element.title, actionName);
    item.tag = element.tag;
    item.representedObject = element.representedObject;
    item.image = element.image;
    item.onStateImage = element.onStateImage;
    item.offStateImage = element.offStateImage;
    item.mixedStateImage = element.mixedStateImage;
    item.target = targetFor(element.target);
    items.push_back(std::move(item));
    if (element.alternateTag && element.alternateTitle) {
        tk::MenuItem alternate(*element.alternateTitle, actionName);
        alternate.tag = *element.alternateTag;
        alternate.representedObject = element.alternateRepresentedObject;
        alternate.target = targetFor(element.target);
        alternate.isAlternate = true;
        alternate.keyEquivalentModifierMask = tk::ModifierFlags::option;
        items.push_back(std::move(alternate));
    }
    return items;
}

} // namespace Tessaly
