#include "Korvane/Controls/LabelNameFormatter.h"

#include "Korvane/Parameters/AudioParameter.h"

#include <cmath>

namespace Korvane {

namespace {

// Case folding of the ASCII letters; other bytes (UTF-8 sequences included) compare as they are.
bool equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

LabelNameFormatter::LabelNameFormatter(const AudioParameter& param)
    : LabelNameFormatter(param.valueStrings().value_or(std::vector<std::string>{})) {}

LabelNameFormatter::LabelNameFormatter(std::vector<std::string> valueStrings)
    : valueStrings_(std::move(valueStrings)) {}

std::string LabelNameFormatter::format(float value) const {
    if (!std::isfinite(value)) {
        return {};
    }
    const float index = std::round(value);
    if (index < 0 || index >= static_cast<float>(valueStrings_.size())) {
        return {};
    }
    return valueStrings_[static_cast<std::size_t>(index)];
}

std::optional<float> LabelNameFormatter::value(const std::string& text) const {
    for (std::size_t i = 0; i < valueStrings_.size(); ++i) {
        if (equalIgnoringCase(valueStrings_[i], text)) {
            return static_cast<float>(i);
        }
    }
    return std::nullopt;
}

} // namespace Korvane
