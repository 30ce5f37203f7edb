#pragma once

// ButtonCell: the cell of a button - a title and an image placed by imagePosition, a bezel, a
// button type, and what the press and the on state show.
//
// Button types set highlightsBy (the pressed look) and showsStateBy (the on look):
//
//   type                  highlightsBy                          showsStateBy          bordered
//   0 momentaryLight      changeGray|changeBackground           none                  -
//   1 pushOnPushOff       pushIn|changeGray                     changeBackground      -
//   2 toggle              pushIn|contents                       contents              -
//   3 switchButton        contents                              contents              no, image left
//   4 radio               contents                              contents              no, image left
//   5 momentaryChange     contents                              none                  -
//   6 onOff               changeBackground                      changeBackground      -
//   7 momentaryPushIn     pushIn|changeGray|changeBackground    none                  -
//
// "contents" shows the alternate image while on (showsStateBy) or pressed (highlightsBy). A cell
// whose showsStateBy is none does not keep a state: nextState() is the current state, so a click
// leaves it as it is. A radio button's click always gives on. A switch or radio button without an
// image of its own draws the check box or radio mark of the platform.
//
// Default geometry (what a subclass gets when it calls these):
//   - drawingRect(bounds): bordered or bezeled: bounds inset by kBezelContentInsets (top 2, left
//     6, bottom 2, right 6); otherwise the bounds.
//   - the image's size: scaledImageSize(image size, drawing rect size, imageScaling) for image
//     only and overlaps; shrunk to fit (never enlarged) beside or above/below a title.
//   - the title's size: attributedTitle().size(), rounded up to whole points.
//   - by imagePosition, within the drawing rect D (no image shown counts as noImage):
//       noImage     title rect: D's x and width, the title's height, centred vertically.
//       imageOnly   image rect: the image centred in D; title rect zero.
//       imageLeft / imageLeading, imageRight / imageTrailing: image and title side by side,
//                   kImageTitleSpacing apart, each centred vertically; the pair starts at D's left
//                   edge for left and leading alignment, is centred for centre alignment and ends
//                   at D's right edge for right alignment; a pair wider than D keeps the image
//                   whole and narrows the title.
//       imageAbove / imageBelow: image and title stacked kImageTitleSpacing apart, the stack
//                   centred vertically; the image centred horizontally, the title rect D's width.
//       imageOverlaps: both centred in D, the title rect D's width.
//     Rect origins are whole points; noImage and imageOnly give a zero image or title rect.
//   - cellSize(): the content by the same rules (side by side: widths added, taller height;
//     stacked: heights added, wider width) plus what drawingRect takes off the bounds; bordered or
//     bezeled cells are at least kMinimumBezelHeight tall for their control size.
//
// Drawing: draw(frame) calls drawBezel(frame) when bordered or bezeled, then drawInterior(frame),
// which calls drawImage(image, imageRect(frame)) when an image shows and then
// drawTitle(attributedTitle(), titleRect(frame)) when the title is not empty and the position is
// not imageOnly. drawTitle draws the title centred vertically in the frame it is given and returns
// the rect the text covers.

#include "platform/tk/controls/ActionCell.h"
#include "platform/tk/view/Event.h"

#include <string>

namespace tk {

class ButtonCell : public ActionCell {
public:
    static constexpr EdgeInsets kBezelContentInsets{2, 6, 2, 6};
    static constexpr double kImageTitleSpacing = 4;
    // The check box and radio mark of switch and radio buttons (points).
    static constexpr double kStateMarkSize = 14;
    static double minimumBezelHeight(ControlSize size);

    // A bordered, rounded, momentary push-in button with an empty title, centred.
    ButtonCell();
    explicit ButtonCell(std::string title);
    // An image-only cell.
    explicit ButtonCell(Image image);

    // --- Type and looks ---------------------------------------------------------------------
    ButtonType buttonType() const { return buttonType_; }
    // Sets highlightsBy and showsStateBy (and for switch and radio: unbordered, image left,
    // leading alignment) as the table above gives.
    virtual void setButtonType(ButtonType type);
    CellMask highlightsBy() const { return highlightsBy_; }
    void setHighlightsBy(CellMask mask);
    CellMask showsStateBy() const { return showsStateBy_; }
    void setShowsStateBy(CellMask mask);
    BezelStyle bezelStyle() const { return bezelStyle_; }
    void setBezelStyle(BezelStyle style);
    virtual Image alternateImage() const { return alternateImage_; }
    virtual void setAlternateImage(Image image);
    ImagePosition imagePosition() const { return imagePosition_; }
    void setImagePosition(ImagePosition position);
    ImageScaling imageScaling() const { return imageScaling_; }
    void setImageScaling(ImageScaling scaling);
    bool imageDimsWhenDisabled() const { return imageDimsWhenDisabled_; }
    void setImageDimsWhenDisabled(bool dims) { imageDimsWhenDisabled_ = dims; }

    // The key (its characters, e.g. "\r" for Return) and modifiers that press the button.
    const std::string& keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(std::string key) { keyEquivalent_ = std::move(key); }
    ModifierFlags keyEquivalentModifierMask() const { return keyModifiers_; }
    void setKeyEquivalentModifierMask(ModifierFlags mask) { keyModifiers_ = mask; }

    CellState nextState() const override;

    // The image drawn now: the alternate image while "contents" shows the on state or the press
    // (when there is one), else image(); for switch and radio buttons without images, the mark.
    Image shownImage() const;

    // --- Geometry and drawing (see the class comment) ----------------------------------------
    Rect drawingRect(const Rect& bounds) const override;
    Rect titleRect(const Rect& bounds) const override;
    Rect imageRect(const Rect& bounds) const override;
    Size cellSize() const override;

    void draw(const Rect& frame, View& controlView, GraphicsContext& context) override;
    void drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) override;
    virtual void drawBezel(const Rect& frame, View& controlView, GraphicsContext& context);
    virtual void drawImage(const Image& image, const Rect& frame, View& controlView,
                           GraphicsContext& context);
    virtual Rect drawTitle(const AttributedString& title, const Rect& frame, View& controlView,
                           GraphicsContext& context);
    Rect focusRingMaskBounds(const Rect& frame, const View& controlView) const override;

private:
    struct Layout {
        Rect image;
        Rect title;
    };
    Layout layout(const Rect& bounds) const;
    // The position in effect: noImage when no image shows, left/right for leading/trailing.
    ImagePosition effectivePosition() const;

    ButtonType buttonType_ = ButtonType::momentaryPushIn;
    CellMask highlightsBy_ = CellMask::pushIn | CellMask::changeGray | CellMask::changeBackground;
    CellMask showsStateBy_ = CellMask::none;
    BezelStyle bezelStyle_ = BezelStyle::rounded;
    Image alternateImage_;
    ImagePosition imagePosition_ = ImagePosition::noImage;
    ImageScaling imageScaling_ = ImageScaling::proportionallyDown;
    std::string keyEquivalent_;
    ModifierFlags keyModifiers_ = ModifierFlags::none;
    bool imageDimsWhenDisabled_ = true;
};

} // namespace tk
