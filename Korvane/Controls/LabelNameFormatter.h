#pragma once

// Shows an indexed value as one of the parameter's value strings, and reads a typed name back
// as its index.

#include "Korvane/Controls/LabelFormatter.h"

#include <vector>

namespace Korvane {

class AudioParameter;

class LabelNameFormatter : public LabelFormatter {
public:
    // [main] Copies the parameter's value strings (none: an empty list).
    explicit LabelNameFormatter(const AudioParameter& param);
    explicit LabelNameFormatter(std::vector<std::string> valueStrings);

    const std::vector<std::string>& valueStrings() const { return valueStrings_; }

    // The string at the value's nearest index (halves away from zero); the empty text when the
    // value is not finite or the index has no string.
    std::string format(float value) const override;
    // The index of the first string equal to the text ignoring case, or none.
    std::optional<float> value(const std::string& text) const override;

private:
    std::vector<std::string> valueStrings_;
};

} // namespace Korvane
