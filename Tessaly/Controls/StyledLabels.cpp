#include "Tessaly/Controls/StyledLabels.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

namespace {

// A label style: the text-field defaults, then the label's fonts and colours, nothing around the
// text.
template <class S>
std::shared_ptr<S> makeLabelStyle(const tk::Font& font, std::optional<tk::Font> selectedFont,
                                  ColorResource text, std::optional<ColorResource> disabledText) {
    auto s = std::make_shared<S>();
    s->setFont(font);
    if (selectedFont)
        s->setSelectedFont(*selectedFont);
    s->setTextColor(color(text));
    if (disabledText)
        s->setDisabledTextColor(color(*disabledText));
    s->setBezelImageCapInsets({});
    s->setPadding({});
    s->setBezelImages({});
    return s;
}

} // namespace

tk::Size WidthResizingTextField::intrinsicContentSize() const {
    // The size of the cell's text at any width: the frame's width plays no part.
    if (const tk::TextFieldCell* c = cell())
        return c->cellSize();
    return StyledTextField::intrinsicContentSize();
}

StyledTextLabelCell::StyledTextLabelCell() : StyledTextLabelCell(std::string{}) {}
StyledTextLabelCell::StyledTextLabelCell(std::string text) : StyledTextFieldCell(std::move(text)) {
    applyStyle();
}

std::shared_ptr<TextLabelCellStyle> StyledTextLabelCell::style() {
    static const auto shared = makeLabelStyle<TextLabelCellStyle>(
        Styles::BaseStyles::regular10(), std::nullopt, ColorResources::grey60, ColorResources::grey30);
    return shared;
}

StyledTableRowLabelCell::StyledTableRowLabelCell() : StyledTableRowLabelCell(std::string{}) {}
StyledTableRowLabelCell::StyledTableRowLabelCell(std::string text) : StyledTextFieldCell(std::move(text)) {
    applyStyle();
}

std::shared_ptr<TableRowLabelCellStyle> StyledTableRowLabelCell::style() {
    static const auto shared = makeLabelStyle<TableRowLabelCellStyle>(Styles::BaseStyles::monospacedDigit10(),
                                                                      Styles::BaseStyles::medium10(),
                                                                      ColorResources::grey70, std::nullopt);
    return shared;
}

StyledTableGroupRowLabelCell::StyledTableGroupRowLabelCell() : StyledTableGroupRowLabelCell(std::string{}) {}
StyledTableGroupRowLabelCell::StyledTableGroupRowLabelCell(std::string text)
    : StyledTextFieldCell(std::move(text)) {
    applyStyle();
}

std::shared_ptr<TableGroupLabelCellStyle> StyledTableGroupRowLabelCell::style() {
    static const auto shared = makeLabelStyle<TableGroupLabelCellStyle>(Styles::BaseStyles::regular10(),
                                                                        Styles::BaseStyles::medium10(),
                                                                        ColorResources::grey50, std::nullopt);
    return shared;
}

} // namespace Tessaly
