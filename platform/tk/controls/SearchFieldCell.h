#pragma once

// SearchFieldCell: a text field cell with a search button at its leading edge and a cancel button
// at its trailing edge, and the text between them.
//
// Geometry, for bounds B (h = B's height):
//   - searchButtonRect: (B.x, B.y, h + 8, h), the magnifier drawn kButtonInset from its left;
//   - cancelButtonRect: (B.maxX - h, B.y, h, h), the cross centred; zero without a cancel cell;
//   - searchTextRect: from the search button's right edge to the cancel button's left edge (the
//     right of the drawing rect without one), one line of the font centred in the drawing rect's
//     height (lineCentredIn).
// Drawing: the bezel, the search button, the text (or placeholder) in searchTextRect, and the
// cancel button while there is text. The editor edits in searchTextRect.
//
// All members are [main].

#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/controls/TextFieldCell.h"

#include <memory>

namespace tk {

class SearchFieldCell : public TextFieldCell {
public:
    static constexpr double kButtonInset = 6;
    static constexpr double kGlyphSize = 12;

    SearchFieldCell();
    explicit SearchFieldCell(std::string text);

    ButtonCell* searchButtonCell() const { return searchButton_.get(); }
    void setSearchButtonCell(std::unique_ptr<ButtonCell> cell);
    ButtonCell* cancelButtonCell() const { return cancelButton_.get(); }
    void setCancelButtonCell(std::unique_ptr<ButtonCell> cell);

    virtual Rect searchButtonRect(const Rect& bounds) const;
    virtual Rect cancelButtonRect(const Rect& bounds) const;
    virtual Rect searchTextRect(const Rect& bounds) const;

    Rect titleRect(const Rect& bounds) const override;
    void drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) override;

    // The toolkit's magnifier and cancel pictures (templates, drawn at 2x).
    static Image magnifierImage();
    static Image cancelImage();

private:
    std::unique_ptr<ButtonCell> searchButton_;
    std::unique_ptr<ButtonCell> cancelButton_;
};

} // namespace tk
