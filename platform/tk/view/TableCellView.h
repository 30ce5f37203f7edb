#pragma once

// TableCellView: the view that shows one cell of a view-based table row - an object value and,
// usually, a text field that shows it. Cell views are made by identifier and reused for other
// rows: prepareForReuse() runs before a view shows another row's value.
//
// All members are [main].

#include "platform/tk/view/TextField.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <optional>
#include <string>

namespace tk {

class TableCellView : public View {
public:
    using View::View;

    TextField* textField() const { return textField_.get(); }
    // Also adds the field as a subview (a previous field leaves).
    void setTextField(std::shared_ptr<TextField> field);

    const std::optional<std::string>& objectValue() const { return objectValue_; }
    virtual void setObjectValue(std::optional<std::string> value);

    // Clears what the view showed for its previous row.
    virtual void prepareForReuse() {}

private:
    std::shared_ptr<TextField> textField_;
    std::optional<std::string> objectValue_;
};

} // namespace tk
