#pragma once

// ComboBox: a text field with a list of items beside it. The field (a TextField subview) takes
// typing as any field does; the button at the right edge opens the list through the window's menu
// presenter, below the box (so does Down while typing). Choosing an item selects it and puts its title in the
// field.
//
// Around the list the box calls its hooks in this order: willPopUp() when the list opens,
// selectionDidChange() after a choice (also after selectItemAtIndex), willDismiss() when the list
// closes. Subclasses override them, and the drawing and layout hooks (drawBezel, textRect,
// buttonRect).
//
// Items are a title and an object value each (the title is what the field shows);
// indexOfSelectedItem() is -1 when nothing is selected, and typing clears the selection.
//
// All members are [main].

#include "platform/tk/view/Control.h"
#include "platform/tk/view/TextField.h"

#include <any>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class ComboBox : public Control {
public:
    static constexpr double kButtonWidth = 18;

    using Control::Control;

    // --- Items ---------------------------------------------------------------------------------
    int numberOfItems() const { return int(items_.size()); }
    void addItem(std::string title, std::any object = {});
    void removeAllItems();
    const std::string& itemTitle(int index) const;
    // The object value of item `index` (empty out of range).
    std::any itemObjectValueAtIndex(int index) const;
    int indexOfSelectedItem() const { return selected_; }
    // Selects item `index` (-1 deselects), shows its title and calls selectionDidChange().
    void selectItemAtIndex(int index);

    // --- Value -----------------------------------------------------------------------------------
    const std::string& stringValue() const;
    void setStringValue(std::string value);
    // The field's text as a number (0 when it is not one); setting shows the number.
    double doubleValue() const;
    void setDoubleValue(double value);
    TextField& textField() const { return *field_; }

    // --- The list ------------------------------------------------------------------------------
    bool isListOpen() const { return listOpen_; }
    // Opens the list (what a press on the button does). False when disabled, open or empty.
    bool showList();

    // --- Hooks -----------------------------------------------------------------------------------
    virtual void willPopUp() {}
    virtual void willDismiss() {}
    virtual void selectionDidChange() {}
    // The field's place and the button's (the box's coordinates).
    virtual Rect textRect(const Rect& bounds) const;
    virtual Rect buttonRect(const Rect& bounds) const;
    virtual void drawBezel(GraphicsContext& context, const Rect& bounds);

    void setEnabled(bool enabled) override;
    Size intrinsicContentSize() const override;
    void layout() override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool mouseDown(const Event& event) override;

protected:
    void setup() override;

private:
    struct Item {
        std::string title;
        std::any object;
    };
    void listClosed();
    std::vector<Item> items_;
    std::shared_ptr<TextField> field_;
    int selected_ = -1;
    bool listOpen_ = false;
};

} // namespace tk
