#pragma once

// StyledPopDownButton and its cell: a button with a fixed title that looks like the library's
// pop-ups (state picture bezel, style text colour, optional secondary label, own focus ring) but
// does not open its menu: a press highlights it and a release inside sends the action, like a
// push button. The title is the cell's own menu item, set directly (setTitle), and does not follow
// the menu. A disabled pop-down ignores presses and releases.
//
// Every rule uses the one shared StyledPopDownButtonCellStyle; the cell's state is the library's
// default derivation (on/mixed, disabled, highlighted when enabled).
//
// All members are [main].

#include "Tessaly/Controls/LabelledPopUpButtonCell.h"
#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/PopUpButton.h"

#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class StyledPopDownButtonCell : public LabelledPopUpButtonCell {
public:
    using ViewStyle = StyledPopDownButtonCellStyle;

    explicit StyledPopDownButtonCell(std::string title = {}, bool pullsDown = false);

    static std::shared_ptr<StyledPopDownButtonCellStyle> style();
    StyledControlState controlState() const override;

    // The shown title: the cell's own menu item from now on (usesItemFromMenu off).
    void setTitle(std::string title) override;

    // The button cell's title rect less titleEdgeInsets, centred vertically on the bounds.
    tk::Rect titleRect(const tk::Rect& bounds) const override;
    tk::Rect drawTitle(const tk::AttributedString& title, const tk::Rect& frame, tk::View& controlView,
                       tk::GraphicsContext& context) override;

protected:
    const ButtonCellStyle& cellStyle() const override { return *style(); }
};

class StyledPopDownButton : public tk::PopUpButton {
public:
    explicit StyledPopDownButton(tk::Rect frame = {}) : tk::PopUpButton(frame, false) {}

    const std::optional<std::string>& label() const { return label_; }
    void setLabel(std::optional<std::string> label);
    // The cell's menu item's title ("" for a cell of another class).
    std::string title() const;
    StyledPopDownButtonCell* styledCell() const { return dynamic_cast<StyledPopDownButtonCell*>(cell()); }

    tk::EdgeInsets alignmentRectInsets() const;
    tk::Size intrinsicContentSize() const override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    bool mouseDown(const tk::Event& event) override;
    bool mouseUp(const tk::Event& event) override;
    bool mouseDragged(const tk::Event& event) override;
    void mouseCancelled(const tk::Event& event) override;
    // Space: the action, with the highlight flashed (no menu).
    void performClick() override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;

private:
    std::optional<std::string> label_;
    bool pressed_ = false;
};

} // namespace Tessaly
