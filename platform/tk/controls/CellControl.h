#pragma once

// CellControl: a control whose state, drawing and tracking live in a cell. The control owns the
// cell (made by makeCell(), the control's cell class, when the control is made), is the cell's
// control view, and forwards to it:
//   - state: enabled, highlighted, state, title, image, font, alignment, control size;
//   - drawing: draw() asks the cell to draw in the bounds, then, while the window is key and the
//     control has the keyboard focus (hasKeyboardFocus) and the cell's focus ring type is not
//     none, calls drawFocusRingMask(), which asks the cell for its ring;
//   - tracking: the press highlights the cell (Cell::highlight) and calls its startTracking, drags
//     its continueTracking, the release or a cancel its stopTracking; a click (a release inside that
//     tracking accepted) moves the cell to its next state and then sends the action;
//   - size: intrinsicContentSize() is the cell's cellSize().
// Space, while the control has the keyboard focus, performs a click.

#include "platform/tk/base/Subscription.h"
#include "platform/tk/controls/Cell.h"
#include "platform/tk/controls/OwnedCell.h"
#include "platform/tk/view/Control.h"

#include <memory>

namespace tk {

class CellControl : public Control {
public:
    CellControl() = default;
    explicit CellControl(Rect frame) : Control(frame) {}

    Cell* cell() const { return cell_.get(); }
    // The control becomes the new cell's control view; a null cell is refused.
    void setCell(std::unique_ptr<Cell> cell);

    // --- Forwarded to the cell --------------------------------------------------------------
    CellState state() const { return cell_->state(); }
    void setState(CellState state) { cell_->setState(state); }
    const std::string& title() const { return cell_->title(); }
    void setTitle(std::string title) { cell_->setTitle(std::move(title)); }
    AttributedString attributedTitle() const { return cell_->attributedTitle(); }
    void setAttributedTitle(AttributedString title) { cell_->setAttributedTitle(std::move(title)); }
    Image image() const { return cell_->image(); }
    void setImage(Image image) { cell_->setImage(std::move(image)); }
    const Font& font() const { return cell_->font(); }
    void setFont(Font font) { cell_->setFont(std::move(font)); }
    TextAlignment alignment() const { return cell_->alignment(); }
    void setAlignment(TextAlignment alignment) { cell_->setAlignment(alignment); }
    ControlSize controlSize() const { return cell_->controlSize(); }
    void setControlSize(ControlSize size) { cell_->setControlSize(size); }

    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    bool isHighlighted() const override;
    void setHighlighted(bool highlighted) override;

    // A click made in code: highlight, next state, action, highlight off. Nothing when disabled.
    virtual void performClick();
    // Resizes the frame to the cell's size.
    void sizeToFit();
    // Whether the focus ring shows now (see the class comment).
    bool showsFocusRing() const;
    // The focus ring's area and its drawing, the cell's by default. A control that paints a ring
    // of its own overrides drawFocusRingMask with nothing and draws its ring in draw().
    virtual Rect focusRingMaskBounds() const;
    virtual void drawFocusRingMask(GraphicsContext& context);

    Size intrinsicContentSize() const override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

    bool acceptsFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool keyDown(const Event& event) override;
    void viewDidMoveToWindow() override;

    bool startTracking(Point location, const Event& event) override;
    bool continueTracking(Point lastLocation, Point location, const Event& event) override;
    void stopTracking(Point lastLocation, Point location, bool mouseIsUp) override;
    void trackingDidEndInside() override;

protected:
    // The control's cell class: the cell a new control gets. Subclasses return their own.
    virtual std::unique_ptr<Cell> makeCell() const;
    void setup() override;

private:
    OwnedCell<Cell> cell_;
    Subscription keyState_; // redraws the focus ring when the window gains or loses key state
};

} // namespace tk
