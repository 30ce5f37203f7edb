#include "platform/tk/view/MenuView.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/Window.h"

#include <algorithm>

namespace tk {

namespace {
double itemHeight(const MenuItem& item) {
    return item.isSeparator ? MenuView::kSeparatorHeight : MenuView::kItemHeight;
}
} // namespace

MenuView::MenuView(std::shared_ptr<Menu> menu, Point location, ModifierFlags modifiers)
    : menu_(std::move(menu)), location_(location), modifiers_(modifiers) {
    addTrackingArea(TrackingArea({}, TrackingOptions::mouseMoved | TrackingOptions::inVisibleRect));
}

void MenuView::placePanel() {
    shown_ = menu_->visibleItemIndices(modifiers_);
    double height = 8;
    for (int i : shown_)
        height += itemHeight(*menu_->item(i));
    const Rect b = bounds();
    const double x = std::clamp(location_.x, 0.0, std::max(0.0, b.width() - kWidth));
    const double y = std::clamp(location_.y, 0.0, std::max(0.0, b.height() - height));
    panel_ = Rect{x, y, kWidth, height};
}

void MenuView::layout() {
    if (Window* w = window())
        setFrame(Rect{Point{}, w->contentSize()});
    placePanel();
}

void MenuView::viewDidMoveToWindow() {
    if (window())
        setNeedsLayout();
}

int MenuView::itemAt(Point point) const {
    if (!panel_.contains(point))
        return -1;
    double y = panel_.y() + 4;
    for (int i : shown_) {
        const MenuItem& item = *menu_->item(i);
        const double h = itemHeight(item);
        if (point.y >= y && point.y < y + h)
            return item.isSeparator || item.isSectionHeader || !item.enabled ? -1 : i;
        y += h;
    }
    return -1;
}

bool MenuView::flagsChanged(const Event& event) {
    modifiers_ = event.modifierFlags;
    placePanel();
    if (highlighted_ >= 0 && std::find(shown_.begin(), shown_.end(), highlighted_) == shown_.end())
        highlighted_ = -1;
    setNeedsDisplay();
    return true;
}

void MenuView::dismiss() {
    if (Window* w = window())
        w->makeFirstResponder(nullptr);
    removeFromSuperview();
}

void MenuView::choose(int index) {
    const MenuItem* item = menu_->item(index);
    if (!item || !item->enabled || item->isSeparator || item->isSectionHeader)
        return;
    if (item->submenu) {
        menu_ = item->submenu;
        menu_->update();
        highlighted_ = -1;
        placePanel();
        setNeedsDisplay();
        return;
    }
    const MenuItem chosen = *item;
    Window* window = this->window();
    auto keepWindow = window ? window->sharedWindow() : nullptr;
    auto keep = sharedView();
    dismiss();
    if (window)
        window->performMenuItem(chosen);
}

bool MenuView::mouseDown(const Event& event) {
    const Point p = locationOf(event);
    if (!panel_.contains(p)) {
        dismiss();
        return true;
    }
    highlighted_ = itemAt(p);
    setNeedsDisplay();
    return true;
}

bool MenuView::mouseDragged(const Event& event) {
    highlighted_ = itemAt(locationOf(event));
    setNeedsDisplay();
    return true;
}

bool MenuView::mouseUp(const Event& event) {
    const int index = itemAt(locationOf(event));
    if (index >= 0)
        choose(index);
    return true;
}

bool MenuView::mouseMoved(const Event& event) {
    const int index = itemAt(locationOf(event));
    if (index != highlighted_) {
        highlighted_ = index;
        setNeedsDisplay();
    }
    return true;
}

void MenuView::moveHighlight(int step) {
    const int n = int(shown_.size());
    int at = int(std::find(shown_.begin(), shown_.end(), highlighted_) - shown_.begin());
    if (at >= n)
        at = -1;
    for (int tries = 0; tries < n; ++tries) {
        at = at < 0 ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
        const MenuItem& item = *menu_->item(shown_[std::size_t(at)]);
        if (!item.isSeparator && !item.isSectionHeader && item.enabled) {
            highlighted_ = shown_[std::size_t(at)];
            setNeedsDisplay();
            return;
        }
    }
}

bool MenuView::keyDown(const Event& event) {
    switch (event.keyCode) {
    case KeyCode::escape:
        dismiss();
        return true;
    case KeyCode::downArrow:
        moveHighlight(1);
        return true;
    case KeyCode::upArrow:
        moveHighlight(-1);
        return true;
    case KeyCode::returnKey:
    case KeyCode::keypadEnter:
    case KeyCode::space:
        if (highlighted_ >= 0)
            choose(highlighted_);
        return true;
    default:
        return true; // the menu is modal while it shows
    }
}

void MenuView::draw(GraphicsContext& context, const Rect&) {
    const Color panelColor = Color::rgba8(40, 40, 44, 245);
    const Color textColor = Color::gray(0.92);
    const Color disabledColor = Color::gray(0.5);
    const Color headerColor = Color::gray(0.62);
    const Color highlightColor = Color::rgba8(60, 110, 200);
    context.setShadow(Shadow{Size{0, 3}, 8, Color{0, 0, 0, 0.5}});
    context.fillRect(panel_, panelColor);
    context.clearShadow();
    double y = panel_.y() + 4;
    TextAttributes attributes;
    attributes.font = Font::system(13);
    for (int i : shown_) {
        const MenuItem& item = *menu_->item(i);
        const double h = itemHeight(item);
        const Rect textRect{panel_.x() + 22, y + 3, panel_.width() - 36, h - 3};
        if (item.isSeparator) {
            context.fillRect(Rect{panel_.x() + 8, y + h / 2, panel_.width() - 16, 1}, Color::gray(0.35));
        } else if (item.isSectionHeader) {
            TextAttributes header = attributes;
            header.font = Font::system(11, FontWeight::semibold);
            header.color = headerColor;
            context.drawText(item.title, Rect{panel_.x() + 10, y + 5, panel_.width() - 20, h - 5}, header);
        } else {
            if (i == highlighted_)
                context.fillRect(Rect{panel_.x() + 4, y, panel_.width() - 8, h}, highlightColor);
            attributes.color = item.enabled ? textColor : disabledColor;
            attributes.alignment = TextAlignment::left;
            const Image& stateImage = item.state == MenuItemState::on      ? item.onStateImage
                                      : item.state == MenuItemState::mixed ? item.mixedStateImage
                                                                           : item.offStateImage;
            if (stateImage)
                context.drawImage(stateImage, Rect{panel_.x() + 5, y + (h - 14) / 2, 14, 14});
            else if (item.state != MenuItemState::off)
                context.drawText(item.state == MenuItemState::on ? "\u2713" : "\u2013",
                                 Rect{panel_.x() + 7, y + 3, 14, h - 3}, attributes);
            Rect titleRect = textRect;
            if (item.image) {
                const Size s = item.image.size();
                const double side = std::min(16.0, h - 4);
                const double w = s.height > 0 ? side * s.width / s.height : side;
                context.drawImage(item.image, Rect{textRect.x(), y + (h - side) / 2, w, side});
                titleRect =
                    Rect{textRect.x() + w + 6, textRect.y(), textRect.width() - w - 6, textRect.height()};
            }
            context.drawText(item.title, titleRect, attributes);
            const std::string right =
                item.submenu ? std::string("\u25B8") : item.keyEquivalentDisplayString();
            if (!right.empty()) {
                attributes.alignment = TextAlignment::right;
                context.drawText(right, textRect, attributes);
            }
        }
        y += h;
    }
}

void InWindowMenuPresenter::present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) {
    if (!menu)
        return;
    auto view = View::make<MenuView>(std::move(menu), locationInWindow, currentModifierFlags());
    view->setFrame(Rect{Point{}, window.contentSize()});
    window.addOverlayView(view);
    window.makeFirstResponder(view.get());
}

} // namespace tk
