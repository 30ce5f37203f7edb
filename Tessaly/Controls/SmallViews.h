#pragma once

// Small views that other controls build on:
//   - ClickableImageView: an image view that publishes each click on `clicked` (from its click
//     recogniser, whether or not it is enabled) and dims to half opacity while pressed (when
//     enabled).
//   - focusInWindow: brings a control's window to key and makes the control its first responder;
//     focusControlsOnClick wires many image-view / control pairs that way at once (the control is
//     held weakly: once it is gone, clicks on its image do nothing).
//   - FlippedView: a plain view with the top-left origin (every toolkit view has it; the class
//     names the intent). StyledFlippedView paints its layer with its class style's background
//     colour, taken once when it is made.
//   - NoDividerSplitView: a split view whose dividers take no room and draw nothing.
//
// All of it is [main].

#include "Tessaly/Styles/BaseStyle.h"
#include "platform/tk/base/Publisher.h"
#include "platform/tk/controls/ImageView.h"
#include "platform/tk/view/GestureRecognizer.h"
#include "platform/tk/view/SplitView.h"

#include <memory>
#include <utility>
#include <variant>
#include <vector>

namespace Tessaly {

class ClickableImageView : public tk::ImageView {
public:
    using Click = std::monostate;
    using tk::ImageView::ImageView;

    const tk::PassthroughSubject<Click>& clicked() const { return *clicked_; }
    // Replaces the subject (its subscribers stay with the old one).
    void setClicked(std::shared_ptr<tk::PassthroughSubject<Click>> subject) { clicked_ = std::move(subject); }
    // Made on first use: the recogniser whose action is handleClickGesture.
    tk::ClickGestureRecognizer& clickGestureRecognizer();
    // Sends one click.
    virtual void handleClickGesture();

    bool mouseDown(const tk::Event& event) override;
    bool mouseUp(const tk::Event& event) override;
    void mouseCancelled(const tk::Event& event) override;

protected:
    void setup() override;

private:
    std::shared_ptr<tk::PassthroughSubject<Click>> clicked_ =
        std::make_shared<tk::PassthroughSubject<Click>>();
    std::shared_ptr<tk::ClickGestureRecognizer> recognizer_;
};

// Nothing for a control without a window; otherwise the window becomes key (when it is not) and
// the control its first responder.
void focusInWindow(tk::Control& control);

// For each pair, in order: a click on the image view focuses the control (held weakly). The
// subscriptions are added to `cancellables`.
void focusControlsOnClick(
    const std::vector<std::pair<std::shared_ptr<ClickableImageView>, std::weak_ptr<tk::Control>>>& pairs,
    std::vector<tk::Cancellable>& cancellables);

class FlippedView : public tk::View {
public:
    using tk::View::View;
};

class StyledFlippedView : public tk::View {
public:
    using ViewStyle = BaseStyle;
    using tk::View::View;
    // Shared by every styled flipped view; replacing it changes only views made afterwards.
    static std::shared_ptr<BaseStyle> style();
    static void setStyle(std::shared_ptr<BaseStyle> style);

protected:
    void setup() override;
};

class NoDividerSplitView : public tk::SplitView {
public:
    using tk::SplitView::SplitView;
    double dividerThickness() const override { return 0; }
    tk::Color dividerColor() const override { return tk::Color::clear(); }
    void drawDivider(tk::GraphicsContext&, const tk::Rect&) override {}
};

} // namespace Tessaly
