#pragma once

// The plug-in's three rotary controls: a KnobControl whose frames are pictures of a 51-frame film
// strip, with a DialLabel laid over it. ZindralDial is the large grey dial, MediumDial the
// coloured one, TinyDial the small grey one (which reacts after 3 points of drag and turns twice
// as far per point). Without a formatter, a dial shows its value with one decimal place.

#include "Korvane/Controls/DialStyles.h"
#include "Korvane/Controls/LabelDisplayOptions.h"
#include "Korvane/Controls/LabelFormatter.h"

#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"

#include <functional>
#include <memory>

namespace Korvane {

class AudioParameter;

// The knob's settings of a dial.
struct DialKnob {
    int imageCount;
    double knobMinDrag;
    float knobDragScaleFactor;
};

// [main] The body every dial shares: knob and label for a dial's look and knob settings.
tk::ui::Node filmStripDial(const std::shared_ptr<AudioParameter>& param, const DialStyle& style,
                           DialKnob knob, const LabelDisplayOptions& labelDisplayOptions,
                           const std::shared_ptr<const LabelFormatter>& formatter,
                           const std::function<void()>& onEditingEnded);

struct ZindralDial {
    ZindralDial(std::shared_ptr<AudioParameter> param, ModernDialColor color,
                LabelDisplayOptions labelDisplayOptions, std::shared_ptr<const LabelFormatter> formatter,
                std::function<void()> onEditingEnded);

    std::shared_ptr<AudioParameter> param;
    ModernDialColor color;
    LabelDisplayOptions labelDisplayOptions;
    std::shared_ptr<const LabelFormatter> formatter; // may be null
    std::function<void()> onEditingEnded;
    int imageCount = kDialImageCount;
    double knobMinDrag = 6.0;
    float knobDragScaleFactor = 0.005f;

    // [main]
    tk::ui::Node body();
};

struct MediumDial {
    MediumDial(std::shared_ptr<AudioParameter> param, SmallDialColor color,
               LabelDisplayOptions labelDisplayOptions, std::shared_ptr<const LabelFormatter> formatter,
               std::function<void()> onEditingEnded);

    std::shared_ptr<AudioParameter> param;
    SmallDialColor color;
    LabelDisplayOptions labelDisplayOptions;
    std::shared_ptr<const LabelFormatter> formatter; // may be null
    std::function<void()> onEditingEnded;
    int imageCount = kDialImageCount;
    double knobMinDrag = 6.0;
    float knobDragScaleFactor = 0.005f;

    // [main]
    tk::ui::Node body();
};

struct TinyDial {
    TinyDial(std::shared_ptr<AudioParameter> param, LabelDisplayOptions labelDisplayOptions,
             std::shared_ptr<const LabelFormatter> formatter, std::function<void()> onEditingEnded);

    std::shared_ptr<AudioParameter> param;
    TinyDialColor color = TinyDialColor::grey;
    LabelDisplayOptions labelDisplayOptions;
    std::shared_ptr<const LabelFormatter> formatter; // may be null
    std::function<void()> onEditingEnded;
    double knobMinDrag = 3.0;
    float knobDragScaleFactor = 0.01f;
    int imageCount = kDialImageCount;

    // [main]
    tk::ui::Node body();
};

} // namespace Korvane
