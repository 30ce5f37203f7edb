#include "Tessaly/Controls/StyledSlider.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Styles/Styles.h"

#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

// --- StyledSliderCell ----------------------------------------------------------------------------

std::shared_ptr<SliderCellStyle> StyledSliderCell::style() {
    static const auto shared = [] {
        auto s = std::make_shared<SliderCellStyle>();
        s->setBackgroundColor(Styles::Control::clearBackgroundColor());
        return s;
    }();
    return shared;
}

StyledControlState StyledSliderCell::controlState() const {
    StyledControlState state = StyledControlState::defaultState;
    if (!isEnabled())
        state = state | StyledControlState::disabled;
    else if (isHighlighted())
        state = state | StyledControlState::highlighted;
    return state;
}

tk::Rect StyledSliderCell::focusRingMaskBounds(const tk::Rect& frame, const tk::View&) const {
    return isBezeled() || isBordered() ? frame : drawingRect(frame);
}

double StyledSliderCell::knobThickness() const {
    // The knob's own picture decides how thick the knob is (not the bar's).
    if (auto knob = style()->knobImage(controlState()))
        return knob->size().width;
    return tk::SliderCell::knobThickness();
}

tk::Rect StyledSliderCell::barRect(bool flipped) const {
    const tk::Rect r = tk::SliderCell::barRect(flipped);
    auto bar = style()->barImage(controlState());
    if (!controlView() || !bar)
        return r;
    const tk::Rect d = drawingRect(controlBounds());
    const double h = bar->size().height;
    const double y = std::round(d.midY() - h / 2);
    const tk::Rect whole = tk::Rect{r.minX(), y, r.width(), h}.integral();
    return tk::Rect{whole.minX() + 2, whole.minY(), whole.width() - 4, whole.height()}.integral();
}

tk::Rect StyledSliderCell::knobRect(bool flipped) const {
    const tk::Rect r = tk::SliderCell::knobRect(flipped);
    auto knob = style()->knobImage(controlState());
    if (!knob)
        return r;
    const tk::Size k = knob->size();
    const tk::Rect b = barRect(flipped);
    const double limit = std::max(b.width() - 12, 1.0);
    const double x = std::clamp(std::round(r.midX() - k.width / 2), 0.0, limit);
    const tk::Rect placed = tk::Rect{x, 0, k.width, k.height}.integral();
    const double y = std::round(b.midY() - placed.height() / 2);
    return tk::Rect{placed.minX(), y, placed.width(), placed.height()}.integral();
}

void StyledSliderCell::drawBar(const tk::Rect& rect, bool flipped, tk::GraphicsContext& context) {
    const StateTable& bars = style()->barImages();
    auto track = bars.image(StyledControlState::defaultState);
    if (!track)
        return;
    const double opacity = isEnabled() ? 1.0 : 0.5;
    tk::GraphicsStateGuard guard(context);
    drawTintedImage(context, *track, rect, opacity);
    if (auto filled = bars.image(StyledControlState::highlighted)) {
        const double width = knobRect(flipped).midX() - rect.minX();
        drawTintedImage(context, *filled,
                        tk::Rect{rect.minX(), rect.minY(), std::max(0.0, width), rect.height()}.integral(),
                        opacity);
    }
}

void StyledSliderCell::drawKnob(const tk::Rect& knob, tk::GraphicsContext& context) {
    auto picture = style()->knobImage(controlState());
    if (!picture)
        return;
    drawTintedImage(context, *picture, knob, isEnabled() ? 1.0 : 0.5);
}

BackgroundStyle StyledSliderCell::interiorBackgroundStyle() const {
    return style()->interiorBackgroundStyle();
}

// --- StyledSlider --------------------------------------------------------------------------------

std::unique_ptr<tk::Cell> StyledSlider::makeCell() const {
    return std::make_unique<StyledSliderCell>();
}

void StyledSlider::setup() {
    tk::Slider::setup();
    setActionHandler("sliderValueChanged:", [this](const tk::ActionSender&) { sliderValueChanged(); });
    setTarget(weakView());
    setAction("sliderValueChanged:");
}

void StyledSlider::setFixedWidth(std::optional<double> width) {
    fixedWidth_ = width;
    invalidateIntrinsicContentSize();
}

void StyledSlider::sliderValueChanged() {
    const tk::Event* event = currentEvent();
    if (!event)
        return;
    const double value = doubleValue();
    switch (event->type) {
    case tk::EventType::mouseDown:
        if (event->button == tk::MouseButton::left)
            call(onSlideStarted_, value);
        break;
    case tk::EventType::mouseDragged:
        if (event->button == tk::MouseButton::left)
            call(onSlideOngoing_, value);
        break;
    case tk::EventType::mouseUp:
        if (event->button == tk::MouseButton::left)
            call(onSlideComplete_, value);
        break;
    case tk::EventType::scrollWheel:
    case tk::EventType::keyDown:
        // A change in one step is a whole slide: clients hear all three phases.
        call(onSlideStarted_, value);
        call(onSlideOngoing_, value);
        call(onSlideComplete_, value);
        break;
    default:
        break;
    }
}

void StyledSlider::trackingCancelled() {
    tk::Slider::trackingCancelled();
    call(onSlideComplete_, doubleValue());
}

tk::Size StyledSlider::intrinsicContentSize() const {
    const tk::Size base = tk::Slider::intrinsicContentSize();
    if (!fixedWidth_)
        return base;
    tk::Size size{*fixedWidth_, base.height};
    if (const StyledSliderCell* c = styledCell()) {
        const StyledControlState state = c->controlState();
        auto bar = StyledSliderCell::style()->barImage(state);
        auto knob = StyledSliderCell::style()->knobImage(state);
        if (bar)
            size.width = std::max(*fixedWidth_, bar->size().width);
        if (bar && knob)
            size.height = std::max(bar->size().height, knob->size().height);
    }
    return size;
}

// --- StyledScrollableSlider ----------------------------------------------------------------------

bool StyledScrollableSlider::scrollWheel(const tk::Event& event) {
    if (!isEnabled())
        return true;
    return handling(event, [&] {
        const double range = maxValue() - minValue();
        const double dx = event.scrollingDelta.x;
        const double dy = event.scrollingDelta.y;
        double delta = 0;
        if (isVertical() && sliderType() == tk::SliderType::linear)
            delta = dy;
        else if (userInterfaceLayoutDirection() == tk::UserInterfaceLayoutDirection::rightToLeft)
            delta = dy + dx;
        else
            delta = dy - dx;
        if (event.isDirectionInvertedFromDevice)
            delta = -delta;
        const double step = range * delta / 100 * 0.25;
        double value = doubleValue() + step;
        if (sliderType() == tk::SliderType::circular) {
            if (value < minValue())
                value = maxValue() - std::abs(step);
            else if (value > maxValue())
                value = minValue() + std::abs(step);
        }
        setDoubleValue(value);
        sendAction(action(), target());
        return true;
    });
}

} // namespace Tessaly
