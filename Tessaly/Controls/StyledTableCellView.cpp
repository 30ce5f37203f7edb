#include "Tessaly/Controls/StyledTableCellView.h"

#include "platform/tk/controls/Button.h"

namespace Tessaly {

std::shared_ptr<TableViewStyle> StyledTableCellView::style() {
    static const auto shared = std::make_shared<TableViewStyle>();
    return shared;
}

StyledControlState StyledTableCellView::controlState() const {
    return selected_ ? StyledControlState::defaultState | StyledControlState::selected
                     : StyledControlState::defaultState;
}

void StyledTableCellView::setSelected(bool selected) {
    selected_ = selected;
    if (tk::TextField* field = textField())
        field->setTextColor(style()->textColor(controlState()));
    setSubviewsSelected(*this, selected_, true);
}

void StyledTableCellView::setObjectValue(std::optional<std::string> value) {
    tk::TableCellView::setObjectValue(std::move(value));
    prepareForReuse();
    // Clearing comes first, so the new row's value is what the field shows.
    if (tk::TextField* field = textField(); field && objectValue())
        field->setText(*objectValue());
    invalidateIntrinsicContentSize();
}

void StyledTableCellView::prepareForReuse() {
    tk::TableCellView::prepareForReuse();
    if (tk::TextField* field = textField()) {
        field->setText("");
        field->setTextColor(style()->textColor(controlState()));
    }
}

tk::Size StyledTableCellView::intrinsicContentSize() const {
    const tk::TextField* field = textField();
    if (!field)
        return tk::TableCellView::intrinsicContentSize();
    const tk::EdgeInsets insets = alignmentRectInsets();
    return {field->frame().minX() + field->intrinsicContentSize().width - (insets.left + insets.right),
            kNoIntrinsicMetric};
}

tk::Button* StyledTableCellView::disclosureButton() const {
    const tk::View* row = superview();
    if (!row)
        return nullptr;
    for (const auto& sub : row->subviews())
        if (auto* button = dynamic_cast<tk::Button*>(sub.get());
            button && button->tag() == kDisclosureButtonTag)
            return button;
    return nullptr;
}

} // namespace Tessaly
