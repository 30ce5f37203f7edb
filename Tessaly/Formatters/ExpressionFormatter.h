#pragma once

// A number formatter whose field may also hold an expression ("2*3", "width / 2"). Text that is not
// a plain decimal number - an optional sign, digits with an optional fraction and an optional
// exponent, and nothing else - is an expression and is kept as text; numbers go through the number
// formatter. Shown numbers carry the positive suffix once (unless the formatter behaves as the 10.0
// behaviour), and a number followed by the suffix reads back as that number.

#include "platform/tk/base/NumberFormatter.h"

#include <string_view>

namespace Tessaly {

class ExpressionFormatter : public tk::NumberFormatter {
public:
    ExpressionFormatter();

    // Whether `value` is text that is not a whole decimal number (empty text is an expression, and so
    // is text with white space before it, "inf", "nan" or hexadecimal).
    static bool isExpression(const tk::FormatterValue& value);
    static bool isDecimalNumber(std::string_view text);

    std::optional<std::string> string(const tk::FormatterValue& value) const override;
    std::optional<std::string> editingString(const tk::FormatterValue& value) const override;
    bool getObjectValue(tk::FormatterValue& value, const std::string& text,
                        std::string* errorDescription) const override;
};

} // namespace Tessaly
