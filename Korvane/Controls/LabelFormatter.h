#pragma once

// How a dial's label shows a value and reads typed text back. Formatters are shared between a
// dial and the label it builds, so callers hold them as std::shared_ptr<LabelFormatter>.

#include <optional>
#include <string>

namespace Korvane {

class LabelFormatter {
public:
    virtual ~LabelFormatter() = default;

    // [main] The text shown for a stored value.
    virtual std::string format(float value) const = 0;
    // [main] The value a typed text stands for, or none when it stands for no value.
    virtual std::optional<float> value(const std::string& text) const = 0;
};

} // namespace Korvane
