#include "Tessaly/Controls/SmallViews.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

void ClickableImageView::setup() {
    tk::ImageView::setup();
    clickGestureRecognizer(); // made and added now, as a view restored from an archive would be
}

tk::ClickGestureRecognizer& ClickableImageView::clickGestureRecognizer() {
    if (!recognizer_) {
        recognizer_ = std::make_shared<tk::ClickGestureRecognizer>();
        auto weak = std::weak_ptr<tk::View>(sharedView());
        recognizer_->setAction([weak](tk::GestureRecognizer&) {
            if (auto view = weak.lock())
                static_cast<ClickableImageView&>(*view).handleClickGesture();
        });
        addGestureRecognizer(recognizer_);
    }
    return *recognizer_;
}

void ClickableImageView::handleClickGesture() {
    auto subject = clicked_; // a subscriber may replace it
    subject->send(Click{});
}

bool ClickableImageView::mouseDown(const tk::Event& event) {
    const bool handled = tk::ImageView::mouseDown(event);
    if (isEnabled())
        setAlpha(0.5);
    return handled;
}

bool ClickableImageView::mouseUp(const tk::Event& event) {
    const bool handled = tk::ImageView::mouseUp(event);
    if (isEnabled())
        setAlpha(1);
    return handled;
}

void ClickableImageView::mouseCancelled(const tk::Event& event) {
    tk::ImageView::mouseCancelled(event);
    if (isEnabled())
        setAlpha(1);
}

void focusInWindow(tk::Control& control) {
    tk::Window* window = control.window();
    if (!window)
        return;
    if (!window->isKeyWindow())
        window->makeKeyAndOrderFront();
    window->makeFirstResponder(&control);
}

void focusControlsOnClick(
    const std::vector<std::pair<std::shared_ptr<ClickableImageView>, std::weak_ptr<tk::Control>>>& pairs,
    std::vector<tk::Cancellable>& cancellables) {
    for (const auto& [image, control] : pairs)
        cancellables.push_back(image->clicked().sink([control](const ClickableImageView::Click&) {
            if (auto c = control.lock())
                focusInWindow(*c);
        }));
}

namespace {
std::shared_ptr<BaseStyle>& sharedFlippedStyle() {
    static std::shared_ptr<BaseStyle> style = [] {
        auto s = std::make_shared<BaseStyle>();
        s->setAppearanceName(AppearanceName::dark);
        s->setBackgroundStyle(BackgroundStyle::emphasized);
        s->setInteriorBackgroundStyle(BackgroundStyle::emphasized);
        s->setOpaque(false);
        s->setBackgroundColor(color(ColorResources::backgroundNormal));
        return s;
    }();
    return style;
}
} // namespace

std::shared_ptr<BaseStyle> StyledFlippedView::style() {
    return sharedFlippedStyle();
}

void StyledFlippedView::setStyle(std::shared_ptr<BaseStyle> style) {
    if (style)
        sharedFlippedStyle() = std::move(style);
}

void StyledFlippedView::setup() {
    tk::View::setup();
    setWantsLayer(true);
    layer()->setBackgroundColor(style()->backgroundColor());
}

} // namespace Tessaly
