#pragma once

#include <optional>
#include <string>
#include <variant>

// Formatters turn a field's value into text and typed text back into a value.
//
//   string(value)          the text shown; none for a value of a kind the formatter does not show
//   editingString(value)   the text offered while editing (the shown text unless a formatter differs)
//   getObjectValue(...)    the value a finished text stands for, or a description of what is wrong
//   isPartialStringValid   whether a text may stand in the field while it is typed
//
// All members are [main], like the fields that use them.

namespace tk {

// A formatter's value: nothing, a number or text.
using FormatterValue = std::variant<std::monostate, double, std::string>;

class Formatter {
public:
    virtual ~Formatter() = default;

    virtual std::optional<std::string> string(const FormatterValue& value) const = 0;
    virtual std::optional<std::string> editingString(const FormatterValue& value) const {
        return string(value);
    }
    // Stores the value `text` stands for in `value` and answers true; or answers false and, when
    // `errorDescription` is given, says why.
    virtual bool getObjectValue(FormatterValue& value, const std::string& text,
                                std::string* errorDescription) const = 0;
    // Whether `partial` is acceptable while typing (`newEditingString` may receive a replacement).
    virtual bool isPartialStringValid(const std::string& /*partial*/,
                                      std::optional<std::string>* /*newEditingString*/,
                                      std::string* /*errorDescription*/) const {
        return true;
    }
};

} // namespace tk
