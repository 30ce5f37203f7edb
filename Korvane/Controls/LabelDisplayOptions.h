#pragma once

// How one dial's label is shown: value colour, the three font sizes, the switches for the unit
// suffix and the name, and the width of the text field while editing.

#include "platform/tk/base/Color.h"

namespace Korvane {

struct LabelDisplayOptions {
    tk::Color valueColor;
    double labelFontSize = 0;
    double valueFontSize = 0;
    double editingFontSize = 0;
    bool showSuffix = false;
    bool showName = false;
    double labelWidth = 0;
};

} // namespace Korvane
