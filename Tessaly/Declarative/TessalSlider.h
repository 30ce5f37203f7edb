#pragma once

// The declarative slider: an icon button at each end and a track drawn from the library's
// pictures, driven by a TessalSliderModel that may stand for several objects at once.
//
// The model: a value between minimumValue and maximumValue, or none for a mixed state (the
// starting values differ). Reads of the observed members are tracked, so a slider rebuilds when
// they change; setting one to its current value notifies nobody.
//   - fraction(x): where x lies in the range, 0 ... 1 (0 for an empty range).
//   - position: the fraction of the value (none when mixed); setting a fraction sets the value
//     (bounded to the range, not snapped).
//   - the end icons set the minimum / maximum (maxMin) or step by incrementBy from the value (from
//     defaultValue when mixed), bounded; reset() goes back to defaultValue. Each ends with
//     onSlideComplete.
//
// The track (sliderWidth wide, measured):
//   - fill "tui-customslider-on" from the left end to the value (at least 16 wide, in whole
//     points), the whole track when mixed over more than maxKnobs starting values, none when
//     mixed otherwise;
//   - the knob "tui-customslider-handle" ("-down" while dragged), centred on the value and kept 8
//     points inside the ends; when mixed, faint knobs (opacity 0.3) for the first five starting
//     values, none over more than five.
//
// Pointer: Option-click resets. A drag (from the first movement, minimum distance 0) that starts
// on the knob keeps the grab offset and moves nothing for its first 20 points of travel; one that
// starts elsewhere moves the value to the pointer at once. Within 8 points of an end the value is
// that end. With Shift the value snaps to multiples of incrementBy from the minimum (only for a
// positive increment). Callbacks: onSlideStarted at the first movement (with the value), then
// onSlideOngoing for each change, onSlideComplete at the end (a cancelled drag ends the same way).
//
// All members are [main].

#include "platform/tk/base/Observable.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/ui/UI.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Tessaly {

enum class SliderIconClickBehaviour { maxMin = 0, increment = 1 };

class TessalSliderModel {
public:
    using SlideCallback = std::function<void(double value)>;

    TessalSliderModel(std::vector<double> startingValues, double defaultValue, double minimumValue,
                      double maximumValue, double incrementBy, SliderIconClickBehaviour iconClickBehaviour);

    SlideCallback onSlideStarted;
    SlideCallback onSlideOngoing;
    SlideCallback onSlideComplete;

    double incrementBy() const { return incrementBy_.get(); }
    void setIncrementBy(double value) { incrementBy_.set(value); }
    double minimumValue() const { return minimumValue_.get(); }
    void setMinimumValue(double value) { minimumValue_.set(value); }
    double maximumValue() const { return maximumValue_.get(); }
    void setMaximumValue(double value) { maximumValue_.set(value); }
    std::optional<double> value() const { return value_.get(); }
    void setValue(std::optional<double> value) { value_.set(value); }
    const std::vector<double>& startingValues() const { return startingValues_.get(); }
    void setStartingValues(std::vector<double> values) { startingValues_.set(std::move(values)); }
    double defaultValue() const { return defaultValue_; }
    SliderIconClickBehaviour iconClickBehaviour() const { return iconClickBehaviour_; }

    // (x - minimum) / (maximum - minimum), limited to 0 ... 1; 0 for an empty range.
    double fraction(double x) const;
    std::optional<double> position() const;
    void setPosition(std::optional<double> fraction);

    void leftIconClicked();
    void rightIconClicked();
    void reset();

    // Subscribes to changes of any observed member (for owners outside a declarative body).
    tk::Subscription observe(std::function<void()> changed);

private:
    void step(double direction);
    void complete();

    tk::Observable<double> incrementBy_;
    tk::Observable<double> minimumValue_;
    tk::Observable<double> maximumValue_;
    tk::Observable<std::optional<double>> value_;
    tk::Observable<std::vector<double>> startingValues_;
    double defaultValue_;
    SliderIconClickBehaviour iconClickBehaviour_;
};

struct TessalSlider {
    static constexpr double kKnobSize = 16;
    static constexpr double kKnobHalf = 8;
    static constexpr double kDeadZone = 20;

    std::shared_ptr<TessalSliderModel> model = {};
    tk::Image leftImage = {};
    tk::Image rightImage = {};
    tk::ui::State<double> sliderPosition{0};
    tk::ui::State<double> sliderWidth{1};
    tk::ui::State<bool> isDragging{false};
    tk::ui::State<double> xDragOffset{0};
    tk::ui::State<double> xDistanceDragged{0};
    tk::ui::State<double> lastTranslationX{0}; // the drag's translation at its previous change
    double knobYPosition = 12;
    int maxKnobs = 5;

    tk::ui::Node body();

    // The track's geometry for the current width (0 while the track is 10 points or narrower).
    double fillWidth() const;
    double knobX() const;
    // Where a pointer at `x` puts the value, as an x on the track.
    double trackX(double x) const;

    void dragChanged(const tk::ui::DragValue& value);
    void dragEnded();

private:
    tk::ui::Node track();
    tk::ui::Node endButton(const tk::Image& image, std::function<void()> action) const;
    bool overflowsKnobs() const;
    double knobXFor(double value) const;
};

} // namespace Tessaly
