#include "platform/tk/controls/SearchField.h"

#include "platform/tk/view/Window.h"

namespace tk {

std::unique_ptr<TextFieldCell> SearchField::makeCell() const {
    return std::make_unique<SearchFieldCell>();
}

SearchFieldCell* SearchField::searchCell() const {
    return dynamic_cast<SearchFieldCell*>(cell());
}

void SearchField::textDidChange() {
    CellTextField::textDidChange();
    sendAction();
}

bool SearchField::mouseDown(const Event& event) {
    const SearchFieldCell* c = searchCell();
    if (c && isEnabled() && !text().empty() && c->cancelButtonRect(bounds()).contains(locationOf(event))) {
        auto keep = weak_from_this().lock();
        setText({});
        if (onChange)
            onChange(*this, text());
        sendAction();
        return true;
    }
    return CellTextField::mouseDown(event);
}

} // namespace tk
