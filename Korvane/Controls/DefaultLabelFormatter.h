#pragma once

// Numbers with a fixed count of decimals, scaled for display (absolute cents are shown as
// hundreds). Formatting and parsing ignore the process locale: the decimal point is always '.'.

#include "Korvane/Controls/LabelFormatter.h"

namespace Korvane {

class AudioParameter;

class DefaultLabelFormatter : public LabelFormatter {
public:
    // [main] Keeps the decimals and the parameter's save scale factor, not the parameter.
    DefaultLabelFormatter(const AudioParameter& param, int decimalPlaces);
    DefaultLabelFormatter(int decimalPlaces, float saveScaleFactor);

    int decimalPlaces() const { return decimalPlaces_; }
    float saveScaleFactor() const { return saveScaleFactor_; }

    // value x saveScaleFactor with decimalPlaces decimals ("%.0f" or "%0.<n>lf").
    std::string format(float value) const override;
    // The whole text as a decimal number; empty text, leading white space, trailing characters,
    // text that is out of float range, "nan" and "inf" give none.
    std::optional<float> value(const std::string& text) const override;

private:
    int decimalPlaces_;
    float saveScaleFactor_;
};

} // namespace Korvane
