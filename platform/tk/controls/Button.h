#pragma once

// Button: the cell control of a ButtonCell (its cell class), with the cell's button members at
// hand. Made with View::make<Button>(frame), it is a bordered, rounded, momentary push-in button
// with an empty title; setButtonType() turns it into a toggle, check box, radio button and so on
// (see ButtonCell). The button's key equivalent presses it as a click would (performKeyEquivalent).

#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/controls/CellControl.h"

namespace tk {

class Button : public CellControl {
public:
    Button() = default;
    explicit Button(Rect frame) : CellControl(frame) {}

    // The cell as a button cell (none when a cell of another class was set).
    ButtonCell* buttonCell() const;

    ButtonType buttonType() const;
    void setButtonType(ButtonType type);
    BezelStyle bezelStyle() const;
    void setBezelStyle(BezelStyle style);
    bool isBordered() const { return cell()->isBordered(); }
    void setBordered(bool bordered) { cell()->setBordered(bordered); }
    Image alternateImage() const;
    void setAlternateImage(Image image);
    ImagePosition imagePosition() const;
    void setImagePosition(ImagePosition position);
    ImageScaling imageScaling() const;
    void setImageScaling(ImageScaling scaling);
    bool allowsMixedState() const { return cell()->allowsMixedState(); }
    void setAllowsMixedState(bool allows) { cell()->setAllowsMixedState(allows); }
    const std::string& keyEquivalent() const;
    void setKeyEquivalent(std::string key);
    ModifierFlags keyEquivalentModifierMask() const;
    void setKeyEquivalentModifierMask(ModifierFlags mask);

    // Performs a click when `event` is the button's key equivalent (its characters, ignoring
    // modifiers, and exactly its modifier keys among Shift, Control, Option and Command).
    bool performKeyEquivalent(const Event& event) override;

protected:
    std::unique_ptr<Cell> makeCell() const override;
};

} // namespace tk
