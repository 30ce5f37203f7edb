#include "platform/tk/controls/Button.h"

#include "platform/tk/view/Menu.h"

namespace tk {

namespace {
const std::string kNoKey;
}

std::unique_ptr<Cell> Button::makeCell() const {
    return std::make_unique<ButtonCell>();
}

ButtonCell* Button::buttonCell() const {
    return dynamic_cast<ButtonCell*>(cell());
}

ButtonType Button::buttonType() const {
    const ButtonCell* c = buttonCell();
    return c ? c->buttonType() : ButtonType::momentaryPushIn;
}

void Button::setButtonType(ButtonType type) {
    if (ButtonCell* c = buttonCell())
        c->setButtonType(type);
}

BezelStyle Button::bezelStyle() const {
    const ButtonCell* c = buttonCell();
    return c ? c->bezelStyle() : BezelStyle::rounded;
}

void Button::setBezelStyle(BezelStyle style) {
    if (ButtonCell* c = buttonCell())
        c->setBezelStyle(style);
}

Image Button::alternateImage() const {
    const ButtonCell* c = buttonCell();
    return c ? c->alternateImage() : Image();
}

void Button::setAlternateImage(Image image) {
    if (ButtonCell* c = buttonCell())
        c->setAlternateImage(std::move(image));
}

ImagePosition Button::imagePosition() const {
    const ButtonCell* c = buttonCell();
    return c ? c->imagePosition() : ImagePosition::noImage;
}

void Button::setImagePosition(ImagePosition position) {
    if (ButtonCell* c = buttonCell())
        c->setImagePosition(position);
}

ImageScaling Button::imageScaling() const {
    const ButtonCell* c = buttonCell();
    return c ? c->imageScaling() : ImageScaling::proportionallyDown;
}

void Button::setImageScaling(ImageScaling scaling) {
    if (ButtonCell* c = buttonCell())
        c->setImageScaling(scaling);
}

const std::string& Button::keyEquivalent() const {
    const ButtonCell* c = buttonCell();
    return c ? c->keyEquivalent() : kNoKey;
}

void Button::setKeyEquivalent(std::string key) {
    if (ButtonCell* c = buttonCell())
        c->setKeyEquivalent(std::move(key));
}

ModifierFlags Button::keyEquivalentModifierMask() const {
    const ButtonCell* c = buttonCell();
    return c ? c->keyEquivalentModifierMask() : ModifierFlags::none;
}

void Button::setKeyEquivalentModifierMask(ModifierFlags mask) {
    if (ButtonCell* c = buttonCell())
        c->setKeyEquivalentModifierMask(mask);
}

bool Button::performKeyEquivalent(const Event& event) {
    const ButtonCell* c = buttonCell();
    if (!c || c->keyEquivalent().empty() || !isEnabled() || isHiddenOrHasHiddenAncestor())
        return false;
    // Matched as a menu item's key equivalent is.
    MenuItem probe({}, {}, c->keyEquivalent());
    probe.keyEquivalentModifierMask = c->keyEquivalentModifierMask();
    if (!probe.matchesKeyEquivalent(event))
        return false;
    performClick();
    return true;
}

} // namespace tk
