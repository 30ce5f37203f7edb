#pragma once

#include "Korvane/Parameters/AudioParameter.h"
#include "extension/Settings/ParameterTable.h"

#include <memory>
#include <vector>

namespace extension {

// [main] One AudioParameter for a row of the parameter table (linear travel, no dependents, value
// strings when the row has them).
std::shared_ptr<Korvane::AudioParameter> makeParameter(const ParameterRow& row);

// [main] The 24 parameters of the table, in address order.
std::vector<std::shared_ptr<Korvane::AudioParameter>> makeParameters();

} // namespace extension
