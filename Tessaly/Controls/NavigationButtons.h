#pragma once

// Three small styled buttons, each drawing from its own shared style:
//   - BackButton: a navigation back button with fixed alignment insets that hides itself when
//     faded to zero opacity. Its cell is momentary (a click does not leave it down).
//   - CornerButton: a square button that opens its alternateMenu just below itself on a single
//     click, a right click or a Control-click (a double click runs the ordinary click). The button
//     stays pressed while the menu is open.
//   - ToolButton: an image-only tool button with an optional "more" badge and a second action,
//     sent when the button is held past the double-click interval, right-clicked or
//     Control-clicked (and then the first action is not sent).
//
// All members are [main].

#include "Tessaly/Controls/StyledButton.h"
#include "platform/tk/view/Menu.h"

#include <memory>
#include <string>

namespace Tessaly {

class BackButtonCell : public StyledButtonCell {
public:
    using ViewStyle = BackButtonCellStyle;
    BackButtonCell();
    static std::shared_ptr<BackButtonCellStyle> style();
    std::shared_ptr<ButtonCellStyle> dynamicStyle() const override { return style(); }
};

class BackButton : public StyledButton {
public:
    using StyledButton::StyledButton;
    // Stores the alpha, then: above 0 shows a hidden button, exactly 0 hides a shown one; any
    // other value (a negative one) changes neither.
    void setAlpha(double alpha) override;
    // Always top 6, left 5, bottom 4, right 4.
    tk::EdgeInsets alignmentRectInsets() const override { return {6, 5, 4, 4}; }

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
};

class CornerButtonCell : public StyledButtonCell {
public:
    using ViewStyle = CornerButtonCellStyle;
    CornerButtonCell();
    static std::shared_ptr<CornerButtonCellStyle> style();
    std::shared_ptr<ButtonCellStyle> dynamicStyle() const override { return style(); }
};

class CornerButton : public StyledButton {
public:
    explicit CornerButton(tk::Rect frame = {}) : StyledButton(frame) {}

    const std::shared_ptr<tk::Menu>& alternateMenu() const { return alternateMenu_; }
    void setAlternateMenu(std::shared_ptr<tk::Menu> menu) { alternateMenu_ = std::move(menu); }
    // A right press or a Control-press: flashes the highlight around the menu (when there is one)
    // and answers true; any other event false.
    bool showAlternateMenuIfNeeded(const tk::Event& event);

    bool mouseDown(const tk::Event& event) override;
    bool rightMouseDown(const tk::Event& event) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;

private:
    // Opens the menu at (minX, maxY + 4) and keeps the button pressed until it closes.
    void openAlternateMenu();
    std::shared_ptr<tk::Menu> alternateMenu_;
};

class ToolButtonCell : public StyledButtonCell {
public:
    using ViewStyle = ToolButtonCellStyle;
    using StyledButtonCell::StyledButtonCell;
    static std::shared_ptr<ToolButtonCellStyle> style();
    std::shared_ptr<ButtonCellStyle> dynamicStyle() const override { return style(); }

    bool showMoreIcon() const { return showMoreIcon_; }
    // Stores only (the button's setter redraws).
    void setShowMoreIcon(bool show) { showMoreIcon_ = show; }
    // The bezel, then the "more" badge over the whole frame (at full strength, also disabled).
    void drawBezel(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;

private:
    bool showMoreIcon_ = false;
};

class ToolButton : public StyledButton {
public:
    explicit ToolButton(tk::Rect frame = {}) : StyledButton(frame) {}

    bool showMoreIcon() const { return showMoreIcon_; }
    void setShowMoreIcon(bool show);
    tk::Responder* secondaryTarget() const { return secondaryTarget_.lock().get(); }
    void setSecondaryTarget(std::weak_ptr<tk::Responder> target) { secondaryTarget_ = std::move(target); }
    const std::string& secondaryAction() const { return secondaryAction_; }
    void setSecondaryAction(std::string action) { secondaryAction_ = std::move(action); }
    // A right press or a Control-press: sends the secondary action (when there is one) with the
    // highlight flashed and answers true; any other event false.
    bool sendSecondaryActionIfNeeded(const tk::Event& event);

    tk::Size intrinsicContentSize() const override;
    bool mouseDown(const tk::Event& event) override;
    bool rightMouseDown(const tk::Event& event) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;

private:
    bool sendSecondaryAction();
    bool showMoreIcon_ = false;
    std::weak_ptr<tk::Responder> secondaryTarget_;
    std::string secondaryAction_;
};

} // namespace Tessaly
