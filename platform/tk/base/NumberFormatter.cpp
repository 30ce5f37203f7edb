#include "platform/tk/base/NumberFormatter.h"

#include "platform/tk/base/NumberFormat.h"
#include "platform/tk/base/Whitespace.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace tk {

void NumberFormatter::setMinimumFractionDigits(int digits) {
    minimumFractionDigits_ = std::clamp(digits, 0, 20);
    maximumFractionDigits_ = std::max(maximumFractionDigits_, minimumFractionDigits_);
}

void NumberFormatter::setMaximumFractionDigits(int digits) {
    maximumFractionDigits_ = std::clamp(digits, 0, 20);
    minimumFractionDigits_ = std::min(minimumFractionDigits_, maximumFractionDigits_);
}

std::optional<std::string> NumberFormatter::string(const FormatterValue& value) const {
    const double* number = std::get_if<double>(&value);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    std::string text = formatFixed(*number, maximumFractionDigits_);
    if (auto point = text.find('.'); point != std::string::npos) {
        const std::size_t keep = point + 1 + static_cast<std::size_t>(minimumFractionDigits_);
        while (text.size() > keep && text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    if (!(*number < 0))
        text += positiveSuffix_;
    return text;
}

bool NumberFormatter::getObjectValue(FormatterValue& value, const std::string& text,
                                     std::string* errorDescription) const {
    std::string_view number = text;
    if (lenient_) {
        number = trimmed(number);
        if (!positiveSuffix_.empty() && number.ends_with(positiveSuffix_))
            number.remove_suffix(positiveSuffix_.size());
    }
    const auto parsed = parseDouble(number);
    if (!parsed || !std::isfinite(*parsed)) {
        if (errorDescription)
            *errorDescription = "Invalid number";
        return false;
    }
    value = *parsed;
    return true;
}

} // namespace tk
