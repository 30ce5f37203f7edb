#include "platform/tk/view/MenuView.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

// The columns of a row, from the panel's left edge: the state mark, the image, the title; the key
// equivalent ends kTrailing before the right edge.
constexpr double kMarkLeft = 7;
constexpr double kTitleLeft = 24;
constexpr double kImageSide = 16;
constexpr double kImageGap = 6;
constexpr double kTrailing = 14;
constexpr double kCornerRadius = 6;
// Above the first row and below the last.
constexpr double kPanelPadding = 4;

double itemHeight(const MenuItem& item) {
    return item.isSeparator ? MenuView::kSeparatorHeight : MenuView::kItemHeight;
}

bool isPlainRow(const MenuItem& item) {
    return !item.isSeparator && !item.isSectionHeader;
}

// A row the highlight may rest on.
bool isUsable(const MenuItem& item) {
    return isPlainRow(item) && item.enabled;
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

// Below the menu's top, to the row of item `index` among the `shown` ones.
double rowOffsetIn(const Menu& menu, const std::vector<int>& shown, int index) {
    const MenuItem* target = menu.item(index);
    double y = kPanelPadding;
    for (int i : shown) {
        // An alternate that is not shown stands in the row of the item before it.
        if (i >= index || (i == index - 1 && target && target->isAlternate))
            break;
        y += itemHeight(*menu.item(i));
    }
    return y;
}

TextAttributes rowAttributes() {
    TextAttributes attributes;
    attributes.font = Font::system(13);
    attributes.alignment = TextAlignment::left;
    attributes.lineLimit = 1;
    return attributes;
}

TextAttributes headerAttributes() {
    TextAttributes header = rowAttributes();
    header.font = Font::system(11, FontWeight::semibold);
    header.color = Color::gray(0.62);
    return header;
}

// The width an item's image takes in the image column (16 high, its own shape).
double imageWidth(const MenuItem& item, double side) {
    const Size s = item.image.size();
    return s.height > 0 ? side * s.width / s.height : side;
}

std::string rightText(const MenuItem& item) {
    return item.submenu ? std::string("\u25B8") : item.keyEquivalentDisplayString();
}

double titleInsetOf(const Menu& menu, const std::vector<int>& shown) {
    double widest = 0;
    for (int i : shown)
        if (const MenuItem& item = *menu.item(i); isPlainRow(item) && item.image)
            widest = std::max(widest, imageWidth(item, kImageSide));
    return widest > 0 ? kTitleLeft + widest + kImageGap : kTitleLeft;
}

} // namespace

double MenuView::titleInset(const Menu& menu, ModifierFlags modifiers) {
    return titleInsetOf(menu, menu.visibleItemIndices(modifiers));
}

double MenuView::rowOffset(const Menu& menu, int index, ModifierFlags modifiers) {
    return rowOffsetIn(menu, menu.visibleItemIndices(modifiers), index);
}

MenuView::MenuView(std::shared_ptr<Menu> menu, Point location, ModifierFlags modifiers)
    : menu_(std::move(menu)), location_(location), modifiers_(modifiers) {
    addTrackingArea(TrackingArea({}, TrackingOptions::mouseMoved | TrackingOptions::inVisibleRect));
    const int opening = menu_->highlightedIndexOnOpening();
    const std::vector<int> shown = menu_->visibleItemIndices(modifiers_);
    if (const MenuItem* item = menu_->item(opening);
        item && isUsable(*item) && std::find(shown.begin(), shown.end(), opening) != shown.end())
        highlighted_ = opening;
}

void MenuView::placePanel(int scrolling) {
    shown_ = menu_->visibleItemIndices(modifiers_);
    titleInset_ = titleInsetOf(*menu_, shown_);
    const TextAttributes attributes = rowAttributes();
    const TextAttributes header = headerAttributes();
    double height = 2 * kPanelPadding;
    double titles = 0;
    double keys = 0;
    double headers = 0;
    for (int i : shown_) {
        const MenuItem& item = *menu_->item(i);
        height += itemHeight(item);
        if (item.isSectionHeader)
            headers = std::max(headers, measureText(item.title, header).width);
        if (!isPlainRow(item))
            continue;
        titles = std::max(titles, measureText(item.title, attributes).width);
        if (const std::string right = rightText(item); !right.empty())
            keys = std::max(keys, measureText(right, attributes).width);
    }
    contentHeight_ = height;
    const Rect b = bounds();
    const double content = titleInset_ + titles + (keys > 0 ? kKeyGap + keys : 0) + kTrailing;
    const double width =
        std::min(std::ceil(std::max({kMinWidth, content, headers + 20, menu_->minimumWidth()})),
                 std::max(kMinWidth, b.width()));
    const double x = std::clamp(location_.x, 0.0, std::max(0.0, b.width() - width));
    // In place, at least a row of the menu stays inside the window.
    const double lowest = std::min(0.0, kItemHeight + kPanelPadding - height);
    const double highest = b.height() - kItemHeight - kPanelPadding;
    const double asked = menu_->opensInPlace()
                             ? std::max(lowest, std::min(location_.y, highest))
                             : std::clamp(location_.y, 0.0, std::max(0.0, b.height() - height));
    contentTop_ = settled(asked + scrolled_, scrolling);
    scrolled_ = contentTop_ - asked;
    const double top = std::max(0.0, contentTop_);
    const double bottom = std::min(contentTop_ + height, b.height());
    panel_ = Rect{x, top, width, std::max(0.0, bottom - top)};
}

std::vector<double> MenuView::rowBoundaries(double top) const {
    std::vector<double> boundaries{top + kPanelPadding};
    for (int i : shown_)
        boundaries.push_back(boundaries.back() + itemHeight(*menu_->item(i)));
    return boundaries;
}

double MenuView::settled(double top, int scrolling) const {
    const double windowHeight = bounds().height();
    const std::size_t n = shown_.size();
    // Whether shown row `k` is one that an arrow must not cover (a separator may hide).
    const auto keepsClear = [&](std::size_t k) { return !menu_->item(shown_[k])->isSeparator; };
    // A hidden top: only the padding hides, so the menu moves down by it; or a row that lies wholly
    // inside the window would hide under the arrow, so the menu moves down until the row's top is
    // the arrow's bottom. Not while the user scrolls the hidden top away.
    if (top < 0 && scrolling >= 0) {
        for (std::size_t tries = 0; top < 0 && tries <= n; ++tries) {
            if (top >= -kPanelPadding) {
                top = 0;
                break;
            }
            const std::vector<double> rows = rowBoundaries(top);
            const auto arrow = std::size_t(
                std::find_if(rows.begin(), rows.end(), [](double y) { return y >= kScrollArrowMinHeight; }) -
                rows.begin());
            // Row arrow - 1 ends at the arrow's bottom.
            if (arrow == 0 || arrow > n || rows[arrow - 1] < 0 || !keepsClear(arrow - 1))
                break;
            top += kScrollArrowMinHeight - rows[arrow - 1];
        }
    }
    // The same at a hidden bottom, moving the menu up: hiding no more of its top than the padding,
    // which shows no arrow. Rows hidden above too, the menu moves only to keep the row it opened on
    // (over a pop-up's title) clear, as moving further would slide rows under the top arrow.
    const bool topHidden = top < -kPanelPadding;
    if (top + contentHeight_ > windowHeight && scrolling <= 0) {
        const double arrowTop = windowHeight - kScrollArrowMinHeight;
        const double highest = -kPanelPadding; // the menu's top, while its rows show from the first
        for (std::size_t tries = 0; tries <= n; ++tries) {
            const double hidden = top + contentHeight_ - windowHeight;
            if (hidden <= 0)
                break;
            if (hidden <= kPanelPadding) {
                if (!topHidden && top > 0)
                    top = std::max(0.0, top - hidden);
                break;
            }
            const std::vector<double> rows = rowBoundaries(top);
            std::size_t arrow = n + 1; // row `arrow` starts at the arrow's top
            for (std::size_t k = 0; k <= n && rows[k] <= arrowTop; ++k)
                arrow = k;
            if (arrow >= n || rows[arrow + 1] > windowHeight || !keepsClear(arrow))
                break;
            if (topHidden && shown_[arrow] != menu_->highlightedIndexOnOpening())
                break;
            const double wanted = rows[arrow + 1] - arrowTop;
            const double up = topHidden ? wanted : std::min(wanted, top - highest);
            if (up <= 0)
                break;
            top -= up;
        }
    }
    return top;
}

double MenuView::rowTop(int index) const {
    return contentTop_ + rowOffsetIn(*menu_, shown_, index);
}

bool MenuView::arrowAbove() const {
    return hiddenAbove() > kPanelPadding;
}

bool MenuView::arrowBelow() const {
    return hiddenBelow() > kPanelPadding;
}

double MenuView::scrollArrowBottom() const {
    if (!arrowAbove())
        return panel_.y();
    for (double y : rowBoundaries(contentTop_))
        if (y >= panel_.y() + kScrollArrowMinHeight)
            return std::min(y, panel_.maxY());
    return panel_.maxY();
}

double MenuView::scrollArrowTop() const {
    if (!arrowBelow())
        return panel_.maxY();
    const std::vector<double> rows = rowBoundaries(contentTop_);
    for (auto y = rows.rbegin(); y != rows.rend(); ++y)
        if (*y <= panel_.maxY() - kScrollArrowMinHeight)
            return std::max(*y, scrollArrowBottom());
    return scrollArrowBottom();
}

void MenuView::scrollBy(double points) {
    const double moved = points > 0 ? std::min(points, hiddenAbove()) : std::max(points, -hiddenBelow());
    if (moved == 0)
        return;
    scrolled_ += moved;
    placePanel(moved > 0 ? 1 : -1);
    setNeedsDisplay();
}

void MenuView::scrollToShow(int index) {
    const double top = rowTop(index);
    const double bottom = top + itemHeight(*menu_->item(index));
    if (top < scrollArrowBottom())
        scrollBy(scrollArrowBottom() - top);
    else if (bottom > scrollArrowTop())
        scrollBy(scrollArrowTop() - bottom);
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
    if (!panel_.contains(point) || point.y < scrollArrowBottom() || point.y >= scrollArrowTop())
        return -1;
    double y = contentTop_ + kPanelPadding;
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
    if (Window* w = window(); w && w->firstResponder() == this) {
        const auto previous = focusToRestore_.lock();
        if (!previous || previous->window() != w || !w->makeFirstResponder(previous.get()))
            w->makeFirstResponder(nullptr);
    }
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
        scrolled_ = 0;
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
    if (p.y < scrollArrowBottom()) {
        scrollBy(kItemHeight);
        return true;
    }
    if (p.y >= scrollArrowTop()) {
        scrollBy(-kItemHeight);
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

bool MenuView::scrollWheel(const Event& event) {
    scrollBy(event.scrollingDelta.y);
    return true;
}

void MenuView::highlight(int index) {
    highlighted_ = index;
    scrollToShow(index);
    setNeedsDisplay();
}

void MenuView::moveHighlight(int step) {
    const int n = int(shown_.size());
    int at = int(std::find(shown_.begin(), shown_.end(), highlighted_) - shown_.begin());
    if (at >= n)
        at = -1;
    for (int tries = 0; tries < n; ++tries) {
        at = at < 0 ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
        if (isUsable(*menu_->item(shown_[std::size_t(at)]))) {
            highlight(shown_[std::size_t(at)]);
            return;
        }
    }
}

void MenuView::moveHighlightToEnd(int direction) {
    const auto usable = [&](int i) { return isUsable(*menu_->item(i)); };
    if (direction < 0) {
        if (auto first = std::find_if(shown_.begin(), shown_.end(), usable); first != shown_.end())
            highlight(*first);
    } else if (auto last = std::find_if(shown_.rbegin(), shown_.rend(), usable); last != shown_.rend()) {
        highlight(*last);
    }
}

void MenuView::moveHighlightByPage(int direction) {
    const int n = int(shown_.size());
    const int at = int(std::find(shown_.begin(), shown_.end(), highlighted_) - shown_.begin());
    if (at >= n) {
        moveHighlight(direction);
        return;
    }
    // The farthest usable row less than what shows of the menu away, so that the row left stays in
    // view beside it; else the nearest usable row beyond.
    const double page = scrollArrowTop() - scrollArrowBottom();
    const double from = rowTop(highlighted_);
    int target = -1;
    for (int k = at + direction; k >= 0 && k < n; k += direction) {
        const int i = shown_[std::size_t(k)];
        if (!isUsable(*menu_->item(i)))
            continue;
        if (target >= 0 && std::abs(rowTop(i) - from) >= page)
            break;
        target = i;
    }
    if (target >= 0)
        highlight(target);
}

void MenuView::typeSelect() {
    const int n = int(shown_.size());
    const int at = int(std::find(shown_.begin(), shown_.end(), highlighted_) - shown_.begin());
    // One character looks on from the row after the highlight (the same letter again steps to the
    // next such item); more refine the search from the highlighted row itself.
    const int start = at >= n ? 0 : at + (typed_.size() == 1 ? 1 : 0);
    for (int k = 0; k < n; ++k) {
        const int i = shown_[std::size_t((start + k) % n)];
        const MenuItem& item = *menu_->item(i);
        if (isUsable(item) && lowerAscii(item.title).starts_with(typed_)) {
            highlight(i);
            return;
        }
    }
}

bool MenuView::insertText(const std::string& text) {
    const Clock::TimePoint now = RunLoop::main().now();
    if (now - lastTyped_ > kTypeSelectTimeout)
        typed_.clear();
    if (typed_.empty() && text == " ")
        return true; // what Space types after it acted on the menu
    lastTyped_ = now;
    typed_ += lowerAscii(text);
    typeSelect();
    return true;
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
    case KeyCode::home:
        moveHighlightToEnd(-1);
        return true;
    case KeyCode::end:
        moveHighlightToEnd(1);
        return true;
    case KeyCode::pageUp:
        moveHighlightByPage(-1);
        return true;
    case KeyCode::pageDown:
        moveHighlightByPage(1);
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
    const Color panelColor = Color::rgba8(40, 40, 44);
    const Color borderColor = Color{1, 1, 1, 0.14};
    const Color textColor = Color::gray(0.92);
    const Color disabledColor = Color::gray(0.5);
    const Color highlightColor = Color::rgba8(60, 110, 200);
    const Path panel = Path::roundedRect(panel_, kCornerRadius);
    context.setShadow(Shadow{Size{0, 3}, 8, Color{0, 0, 0, 0.5}});
    context.fillPath(panel, panelColor);
    context.clearShadow();
    GraphicsStateGuard clip(context);
    context.clipToPath(panel);
    double y = contentTop_ + kPanelPadding;
    TextAttributes attributes = rowAttributes();
    const double titleX = panel_.x() + titleInset_;
    const double keyRight = panel_.maxX() - kTrailing;
    for (int i : shown_) {
        const MenuItem& item = *menu_->item(i);
        const double h = itemHeight(item);
        if (item.isSeparator) {
            context.fillRect(Rect{panel_.x() + 8, y + std::floor(h / 2), panel_.width() - 16, 1},
                             Color::gray(0.35));
        } else if (item.isSectionHeader) {
            context.drawText(item.title, Rect{panel_.x() + 10, y + 5, panel_.width() - 20, h - 5},
                             headerAttributes());
        } else {
            if (i == highlighted_)
                context.fillPath(Path::roundedRect(Rect{panel_.x() + 4, y, panel_.width() - 8, h}, 4),
                                 highlightColor);
            attributes.color = item.enabled ? textColor : disabledColor;
            const Image& stateImage = item.state == MenuItemState::on      ? item.onStateImage
                                      : item.state == MenuItemState::mixed ? item.mixedStateImage
                                                                           : item.offStateImage;
            if (stateImage)
                context.drawImage(stateImage, Rect{panel_.x() + 5, y + (h - 14) / 2, 14, 14});
            else if (item.state != MenuItemState::off)
                context.drawText(item.state == MenuItemState::on ? "\u2713" : "\u2013",
                                 Rect{panel_.x() + kMarkLeft, y + 3, 14, h - 3}, attributes);
            if (item.image) {
                const double w = imageWidth(item, kImageSide);
                context.drawImage(item.image,
                                  Rect{panel_.x() + kTitleLeft, y + (h - kImageSide) / 2, w, kImageSide});
            }
            const std::string right = rightText(item);
            double titleRight = keyRight;
            if (!right.empty()) {
                const double keyWidth = measureText(right, attributes).width;
                context.drawText(right, Rect{keyRight - keyWidth, y + 3, keyWidth, h - 3}, attributes);
                titleRight = keyRight - keyWidth - kKeyGap;
            }
            context.drawText(item.title, Rect{titleX, y + 3, std::max(0.0, titleRight - titleX), h - 3},
                             attributes);
        }
        y += h;
    }
    // The scroll arrows over the hidden rows: up at the top, down at the bottom.
    StrokeStyle style;
    style.lineWidth = 1.5;
    style.lineCap = LineCap::round;
    style.lineJoin = LineJoin::round;
    const auto drawArrow = [&](const Rect& strip, double pointing) {
        context.fillRect(strip, panelColor);
        Path arrow;
        arrow.moveTo({strip.midX() - 4, strip.midY() - 2 * pointing});
        arrow.lineTo({strip.midX(), strip.midY() + 2 * pointing});
        arrow.lineTo({strip.midX() + 4, strip.midY() - 2 * pointing});
        context.strokePath(arrow, textColor, style);
    };
    if (arrowAbove())
        drawArrow(Rect{panel_.x(), panel_.y(), panel_.width(), scrollArrowBottom() - panel_.y()}, -1);
    if (arrowBelow())
        drawArrow(Rect{panel_.x(), scrollArrowTop(), panel_.width(), panel_.maxY() - scrollArrowTop()}, 1);
    context.strokePath(Path::roundedRect(panel_.insetBy(0.5, 0.5), kCornerRadius - 0.5), borderColor);
}

void InWindowMenuPresenter::present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) {
    if (!menu)
        return;
    auto view = View::make<MenuView>(std::move(menu), locationInWindow, currentModifierFlags());
    if (auto* focused = dynamic_cast<View*>(window.firstResponder()))
        view->setFocusToRestore(focused->sharedView());
    view->setFrame(Rect{Point{}, window.contentSize()});
    window.addOverlayView(view);
    window.makeFirstResponder(view.get());
}

} // namespace tk
