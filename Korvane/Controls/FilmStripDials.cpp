#include "Korvane/Controls/FilmStripDials.h"

#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/DialLabel.h"
#include "Korvane/Controls/KnobControl.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

tk::ui::Node filmStripDial(const std::shared_ptr<AudioParameter>& param, const DialStyle& style,
                           DialKnob knobSettings, const LabelDisplayOptions& labelDisplayOptions,
                           const std::shared_ptr<const LabelFormatter>& formatter,
                           const std::function<void()>& onEditingEnded) {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    KnobControl knob(param, knobSettings.knobMinDrag, knobSettings.knobDragScaleFactor,
                     knobSettings.imageCount, [style](int frame) {
                         return Image(korvaneImage(dialFrameName(style, frame)))
                             .frame(style.frameSize.width, style.frameSize.height);
                     });
    auto shownFormatter = formatter ? formatter : std::make_shared<const DefaultLabelFormatter>(*param, 1);
    DialLabel label(param, korvaneColor(style.labelColor), labelDisplayOptions, style.labelFont,
                    std::move(shownFormatter), onEditingEnded);
    label.turnsKnob = KnobDragSettings{knobSettings.knobMinDrag, knobSettings.knobDragScaleFactor};
    // The shift moves the knob as a whole, so that it is grabbed where its picture is drawn.
    return ZStack(Alignment::center(),
                  {Node(std::move(knob)).offset(0, -style.imageShiftUp), Node(std::move(label))});
}

ZindralDial::ZindralDial(std::shared_ptr<AudioParameter> dialParam, ModernDialColor dialColor,
                         LabelDisplayOptions options, std::shared_ptr<const LabelFormatter> labelFormatter,
                         std::function<void()> editingEnded)
    : param(std::move(dialParam)), color(dialColor), labelDisplayOptions(options),
      formatter(std::move(labelFormatter)), onEditingEnded(std::move(editingEnded)) {}

tk::ui::Node ZindralDial::body() {
    return filmStripDial(param, zindralDialStyle(), {imageCount, knobMinDrag, knobDragScaleFactor},
                         labelDisplayOptions, formatter, onEditingEnded);
}

MediumDial::MediumDial(std::shared_ptr<AudioParameter> dialParam, SmallDialColor dialColor,
                       LabelDisplayOptions options, std::shared_ptr<const LabelFormatter> labelFormatter,
                       std::function<void()> editingEnded)
    : param(std::move(dialParam)), color(dialColor), labelDisplayOptions(options),
      formatter(std::move(labelFormatter)), onEditingEnded(std::move(editingEnded)) {}

tk::ui::Node MediumDial::body() {
    return filmStripDial(param, mediumDialStyle(color), {imageCount, knobMinDrag, knobDragScaleFactor},
                         labelDisplayOptions, formatter, onEditingEnded);
}

TinyDial::TinyDial(std::shared_ptr<AudioParameter> dialParam, LabelDisplayOptions options,
                   std::shared_ptr<const LabelFormatter> labelFormatter, std::function<void()> editingEnded)
    : param(std::move(dialParam)), labelDisplayOptions(options), formatter(std::move(labelFormatter)),
      onEditingEnded(std::move(editingEnded)) {}

tk::ui::Node TinyDial::body() {
    return filmStripDial(param, tinyDialStyle(), {imageCount, knobMinDrag, knobDragScaleFactor},
                         labelDisplayOptions, formatter, onEditingEnded);
}

} // namespace Korvane
