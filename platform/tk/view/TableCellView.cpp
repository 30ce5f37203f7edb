#include "platform/tk/view/TableCellView.h"

namespace tk {

void TableCellView::setTextField(std::shared_ptr<TextField> field) {
    if (textField_)
        textField_->removeFromSuperview();
    textField_ = std::move(field);
    if (textField_)
        addSubview(textField_);
}

void TableCellView::setObjectValue(std::optional<std::string> value) {
    objectValue_ = std::move(value);
}

} // namespace tk
