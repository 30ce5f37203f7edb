#include "Tessaly/Controls/NavigationButtons.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/controls/MenuPresentation.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Window.h"

#include <algorithm>

namespace Tessaly {

namespace {

using S = StyledControlState;
namespace img = ImageResources;

// A right press, or a left press with Control held.
bool isSecondaryPress(const tk::Event& event) {
    if (event.type != tk::EventType::mouseDown)
        return false;
    return event.button == tk::MouseButton::right ||
           (event.button == tk::MouseButton::left &&
            tk::contains(event.modifierFlags, tk::ModifierFlags::control));
}

} // namespace

// --- Back --------------------------------------------------------------------------------------

BackButtonCell::BackButtonCell() {
    setBezelStyle(tk::BezelStyle::shadowlessSquare);
    // Momentary: a toggle here would leave every other click down.
    setButtonType(tk::ButtonType::momentaryChange);
}

std::shared_ptr<BackButtonCellStyle> BackButtonCell::style() {
    static const auto shared = std::make_shared<BackButtonCellStyle>();
    return shared;
}

std::unique_ptr<tk::Cell> BackButton::makeCell() const {
    return std::make_unique<BackButtonCell>();
}

void BackButton::setAlpha(double alpha) {
    tk::View::setAlpha(alpha);
    if (alpha > 0 && isHidden())
        setHidden(false);
    else if (alpha == 0 && !isHidden())
        setHidden(true);
}

// --- Corner ------------------------------------------------------------------------------------

CornerButtonCell::CornerButtonCell() {
    setBezelStyle(tk::BezelStyle::shadowlessSquare);
    setButtonType(tk::ButtonType::momentaryChange);
}

std::shared_ptr<CornerButtonCellStyle> CornerButtonCell::style() {
    static const auto shared = [] {
        auto s = std::make_shared<CornerButtonCellStyle>();
        s->setEdgeInsets({});
        s->setBezelImages({
            {S::defaultState, Tessaly::image(img::tuiButton)},
            {S::on, Tessaly::image(img::tuiButtonSelected)},
            {S::highlighted, Tessaly::image(img::tuiButtonDown)},
        });
        return s;
    }();
    return shared;
}

std::unique_ptr<tk::Cell> CornerButton::makeCell() const {
    return std::make_unique<CornerButtonCell>();
}

void CornerButton::openAlternateMenu() {
    tk::Window* w = window();
    if (!w || !alternateMenu_) {
        tk::Control::setHighlighted(false);
        cell()->highlight(false, bounds(), *this);
        return;
    }
    tk::Control::setHighlighted(true);
    cell()->highlight(true, bounds(), *this);
    auto weak = std::weak_ptr<tk::View>(sharedView());
    const tk::Point at{bounds().minX(), bounds().maxY() + 4};
    tk::popUpMenuReportingClose(*w, *alternateMenu_, convertToWindow(at), [weak] {
        if (auto self = weak.lock()) {
            auto* button = static_cast<CornerButton*>(self.get());
            button->tk::Control::setHighlighted(false);
            button->cell()->highlight(false, button->bounds(), *button);
        }
    });
}

bool CornerButton::showAlternateMenuIfNeeded(const tk::Event& event) {
    if (!isSecondaryPress(event))
        return false;
    if (alternateMenu_) {
        openAlternateMenu();
    } else {
        // Only the flash of the highlight.
        setHighlighted(true);
        setHighlighted(false);
    }
    return true;
}

bool CornerButton::mouseDown(const tk::Event& event) {
    if (!isEnabled())
        return false;
    const tk::Point p = locationOf(event);
    if (alternateMenu_ && event.clickCount <= 1 && bounds().contains(p)) {
        openAlternateMenu();
        return true;
    }
    if (showAlternateMenuIfNeeded(event))
        return true;
    return StyledButton::mouseDown(event);
}

bool CornerButton::rightMouseDown(const tk::Event& event) {
    if (showAlternateMenuIfNeeded(event))
        return true;
    return StyledButton::rightMouseDown(event);
}

// --- Tool --------------------------------------------------------------------------------------

std::shared_ptr<ToolButtonCellStyle> ToolButtonCell::style() {
    static const auto shared = std::make_shared<ToolButtonCellStyle>();
    return shared;
}

void ToolButtonCell::drawBezel(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    StyledButtonCell::drawBezel(frame, controlView, context);
    if (showMoreIcon_)
        drawTintedImage(context, Tessaly::image(img::cornerToolMore), frame, 1.0);
}

std::unique_ptr<tk::Cell> ToolButton::makeCell() const {
    return std::make_unique<ToolButtonCell>();
}

void ToolButton::setup() {
    // Replaces the base set-up: the type's own masks stand from here on.
    tk::Button::setup();
    if (auto* c = styledCell())
        c->setHighlightsBy(tk::CellMask::none);
    setBezelStyle(tk::BezelStyle::regularSquare);
    setButtonType(tk::ButtonType::toggle);
    setImagePosition(tk::ImagePosition::imageOnly);
    setImageScaling(tk::ImageScaling::none);
}

void ToolButton::setShowMoreIcon(bool show) {
    showMoreIcon_ = show;
    if (auto* c = dynamic_cast<ToolButtonCell*>(cell())) {
        c->setShowMoreIcon(show);
        setNeedsDisplay();
    }
}

bool ToolButton::sendSecondaryAction() {
    if (secondaryAction_.empty())
        return false;
    auto target = secondaryTarget_.lock();
    return sendAction(secondaryAction_, target.get());
}

bool ToolButton::sendSecondaryActionIfNeeded(const tk::Event& event) {
    if (!isSecondaryPress(event))
        return false;
    auto keep = weak_from_this().lock();
    setHighlighted(true);
    sendSecondaryAction();
    setHighlighted(false);
    return true;
}

bool ToolButton::mouseDown(const tk::Event& event) {
    if (!isEnabled())
        return false;
    auto keep = weak_from_this().lock();
    tk::Window* w = window();
    const tk::Point p = locationOf(event);
    if (!secondaryAction_.empty() && w && event.clickCount <= 1 && bounds().contains(p)) {
        setHighlighted(true);
        const auto deadline = tk::RunLoop::main().now() + tk::seconds(tk::doubleClickInterval());
        const auto release = w->nextEventMatching(
            [](const tk::Event& e) {
                return e.type == tk::EventType::mouseUp && e.button == tk::MouseButton::left;
            },
            deadline);
        if (!release) {
            // Held: the second action alone; the release that follows sends nothing.
            sendSecondaryAction();
            setHighlighted(false);
            return true;
        }
        setHighlighted(false);
    }
    if (sendSecondaryActionIfNeeded(event))
        return true;
    return StyledButton::mouseDown(event);
}

bool ToolButton::rightMouseDown(const tk::Event& event) {
    if (sendSecondaryActionIfNeeded(event))
        return true;
    return StyledButton::rightMouseDown(event);
}

tk::Size ToolButton::intrinsicContentSize() const {
    tk::Size size = StyledButton::intrinsicContentSize();
    const auto* c = dynamic_cast<const ToolButtonCell*>(cell());
    if (!isBordered() || !c)
        return size;
    const auto bezel = ToolButtonCell::style()->bezelImage(c->controlState());
    if (!bezel)
        return size;
    return tk::Size{std::max(size.width, bezel->size().width), bezel->size().height};
}

} // namespace Tessaly
