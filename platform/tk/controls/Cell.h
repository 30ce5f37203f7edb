#pragma once

// Cell: the state, content and drawing of a control, apart from the view that hosts it. A control
// (CellControl) owns one cell, forwards its state to it and lets it draw and track; the cell keeps
// a plain back reference to that view (controlView) to ask it for redisplay.
//
// State: off, on or mixed. nextState() is the state a click leads to: on -> off, off -> on, and
// when mixed is allowed off -> mixed -> on. setState(mixed) on a cell that does not allow mixed
// gives on.
//
// Default geometry of a plain (text or image) cell:
//   - drawingRect(bounds): the bounds, inset by kBorderInset on every side when bordered or bezeled.
//   - titleRect(bounds): the drawing rect; the text is drawn from its top-left corner.
//   - imageRect(bounds): the image's size (shrunk to fit, keeping its shape) centred in the
//     drawing rect; zero without an image.
//   - cellSize(): the title's or image's size, plus what drawingRect takes off the bounds.
// Every geometry member asks the others through their virtual entry points, so a subclass that
// overrides drawingRect moves the title and image with it.
//
// Drawing: draw(frame) draws the border or bezel, then drawInterior(frame); drawInterior draws the
// title or the image. The focus ring is drawn by drawFocusRingMask around focusRingMaskBounds, in
// focusRingColor(); a cell that draws its own ring overrides drawFocusRingMask with nothing.
//
// Tracking: the hosting control calls startTracking at the press (false ends tracking at once),
// continueTracking on each drag (false stops it: the release sends nothing) and stopTracking at the
// release or a cancel. Points are in the control view's coordinates.
//
// All members are [main].

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/graphics/AttributedString.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/TextAttributes.h"

#include <optional>
#include <string>

namespace tk {

class GraphicsContext;
class View;

class Cell {
public:
    // Padding of a bordered or bezeled plain cell (points, every side).
    static constexpr double kBorderInset = 2;

    // A text cell with an empty title.
    Cell();
    // A text cell.
    explicit Cell(std::string title);
    // An image cell.
    explicit Cell(Image image);
    virtual ~Cell();
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

    CellType type() const { return type_; }
    // The view that hosts the cell (set by the control), or none.
    View* controlView() const { return controlView_; }
    virtual void setControlView(View* view);

    // --- State ----------------------------------------------------------------------------
    CellState state() const { return state_; }
    virtual void setState(CellState state);
    bool allowsMixedState() const { return allowsMixed_; }
    // Turning mixed off moves a mixed cell to on.
    void setAllowsMixedState(bool allows);
    virtual CellState nextState() const;
    // state = nextState().
    void setNextState();
    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    // The pressed look; stores only (see highlight).
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    // The hosting control's tracking calls this: stores the flag and redisplays `controlView`.
    virtual void highlight(bool flag, const Rect& frame, View& controlView);

    // --- Content and look -------------------------------------------------------------------
    const std::string& title() const { return title_; }
    // Clears an attributed title that was set.
    virtual void setTitle(std::string title);
    // The attributed title set, else the title in the cell's font, alignment, line break mode and
    // text colour.
    virtual AttributedString attributedTitle() const;
    // The title becomes its plain text.
    void setAttributedTitle(AttributedString title);
    virtual Image image() const { return image_; }
    virtual void setImage(Image image);
    const Font& font() const { return font_; }
    void setFont(Font font);
    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment);
    LineBreakMode lineBreakMode() const { return lineBreakMode_; }
    void setLineBreakMode(LineBreakMode mode);
    BackgroundStyle backgroundStyle() const { return backgroundStyle_; }
    void setBackgroundStyle(BackgroundStyle style);
    ControlSize controlSize() const { return controlSize_; }
    void setControlSize(ControlSize size);
    FocusRingType focusRingType() const { return focusRingType_; }
    void setFocusRingType(FocusRingType type) { focusRingType_ = type; }
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered);
    bool isBezeled() const { return bezeled_; }
    void setBezeled(bool bezeled);
    // The title's colour: the control text colour, dimmed when disabled.
    virtual Color textColor() const;
    // The title's attributes from the cell's font, alignment, line break mode and textColor().
    TextAttributes titleAttributes() const;

    // --- Geometry (see the class comment) --------------------------------------------------
    virtual Rect drawingRect(const Rect& bounds) const;
    virtual Rect titleRect(const Rect& bounds) const;
    virtual Rect imageRect(const Rect& bounds) const;
    virtual Size cellSize() const;

    // --- Drawing ----------------------------------------------------------------------------
    virtual void draw(const Rect& frame, View& controlView, GraphicsContext& context);
    virtual void drawInterior(const Rect& frame, View& controlView, GraphicsContext& context);
    virtual Rect focusRingMaskBounds(const Rect& frame, const View& controlView) const;
    virtual void drawFocusRingMask(const Rect& frame, View& controlView, GraphicsContext& context);
    virtual Color focusRingColor() const;

    // --- Tracking ---------------------------------------------------------------------------
    virtual bool startTracking(Point startPoint, View& controlView);
    virtual bool continueTracking(Point lastPoint, Point currentPoint, View& controlView);
    virtual void stopTracking(Point lastPoint, Point stopPoint, View& controlView, bool mouseIsUp);

protected:
    // Asks the control view for redisplay, and for a new intrinsic size when the size may change.
    void updateControlView(bool sizeMayChange = false);
    // What drawingRect takes off any bounds: the cell's padding per side, as a size.
    Size drawingInsetSize() const;

private:
    CellType type_;
    View* controlView_ = nullptr;
    std::string title_;
    std::optional<AttributedString> attributedTitle_;
    Image image_;
    Font font_ = Font::system(13);
    CellState state_ = CellState::off;
    TextAlignment alignment_ = TextAlignment::leading;
    LineBreakMode lineBreakMode_ = LineBreakMode::truncatingTail;
    BackgroundStyle backgroundStyle_ = BackgroundStyle::normal;
    ControlSize controlSize_ = ControlSize::regular;
    FocusRingType focusRingType_ = FocusRingType::defaultType;
    bool allowsMixed_ = false;
    bool enabled_ = true;
    bool highlighted_ = false;
    bool bordered_ = false;
    bool bezeled_ = false;
};

// Helpers of the default geometry, shared by the cell classes.
// A size shrunk to fit `room`, keeping its shape (never enlarged).
Size sizeShrunkToFit(Size size, Size room);
// The image size `scaling` gives inside `room` (sizeShrunkToFit for proportionally down, the room
// kept in shape for up-or-down, the room for axes independently, the own size for none).
Size scaledImageSize(Size imageSize, Size room, ImageScaling scaling);
// A rect of `size` centred in `container`, its origin on whole points.
Rect centeredRect(Size size, const Rect& container);

} // namespace tk
