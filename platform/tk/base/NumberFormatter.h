#pragma once

#include "platform/tk/base/Formatter.h"

#include <string>

// A formatter of numbers, independent of the process's locale ('.' as the decimal point, no
// grouping): a number is shown with at most maximumFractionDigits digits after the point (trailing
// zeros dropped down to minimumFractionDigits) and, when it is not negative, followed by the
// positive suffix. Text is read back as a decimal number; a lenient formatter also accepts white
// space around it and the positive suffix after it. Other values are not shown.

namespace tk {

class NumberFormatter : public Formatter {
public:
    enum class Behavior : int { defaultBehavior = 0, behavior10_0 = 1000, behavior10_4 = 1040 };

    Behavior formatterBehavior() const { return behavior_; }
    void setFormatterBehavior(Behavior behavior) { behavior_ = behavior; }
    bool isLenient() const { return lenient_; }
    void setLenient(bool lenient) { lenient_ = lenient; }
    const std::string& positiveSuffix() const { return positiveSuffix_; }
    void setPositiveSuffix(std::string suffix) { positiveSuffix_ = std::move(suffix); }
    int minimumFractionDigits() const { return minimumFractionDigits_; }
    void setMinimumFractionDigits(int digits);
    int maximumFractionDigits() const { return maximumFractionDigits_; }
    void setMaximumFractionDigits(int digits);

    std::optional<std::string> string(const FormatterValue& value) const override;
    bool getObjectValue(FormatterValue& value, const std::string& text,
                        std::string* errorDescription) const override;

private:
    Behavior behavior_ = Behavior::behavior10_4;
    bool lenient_ = false;
    std::string positiveSuffix_;
    int minimumFractionDigits_ = 0;
    int maximumFractionDigits_ = 0;
};

} // namespace tk
