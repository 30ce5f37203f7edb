#pragma once

// Read-only text in the styled look, and fields whose natural width follows their text.
//
//   control                    base                     cell                          cell style
//   StyledTextLabel            StyledTextField          StyledTextLabelCell           TextLabelCellStyle
//   StyledTableRowLabel        WidthResizingTextField   StyledTableRowLabelCell       TableRowLabelCellStyle
//   StyledTableGroupRowLabel   WidthResizingTextField   StyledTableGroupRowLabelCell TableGroupLabelCellStyle
//
// Each cell class only answers its own shared style (made on first use from the text-field style
// defaults, then the label's font and colours, no padding, no bezel pictures), so the whole
// drawing and editing of StyledTextFieldCell works from the label's fonts and colours.
//
// A label's alignment insets are its style's (while its cell is of its own cell class); its
// intrinsic size, when bezeled and the style has a bezel picture for the state, is the larger of
// the base size and the picture, less the alignment insets. A width-resizing field asks its cell
// for the size of its text, whatever its frame.
//
// All members are [main].

#include "Tessaly/Controls/StyledTextField.h"

namespace Tessaly {

class WidthResizingTextField : public StyledTextField {
public:
    using StyledTextField::StyledTextField;
    tk::Size intrinsicContentSize() const override;
};

class StyledTextLabelCell : public StyledTextFieldCell {
public:
    using ViewStyle = TextLabelCellStyle;
    StyledTextLabelCell();
    explicit StyledTextLabelCell(std::string text);
    static std::shared_ptr<TextLabelCellStyle> style();
    std::shared_ptr<TextFieldCellStyle> dynamicStyle() const override { return style(); }
};

class StyledTableRowLabelCell : public StyledTextFieldCell {
public:
    using ViewStyle = TableRowLabelCellStyle;
    StyledTableRowLabelCell();
    explicit StyledTableRowLabelCell(std::string text);
    static std::shared_ptr<TableRowLabelCellStyle> style();
    std::shared_ptr<TextFieldCellStyle> dynamicStyle() const override { return style(); }
};

class StyledTableGroupRowLabelCell : public StyledTextFieldCell {
public:
    using ViewStyle = TableGroupLabelCellStyle;
    StyledTableGroupRowLabelCell();
    explicit StyledTableGroupRowLabelCell(std::string text);
    static std::shared_ptr<TableGroupLabelCellStyle> style();
    std::shared_ptr<TextFieldCellStyle> dynamicStyle() const override { return style(); }
};

// The label rules above, over a base field class and the label's cell class.
template <class Base, class LabelCell> class StyledLabel : public Base {
public:
    using Base::Base;

    tk::EdgeInsets alignmentRectInsets() const override {
        if (ownCell())
            return LabelCell::style()->alignmentRectInsets();
        return Base::alignmentRectInsets();
    }

    tk::Size intrinsicContentSize() const override {
        tk::Size s = Base::intrinsicContentSize();
        const LabelCell* cell = ownCell();
        if (!cell || !this->isBezeled()) // bordered alone does not count
            return s;
        const auto image = LabelCell::style()->bezelImage(cell->controlState());
        if (!image || !*image)
            return s;
        const tk::EdgeInsets i = alignmentRectInsets();
        return {std::max(s.width, image->size().width) - (i.left + i.right),
                std::max(s.height, image->size().height) - (i.top + i.bottom)};
    }

protected:
    std::unique_ptr<tk::TextFieldCell> makeCell() const override { return std::make_unique<LabelCell>(); }

private:
    const LabelCell* ownCell() const { return dynamic_cast<const LabelCell*>(this->cell()); }
};

class StyledTextLabel : public StyledLabel<StyledTextField, StyledTextLabelCell> {
public:
    using StyledLabel::StyledLabel;
};

class StyledTableRowLabel : public StyledLabel<WidthResizingTextField, StyledTableRowLabelCell> {
public:
    using StyledLabel::StyledLabel;
};

class StyledTableGroupRowLabel : public StyledLabel<WidthResizingTextField, StyledTableGroupRowLabelCell> {
public:
    using StyledLabel::StyledLabel;
};

} // namespace Tessaly
