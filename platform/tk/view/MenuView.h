#pragma once

// A menu drawn inside its window: the default way a backend without native menus shows one. The
// overlay (Window::addOverlayView) covers the window's content so that a click outside the menu closes it; a
// click on an item (or Return on the highlighted one) performs it; Escape closes; Up and Down move the
// highlight. A submenu item opens its submenu in place. Holding Option shows the alternate items in
// place of the items they stand in for.

#include "platform/tk/view/Backend.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <vector>

namespace tk {

class Menu;

class MenuView final : public View {
public:
    static constexpr double kItemHeight = 22;
    static constexpr double kSeparatorHeight = 9;
    static constexpr double kWidth = 220;

    MenuView(std::shared_ptr<Menu> menu, Point location, ModifierFlags modifiers = ModifierFlags::none);

    const Menu& menu() const { return *menu_; }
    int highlightedIndex() const { return highlighted_; }
    // The menu's panel, in window coordinates.
    Rect panelRect() const { return panel_; }
    // The item under `point` (overlay coordinates) that can be chosen, or -1.
    int itemAt(Point point) const;
    void choose(int index);
    void dismiss();

    bool acceptsFirstResponder() const override { return true; }
    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    bool mouseMoved(const Event& event) override;
    bool keyDown(const Event& event) override;
    bool flagsChanged(const Event& event) override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    void layout() override;
    void viewDidMoveToWindow() override;

private:
    void placePanel();
    void moveHighlight(int step);

    std::shared_ptr<Menu> menu_;
    Point location_;
    Rect panel_;
    std::vector<int> shown_; // indices of the items shown, top to bottom
    ModifierFlags modifiers_ = ModifierFlags::none;
    int highlighted_ = -1;
};

class InWindowMenuPresenter final : public MenuPresenter {
public:
    void present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) override;
};

} // namespace tk
