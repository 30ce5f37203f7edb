#include "Tessaly/Controls/CursorButtons.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "platform/tk/controls/PopUpButton.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/NamedImages.h"
#include "platform/tk/view/Layer.h"
#include "platform/tk/view/Window.h"

#include <cstdio>
#include <cstdlib>

namespace Tessaly {

namespace {
void drawImageAt(tk::GraphicsContext& context, const tk::Image& image, const tk::Rect& rect,
                 double fraction) {
    if (!image.isEmpty())
        context.drawImage(image, rect, tk::ImageDrawOptions{}.withOpacity(fraction));
}
} // namespace

void CursorButtonCell::highlight(bool flag, const tk::Rect&, tk::View& controlView) {
    if (tk::Layer* layer = controlView.layer())
        layer->setOpacity(flag ? 0.5 : 1.0);
}

void CursorButton::setHighlighted(bool highlighted) {
    // The cell keeps no pressed flag of its own (its highlight only fades the layer), so every
    // change is handed on.
    tk::Control::setHighlighted(highlighted);
    cell()->highlight(highlighted, bounds(), *this);
}

std::unique_ptr<tk::Cell> CursorButton::makeCell() const {
    return std::make_unique<CursorButtonCell>();
}

void CursorButton::setup() {
    tk::Button::setup();
    auto image = tk::imageNamed("cursor-cycle");
    if (!image) {
        std::fprintf(stderr,
                     "CursorButton: the image \"cursor-cycle\" is missing from the program's resources\n");
        std::abort();
    }
    setCursorImage(*image);
    updateTrackingAreas();
}

void CursorButton::setCursorImage(tk::Image image) {
    cursorImage_ = std::move(image);
    cursor_ = std::make_shared<const tk::ImageCursor>(tk::ImageCursor{cursorImage_, hotSpot_});
}

const std::shared_ptr<const tk::ImageCursor>& CursorButton::cursorObject() {
    if (!cursor_)
        cursor_ = std::make_shared<const tk::ImageCursor>(tk::ImageCursor{cursorImage_, hotSpot_});
    return cursor_;
}

void CursorButton::updateTrackingAreas() {
    tk::Button::updateTrackingAreas();
    if (trackingArea_)
        removeTrackingArea(trackingArea_);
    trackingArea_ = addTrackingArea(tk::TrackingArea(bounds(), tk::TrackingOptions::mouseEnteredAndExited));
    // Resized away from under the pointer: no exit will come for an area never entered.
    if (pushed_.isPushed() && window() && !bounds().contains(convertFromWindow(window()->mouseLocation())))
        popCursor();
}

bool CursorButton::mouseEntered(const tk::Event& event) {
    tk::Button::mouseEntered(event);
    if (tk::Window* w = window())
        pushed_.push(*w, cursorObject());
    return true;
}

bool CursorButton::mouseExited(const tk::Event& event) {
    tk::Button::mouseExited(event);
    popCursor();
    return true;
}

void CursorButton::viewWillMoveToWindow(tk::Window* newWindow) {
    tk::Button::viewWillMoveToWindow(newWindow);
    popCursor();
}

void CursorButton::popCursor() {
    pushed_.pop();
}

void DarkHighlightButtonCell::drawImage(const tk::Image& image, const tk::Rect& frame, tk::View&,
                                        tk::GraphicsContext& context) {
    drawImageAt(context, image, imageRect(frame), cellImageOpacity(*this));
}

std::unique_ptr<tk::Cell> DarkHighlightButton::makeCell() const {
    return std::make_unique<DarkHighlightButtonCell>();
}

void DarkHighlightButton::setup() {
    tk::Button::setup();
    setCursor(customCursor_);
}

void DarkHighlightButton::setCustomCursor(tk::Cursor cursor) {
    customCursor_ = cursor;
    setCursor(cursor);
}

void PopUpCyclingButtonCell::drawImage(const tk::Image& image, const tk::Rect& frame, tk::View&,
                                       tk::GraphicsContext& context) {
    drawImageAt(context, image, imageRect(frame), isHighlighted() ? 0.5 : 1.0);
}

void PopUpCyclingButton::setup() {
    CursorButton::setup();
    setImagePosition(tk::ImagePosition::imageTrailing);
}

void PopUpCyclingButton::chooseDirection() {
    const bool shift = tk::contains(tk::currentModifierFlags(), tk::ModifierFlags::shift);
    setAction(shift ? tk::PopUpButton::kSelectPreviousItemAction : tk::PopUpButton::kSelectNextItemAction);
}

void PopUpCyclingButton::trackingDidEndInside() {
    CursorButton::trackingDidEndInside();
    chooseDirection();
}

void PopUpCyclingButton::performClick() {
    chooseDirection();
    CursorButton::performClick();
}

} // namespace Tessaly
