#pragma once

// StyledTableCellView: a table cell view that shows itself selected. Selecting it colours its text
// field with the shared table style's text colour for its state (default, or default + selected)
// and hands the flag two levels down through its Selectable subviews (its labels). A new object
// value clears what the view showed, then shows the new value in the text field - a reused view
// shows its new row and nothing of the old. Its intrinsic width ends where its text field's text
// ends; it has no intrinsic height.
//
// The disclosure button of an outline row is the first button tagged kDisclosureButtonTag among
// the row's subviews.
//
// All members are [main].

#include "Tessaly/Protocols/Selectable.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include "platform/tk/view/TableCellView.h"

#include <memory>

namespace tk {
class Button;
}

namespace Tessaly {

inline constexpr int kDisclosureButtonTag = 1000;

class StyledTableCellView : public tk::TableCellView, public Selectable {
public:
    using ViewStyle = TableViewStyle;
    static std::shared_ptr<TableViewStyle> style();

    using tk::TableCellView::TableCellView;

    bool isSelected() const override { return selected_; }
    void setSelected(bool selected) override;
    StyledControlState controlState() const;
    tk::Button* disclosureButton() const;

    void setObjectValue(std::optional<std::string> value) override;
    void prepareForReuse() override;
    tk::Size intrinsicContentSize() const override;

private:
    bool selected_ = false;
};

} // namespace Tessaly
