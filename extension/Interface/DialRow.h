#pragma once

// The main view's row of eight dials, left to right: which parameter each shows, with which label
// formatter, and the label options they share (14-point names, 16-point values with the unit
// suffix, in the colour "values").

#include "extension/Settings/Settings.h"

#include "Korvane/Controls/LabelDisplayOptions.h"
#include "Korvane/Controls/LabelFormatter.h"

#include <memory>
#include <vector>

namespace extension {

struct DialRowEntry {
    Settings::Parameter param;
    std::shared_ptr<const Korvane::LabelFormatter> formatter; // null: the dial's default
};

// [main] The label options of every dial of the row.
Korvane::LabelDisplayOptions dialRowLabelOptions();

// [main] The row's dials, built from the parameter objects the settings hold now.
std::vector<DialRowEntry> dialRowEntries(const Settings& settings);

} // namespace extension
