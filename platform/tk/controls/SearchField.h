#pragma once

// SearchField: a text field with a SearchFieldCell (its cell class). It sends its action after
// every change of its text, as the user types, and on Return; a click on the cancel button (shown
// while there is text) empties the field and sends the action. [main]

#include "platform/tk/controls/CellTextField.h"
#include "platform/tk/controls/SearchFieldCell.h"

namespace tk {

class SearchField : public CellTextField {
public:
    using CellTextField::CellTextField;

    // The cell as a search field cell (none when a cell of another class was set).
    SearchFieldCell* searchCell() const;

    bool mouseDown(const Event& event) override;

protected:
    std::unique_ptr<TextFieldCell> makeCell() const override;
    void textDidChange() override;
};

} // namespace tk
