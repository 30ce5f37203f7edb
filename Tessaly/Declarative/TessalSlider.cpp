#include "Tessaly/Declarative/TessalSlider.h"

#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/base/MainThread.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace Tessaly {

namespace {

// v limited to lo ... hi; when a caller lets the range turn over (lo > hi), hi wins instead of
// the undefined result std::clamp would give.
double limited(double v, double lo, double hi) {
    return std::min(std::max(v, lo), hi);
}

} // namespace

// --- TessalSliderModel ---------------------------------------------------------------------------

TessalSliderModel::TessalSliderModel(std::vector<double> startingValues, double defaultValue,
                                     double minimumValue, double maximumValue, double incrementBy,
                                     SliderIconClickBehaviour iconClickBehaviour)
    : incrementBy_(incrementBy), minimumValue_(minimumValue), maximumValue_(maximumValue),
      startingValues_(startingValues), defaultValue_(defaultValue), iconClickBehaviour_(iconClickBehaviour) {
    const std::set<double> distinct(startingValues.begin(), startingValues.end());
    if (distinct.size() == 1)
        value_.set(*distinct.begin());
}

double TessalSliderModel::fraction(double x) const {
    const double lo = minimumValue();
    const double range = maximumValue() - lo;
    if (!(range > 0))
        return 0; // an empty range has no inside to be in
    return limited((x - lo) / range, 0, 1);
}

std::optional<double> TessalSliderModel::position() const {
    const auto v = value();
    return v ? std::optional<double>(fraction(*v)) : std::nullopt;
}

void TessalSliderModel::setPosition(std::optional<double> f) {
    if (!f) {
        setValue(std::nullopt);
        return;
    }
    const double lo = minimumValue();
    const double hi = maximumValue();
    setValue(limited(lo + (hi - lo) * *f, lo, hi));
}

void TessalSliderModel::complete() {
    if (onSlideComplete)
        if (auto v = value())
            onSlideComplete(*v);
}

void TessalSliderModel::step(double direction) {
    const double from = value().value_or(defaultValue_);
    setValue(limited(from + direction * incrementBy(), minimumValue(), maximumValue()));
}

void TessalSliderModel::leftIconClicked() {
    TK_CHECK_MAIN_THREAD();
    if (iconClickBehaviour_ == SliderIconClickBehaviour::maxMin)
        setValue(minimumValue());
    else
        step(-1);
    complete();
}

void TessalSliderModel::rightIconClicked() {
    TK_CHECK_MAIN_THREAD();
    if (iconClickBehaviour_ == SliderIconClickBehaviour::maxMin)
        setValue(maximumValue());
    else
        step(1);
    complete();
}

void TessalSliderModel::reset() {
    setValue(defaultValue_);
    complete();
}

tk::Subscription TessalSliderModel::observe(std::function<void()> changed) {
    auto all = std::make_shared<std::vector<tk::Subscription>>();
    all->push_back(incrementBy_.subscribe(changed));
    all->push_back(minimumValue_.subscribe(changed));
    all->push_back(maximumValue_.subscribe(changed));
    all->push_back(value_.subscribe(changed));
    all->push_back(startingValues_.subscribe(changed));
    return tk::Subscription([all] { all->clear(); });
}

// --- TessalSlider --------------------------------------------------------------------------------

bool TessalSlider::overflowsKnobs() const {
    return int(model->startingValues().size()) > maxKnobs;
}

double TessalSlider::knobXFor(double value) const {
    const double width = sliderWidth.get();
    return limited(model->fraction(value) * width, kKnobHalf, width - kKnobHalf);
}

double TessalSlider::fillWidth() const {
    const double width = sliderWidth.get();
    if (width <= 10)
        return 0;
    // Whole points (whole pixels at 1x and 2x): the fill is drawn in nine parts, and parts that
    // meet between pixels let the track show through a seam. The knob hides the rounding.
    if (auto v = model->value())
        return std::min(std::round(limited(model->fraction(*v) * width, kKnobSize, width)),
                        std::floor(width));
    return overflowsKnobs() ? width : 0;
}

double TessalSlider::knobX() const {
    if (sliderWidth.get() <= 10)
        return 0;
    if (auto v = model->value())
        return knobXFor(*v);
    const auto& starting = model->startingValues();
    return starting.empty() ? kKnobHalf : knobXFor(starting.front());
}

double TessalSlider::trackX(double x) const {
    const double width = sliderWidth.peek();
    // The grab offset goes in before the limits, so a knob held off its centre still reaches
    // both ends.
    const double p = limited(x + xDragOffset.peek(), 0, width);
    if (p < kKnobHalf)
        return 0;
    if (p > width - kKnobHalf)
        return width;
    return p;
}

void TessalSlider::dragChanged(const tk::ui::DragValue& drag) {
    TK_CHECK_MAIN_THREAD();
    TessalSliderModel& m = *model;
    const double width = sliderWidth.peek();
    if (!isDragging.peek()) {
        isDragging.set(true);
        const double kx = knobX();
        const tk::Rect knob{kx - kKnobHalf, 0, kKnobSize, 24};
        if (knob.contains(drag.location))
            xDragOffset.set(kx - drag.location.x);
        else
            m.setPosition(trackX(drag.location.x) / width);
        if (m.onSlideStarted)
            if (auto v = m.value())
                m.onSlideStarted(*v);
        return;
    }
    // The distance travelled adds up each movement (the translation counts from the press).
    xDistanceDragged.set(xDistanceDragged.peek() + std::abs(drag.translation.x - lastTranslationX.peek()));
    lastTranslationX.set(drag.translation.x);
    const double p = trackX(drag.location.x);
    const double increment = m.incrementBy();
    if (tk::contains(drag.modifierFlags, tk::ModifierFlags::shift) && increment > 0) {
        const double lo = m.minimumValue();
        const double hi = m.maximumValue();
        const double v = limited(lo + std::round((p / width) * (hi - lo) / increment) * increment, lo, hi);
        if (m.value() == v)
            return;
        m.setValue(v);
        if (m.onSlideOngoing)
            m.onSlideOngoing(v);
        return;
    }
    if (xDragOffset.peek() != 0 && xDistanceDragged.peek() < kDeadZone)
        return;
    m.setPosition(p / width);
    if (m.onSlideOngoing)
        if (auto v = m.value())
            m.onSlideOngoing(*v);
}

void TessalSlider::dragEnded() {
    TK_CHECK_MAIN_THREAD();
    if (!isDragging.peek())
        return;
    isDragging.set(false);
    xDragOffset.set(0);
    xDistanceDragged.set(0);
    lastTranslationX.set(0);
    if (model->onSlideComplete)
        if (auto v = model->value())
            model->onSlideComplete(*v);
}

tk::ui::Node TessalSlider::endButton(const tk::Image& picture, std::function<void()> action) const {
    using namespace tk::ui;
    return Button(std::move(action), Image(picture).frame(14, 24).foregroundColor(tk::Color::white()))
        .buttonStyle(PlainButtonStyle{});
}

tk::ui::Node TessalSlider::track() {
    using namespace tk::ui;
    return GeometryReader([this](tk::Size size) {
        const double width = sliderWidth.get();
        const double fill = fillWidth();
        const auto value = model->value();
        const bool mixed = !value;
        const tk::Image on = image(ImageResources::tuiCustomsliderOn);
        std::vector<Node> layers;
        layers.push_back(Image(on)
                             .resizable(on.capInsets())
                             .frame(fill, 16)
                             .identifier("slider-fill")
                             .opacity(fill > 0 ? 1 : 0));
        const double mainOpacity = !mixed ? 1.0 : overflowsKnobs() ? 0.0 : 0.3;
        layers.push_back(Image(image(isDragging.get() ? ImageResources::tuiCustomsliderHandleDown
                                                      : ImageResources::tuiCustomsliderHandle))
                             .frame(kKnobSize, kKnobSize)
                             .opacity(mainOpacity)
                             .identifier("slider-knob-0")
                             .position(knobX(), knobYPosition));
        const auto& starting = model->startingValues();
        for (std::size_t i = 1; i < 5; ++i) {
            if (!mixed || width <= 10 || overflowsKnobs() || i >= starting.size())
                continue;
            layers.push_back(Image(image(ImageResources::tuiCustomsliderHandle))
                                 .frame(kKnobSize, kKnobSize)
                                 .opacity(0.3)
                                 .identifier("slider-knob-" + std::to_string(i))
                                 .position(knobXFor(starting[i]), knobYPosition));
        }
        return ZStack(Alignment::leading(), std::move(layers))
            .frame(size.width, size.height, Alignment::leading())
            .background(tk::Color::clear())
            .gesture(TapGesture{.count = 1,
                                .modifiers = tk::ModifierFlags::option,
                                .onEnded = [this](tk::Point) { model->reset(); }})
            .gesture(DragGesture{.minimumDistance = 0,
                                 .onChanged =
                                     [this](const DragValue& v) {
                                         // The Option-click takes the press: no drag alongside it.
                                         if (!tk::contains(v.modifierFlags, tk::ModifierFlags::option))
                                             dragChanged(v);
                                     },
                                 .onEnded = [this](const DragValue&) { dragEnded(); },
                                 .onCancelled = [this](const DragValue&) { dragEnded(); }})
            .onChange(
                size.width, [this](const double&, const double& now) { sliderWidth.set(now); }, true)
            .identifier("slider-track");
    });
}

tk::ui::Node TessalSlider::body() {
    using namespace tk::ui;
    const tk::Image field = image(ImageResources::tuiTextfield);
    return HStack({endButton(leftImage, [m = model] { m->leftIconClicked(); }), track(),
                   endButton(rightImage, [m = model] { m->rightIconClicked(); })})
        .padding(Edges::horizontal(), 2)
        .frame(std::nullopt, 24)
        .background(Image(field).resizable(field.capInsets()).padding(Edges::horizontal(), -2));
}

} // namespace Tessaly
