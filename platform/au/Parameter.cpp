#include "platform/au/Parameter.h"

#include "platform/au/NumericConversion.h"
#include "platform/au/ParameterTree.h"

#include <charconv>
#include <cmath>

namespace au {

Parameter::Parameter(PrivateTag, std::string identifier, std::string name, ParameterAddress address,
                     AUValue minValue, AUValue maxValue, ParameterUnit unit,
                     std::optional<std::string> unitName, ParameterOptions flags,
                     std::optional<std::vector<std::string>> valueStrings,
                     std::optional<std::vector<ParameterAddress>> dependentParameters)
    : identifier_(std::move(identifier)), name_(std::move(name)), address_(address), minValue_(minValue),
      maxValue_(maxValue), unit_(unit), unitName_(std::move(unitName)), flags_(flags),
      valueStrings_(std::move(valueStrings)), dependentParameters_(std::move(dependentParameters)) {}

AUValue Parameter::value() const {
    ParameterTree* owner = tree();
    if (owner && owner->implementorValueProvider()) {
        return owner->implementorValueProvider()(*this);
    }
    return storedValue();
}

void Parameter::setValue(AUValue value) {
    setValue(value, nullptr, 0, ParameterAutomationEventType::value);
}

void Parameter::setValue(AUValue value, const ObserverToken* originator, uint64_t hostTime,
                         ParameterAutomationEventType eventType) {
    value_.store(value, std::memory_order_relaxed);
    ParameterTree* owner = tree();
    if (!owner) {
        return;
    }
    if (owner->implementorValueObserver()) {
        owner->implementorValueObserver()(*this, value);
    }
    owner->notifyObservers(*this, value, originator, hostTime, eventType);
}

std::string Parameter::stringFromValue(const AUValue* value) const {
    ParameterTree* owner = tree();
    if (owner && owner->implementorStringFromValueCallback()) {
        return owner->implementorStringFromValueCallback()(*this, value);
    }
    AUValue shown = value ? *value : this->value();
    if (valueStrings_ && !std::isnan(shown)) {
        int64_t index = truncateSaturating<int64_t>(shown);
        if (index >= 0 && static_cast<uint64_t>(index) < valueStrings_->size()) {
            return (*valueStrings_)[static_cast<size_t>(index)];
        }
    }
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, shown);
    return std::string(text, result.ptr);
}

AUValue Parameter::valueFromString(std::string_view text) const {
    ParameterTree* owner = tree();
    if (owner && owner->implementorValueFromStringCallback()) {
        return owner->implementorValueFromStringCallback()(*this, std::string(text));
    }
    if (valueStrings_) {
        for (size_t i = 0; i < valueStrings_->size(); ++i) {
            if ((*valueStrings_)[i] == text) {
                return static_cast<AUValue>(i);
            }
        }
    }
    AUValue parsed = 0.0f;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return 0.0f;
    }
    return parsed;
}

} // namespace au
