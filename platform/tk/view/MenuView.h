#pragma once

// A menu drawn inside its window: the default way a backend without native menus shows one. The
// overlay (Window::addOverlayView) covers the window's content so that a click outside the menu closes it; a
// click on an item (or Return on the highlighted one) performs it; Escape closes. A submenu item opens its
// submenu in place. Holding Option shows the alternate items in place of the items they stand in for.
//
// Keyboard: the menu opens with the menu's highlightedIndexOnOpening() highlighted (a pop-up's
// selected item), so Return alone keeps it. Up and Down move the highlight round the ends, Home and
// End to the first and last item that can be chosen, Page Up and Page Down by what shows of the
// menu. Typed text selects the next item whose title starts with it; what was typed is kept while
// each key follows the last within kTypeSelectTimeout (the run loop's clock). Closing hands the
// keyboard focus back to whoever had it when the menu opened.
//
// The panel is opaque and as wide as its widest row (at least kMinWidth): the state mark's column,
// an image column when any shown item has an image, the titles in one column, and the key
// equivalents (or a submenu's arrow) right-aligned at least kKeyGap after the widest title.
//
// The panel is at least as wide as the menu's minimumWidth (a pop-up's button). A menu that opens in
// place (a pop-up keeping its selected row over its button) stays where it was asked and shows
// only what lies inside the window, with a scroll arrow over the rows hidden past the top or the
// bottom edge (a hidden padding alone shows no arrow); the wheel, a click on the arrow, or the
// highlight moving onto a hidden row bring the hidden rows into view. An arrow never covers an item
// that lies wholly inside the window: the menu moves by up to the arrow's height instead (and by a
// hidden padding alone, showing no arrow). Where rows hide at both ends, only the row the menu
// opened on is kept clear that way. Any other menu is moved to fit inside the window, and one
// taller than the window hides its bottom.

#include "platform/tk/base/Clock.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

class Menu;

class MenuView final : public View {
public:
    static constexpr double kItemHeight = 22;
    static constexpr double kSeparatorHeight = 9;
    static constexpr double kMinWidth = 160;
    // The scroll arrow over a hidden top reaches down to the first row boundary this far below
    // the panel's top, so that no row shows cut; the one over a hidden bottom likewise up.
    static constexpr double kScrollArrowMinHeight = 10;
    // Between the widest title and the widest key equivalent.
    static constexpr double kKeyGap = 28;
    // Typed text more than this after the last key starts a new search.
    static constexpr Clock::Duration kTypeSelectTimeout = seconds(1.0);

    // How far right of the panel's left edge the titles of `menu` start while `modifiers` are held.
    static double titleInset(const Menu& menu, ModifierFlags modifiers = ModifierFlags::none);
    // How far below the menu's top the row of item `index` starts while `modifiers` are held, counting
    // only the rows shown (an alternate that is not shown stands where the item it replaces does).
    static double rowOffset(const Menu& menu, int index, ModifierFlags modifiers = ModifierFlags::none);

    MenuView(std::shared_ptr<Menu> menu, Point location, ModifierFlags modifiers = ModifierFlags::none);

    const Menu& menu() const { return *menu_; }
    int highlightedIndex() const { return highlighted_; }
    // The menu's panel (what shows of it), in window coordinates.
    Rect panelRect() const { return panel_; }
    // How much of the menu's top is hidden above the panel's top.
    double hiddenAbove() const { return panel_.y() - contentTop_; }
    // How much of the menu's bottom is hidden below the panel's bottom.
    double hiddenBelow() const { return contentTop_ + contentHeight_ - panel_.maxY(); }
    // The bottom of the scroll arrow over a hidden top (the panel's top when nothing is hidden).
    double scrollArrowBottom() const;
    // The top of the scroll arrow over a hidden bottom (the panel's bottom when nothing is hidden).
    double scrollArrowTop() const;
    // The item under `point` (overlay coordinates) that can be chosen, or -1.
    int itemAt(Point point) const;
    void choose(int index);
    // Closes the menu without choosing.
    void dismiss();
    // Who gets the keyboard focus back when the menu closes (null: the window itself).
    void setFocusToRestore(std::weak_ptr<View> view) { focusToRestore_ = std::move(view); }

    bool acceptsFirstResponder() const override { return true; }
    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    bool mouseMoved(const Event& event) override;
    bool scrollWheel(const Event& event) override;
    bool keyDown(const Event& event) override;
    bool flagsChanged(const Event& event) override;
    bool insertText(const std::string& text) override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    void layout() override;
    void viewDidMoveToWindow() override;

private:
    // `scrolling`: 1 while the user brings a hidden top down, -1 a hidden bottom up, else 0.
    void placePanel(int scrolling = 0);
    // The menu's top moved (down, or up at the bottom) so that no whole row hides under an arrow.
    double settled(double top, int scrolling) const;
    // The tops of the shown rows and the last one's bottom, for a menu whose top is `top`.
    std::vector<double> rowBoundaries(double top) const;
    // Whether a scroll arrow shows over the top (bottom): more than the padding hides there.
    bool arrowAbove() const;
    bool arrowBelow() const;
    void highlight(int index);
    void moveHighlight(int step);
    // Home (-1) and End (+1).
    void moveHighlightToEnd(int direction);
    void moveHighlightByPage(int direction);
    void typeSelect();
    // Positive: brings hidden rows at the top that far down; negative: hidden rows at the bottom
    // up (never past the menu's ends).
    void scrollBy(double points);
    void scrollToShow(int index);
    // The row's top (view coordinates) of shown item `index`.
    double rowTop(int index) const;

    std::shared_ptr<Menu> menu_;
    Point location_;
    Rect panel_;
    std::vector<int> shown_; // indices of the items shown, top to bottom
    ModifierFlags modifiers_ = ModifierFlags::none;
    double titleInset_ = 0;    // where the titles start, from the panel's left edge
    double contentTop_ = 0;    // the menu's top, above the panel's while part of it is hidden
    double contentHeight_ = 0; // the whole menu's, below the panel's while part of it is hidden
    double scrolled_ = 0;      // how far the menu moved from where it was asked (down is positive)
    int highlighted_ = -1;
    std::weak_ptr<View> focusToRestore_;
    std::string typed_; // the type-select text, lower case
    Clock::TimePoint lastTyped_{};
};

class InWindowMenuPresenter final : public MenuPresenter {
public:
    void present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) override;
};

} // namespace tk
