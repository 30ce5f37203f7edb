#pragma once

// Three small button families with their own highlight effects (none of them draws from the
// library's styles):
//   - CursorButton: shows its own cursor (a picture, "cursor-cycle" from the program's resources
//     by default, with a hot spot) while the pointer is over it, and while pressed fades its layer
//     to half opacity (a button without a layer shows no pressed look). It takes its cursor off the
//     window's stack only if it put it there, and also when it leaves its window or is hidden while
//     the pointer is over it, so the cursor never sticks.
//   - DarkHighlightButton: a settable cursor over its bounds; its cell draws the image at half
//     strength while pressed or disabled.
//   - PopUpCyclingButton (a CursorButton): beside a pop-up button (its target); each click steps
//     the pop-up to its next item, or to the previous one with Shift held, by sending
//     "selectNextItem:" or "selectPreviousItem:" to it. PopUpCyclingButtonCell draws the image at
//     half strength only while pressed.
//
// Making a CursorButton without "cursor-cycle" in the program's resources stops the program.
//
// All members are [main].

#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/view/Cursor.h"
#include "platform/tk/view/CursorPush.h"
#include "platform/tk/view/TrackingArea.h"

#include <memory>

namespace Tessaly {

class CursorButtonCell : public tk::ButtonCell {
public:
    using tk::ButtonCell::ButtonCell;
    // The layer's opacity instead of a drawn highlight.
    void highlight(bool flag, const tk::Rect& frame, tk::View& controlView) override;
};

class CursorButton : public tk::Button {
public:
    using tk::Button::Button;

    const tk::Image& cursorImage() const { return cursorImage_; }
    // Makes a new cursor from the picture and the current hot spot.
    void setCursorImage(tk::Image image);
    tk::Point cursorHotSpot() const { return hotSpot_; }
    // Takes effect with the next change of the picture.
    void setCursorHotSpot(tk::Point hotSpot) { hotSpot_ = hotSpot; }
    const std::shared_ptr<const tk::ImageCursor>& cursorObject();
    const tk::TrackingArea* trackingArea() const { return trackingArea_; }

    void setHighlighted(bool highlighted) override;
    void updateTrackingAreas() override;
    bool mouseEntered(const tk::Event& event) override;
    bool mouseExited(const tk::Event& event) override;
    void viewWillMoveToWindow(tk::Window* newWindow) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;

private:
    void popCursor();
    tk::Image cursorImage_;
    tk::Point hotSpot_{3, 4};
    std::shared_ptr<const tk::ImageCursor> cursor_;
    tk::TrackingArea* trackingArea_ = nullptr;
    tk::CursorPush pushed_;
};

class DarkHighlightButtonCell : public tk::ButtonCell {
public:
    using tk::ButtonCell::ButtonCell;
    void drawImage(const tk::Image& image, const tk::Rect& frame, tk::View& controlView,
                   tk::GraphicsContext& context) override;
};

class DarkHighlightButton : public tk::Button {
public:
    using tk::Button::Button;
    tk::Cursor customCursor() const { return customCursor_; }
    // The cursor over the button's bounds.
    void setCustomCursor(tk::Cursor cursor);

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;

private:
    tk::Cursor customCursor_ = tk::Cursor::arrow;
};

class PopUpCyclingButtonCell : public tk::ButtonCell {
public:
    using tk::ButtonCell::ButtonCell;
    void drawImage(const tk::Image& image, const tk::Rect& frame, tk::View& controlView,
                   tk::GraphicsContext& context) override;
};

class PopUpCyclingButton : public CursorButton {
public:
    using CursorButton::CursorButton;
    // Before the click's action goes out: the step that the Shift key asks for.
    void trackingDidEndInside() override;
    void performClick() override;

protected:
    void setup() override;

private:
    void chooseDirection();
};

} // namespace Tessaly
