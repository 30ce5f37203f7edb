#pragma once

// Styles of text fields and the controls built on them: header fields, search fields and labels.
// A text field's bezel shows focus ("tui-textfield-focus") and rejected input
// ("tui-textfield-error", focused or not).

#include "Tessaly/Styles/ControlStyle.h"

namespace Tessaly {

class TextFieldCellStyle : public ControlStyle {
public:
    TextFieldCellStyle();

    virtual tk::Color placeholderTextColor() const { return placeholderTextColor_; }
    virtual void setPlaceholderTextColor(tk::Color color) { placeholderTextColor_ = color; }
    virtual tk::Color placeholderBackground() const { return placeholderBackground_; }
    virtual void setPlaceholderBackground(tk::Color color) { placeholderBackground_ = color; }
    // Between the bezel and the text.
    virtual tk::EdgeInsets padding() const { return padding_; }
    virtual void setPadding(tk::EdgeInsets padding) { padding_ = padding; }

private:
    tk::Color placeholderTextColor_;
    tk::Color placeholderBackground_;
    tk::EdgeInsets padding_{2, 6, 2, 6};
};

// Fields in table headers: the flatter "tui-textfield-tableheader" bezel.
class HeaderTextFieldStyle : public TextFieldCellStyle {
public:
    HeaderTextFieldStyle();
};

// "tui-searchfield", "tui-searchfield-focus" while focused; no picture of its own for invalid
// input.
class SearchFieldCellStyle : public TextFieldCellStyle {
public:
    SearchFieldCellStyle();
};

// Labels draw no bezel and no padding, in grey 60% (30% disabled).
class TextLabelCellStyle : public TextFieldCellStyle {
public:
    TextLabelCellStyle();
};

// The field style as it stands; the table cells that use them adjust them.
class TableRowLabelCellStyle : public TextFieldCellStyle {};
class TableGroupLabelCellStyle : public TextFieldCellStyle {};

} // namespace Tessaly
