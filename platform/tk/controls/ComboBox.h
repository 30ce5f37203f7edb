#pragma once

// ComboBox: a text field with a list of items beside it. The field (a TextField subview) takes
// typing as any field does; the button at the right edge opens the list through the window's menu
// presenter, below the box (so does Down while typing). Choosing an item selects it and puts its title in the
// field.
//
// Around the list the box calls its hooks in this order: willPopUp() when the list opens,
// selectionDidChange() after a choice (also after selectItemAtIndex), willDismiss() when the list
// closes. Subclasses override them.
//
// The look and the places of the field and the button are the box's cell's (a ComboBoxCell, its
// cell class, made by makeCell() when the box is made): the box draws the cell in its bounds, lays
// its field out at the cell's titleRect and opens the list from a press in the cell's buttonRect.
// Enabled and highlighted are the cell's.
//
// Items are a title and an object value each (the title is what the field shows);
// indexOfSelectedItem() is -1 when nothing is selected, and typing clears the selection.
//
// All members are [main].

#include "platform/tk/controls/ComboBoxCell.h"
#include "platform/tk/controls/OwnedCell.h"
#include "platform/tk/view/Control.h"
#include "platform/tk/view/TextField.h"

#include <any>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class ComboBox : public Control {
public:
    using Control::Control;

    ComboBoxCell* cell() const { return cell_.get(); }
    // The box becomes the new cell's control view and lays its field out anew; a null cell is
    // refused.
    void setCell(std::unique_ptr<ComboBoxCell> cell);

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
    // The field's text as a number (0 when it is not one); setting shows the number in the
    // fewest digits that read back as it ("0.5", "12", "1e+20").
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
    // The field's place and the button's (the box's coordinates): the cell's.
    Rect textRect(const Rect& bounds) const { return cell_->titleRect(bounds); }
    Rect buttonRect(const Rect& bounds) const { return cell_->buttonRect(bounds); }

    bool isEnabled() const override { return cell_->isEnabled(); }
    void setEnabled(bool enabled) override;
    bool isHighlighted() const override { return cell_->isHighlighted(); }
    void setHighlighted(bool highlighted) override;
    Size intrinsicContentSize() const override;
    void layout() override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool mouseDown(const Event& event) override;

protected:
    // The box's cell class: the cell a new box gets. Subclasses return their own.
    virtual std::unique_ptr<ComboBoxCell> makeCell() const;
    void setup() override;

private:
    struct Item {
        std::string title;
        std::any object;
    };
    void listClosed();
    std::vector<Item> items_;
    OwnedCell<ComboBoxCell> cell_;
    std::shared_ptr<TextField> field_;
    int selected_ = -1;
    bool listOpen_ = false;
};

} // namespace tk
