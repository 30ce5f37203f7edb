#include "extension/Settings/ParameterFactory.h"

#include <string>

namespace extension {

std::shared_ptr<Korvane::AudioParameter> makeParameter(const ParameterRow& row) {
    std::optional<std::vector<std::string>> valueStrings;
    if (!row.valueStrings.empty())
        valueStrings.emplace(row.valueStrings.begin(), row.valueStrings.end());
    return std::make_shared<Korvane::AudioParameter>(
        row.address, row.identifier, row.name, row.unit, tk::ClosedRange<float>{row.minimum, row.maximum},
        row.defaultValue, Korvane::ValueIncrement::linear(), std::move(valueStrings), std::nullopt);
}

std::vector<std::shared_ptr<Korvane::AudioParameter>> makeParameters() {
    std::vector<std::shared_ptr<Korvane::AudioParameter>> parameters;
    parameters.reserve(kParameterTable.size());
    for (const ParameterRow& row : kParameterTable)
        parameters.push_back(makeParameter(row));
    return parameters;
}

} // namespace extension
