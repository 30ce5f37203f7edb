#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number text that does not depend on the process's locale (std::to_chars / std::from_chars):
// always '.' as the decimal separator, no grouping.

namespace tk {

// [any] `value` with exactly `decimals` digits after the point, rounded as printf("%.*f") does in
// the C locale: formatFixed(2.5, 0) is "2", formatFixed(-0.4, 0) is "-0", formatFixed(0.25, 1) is
// "0.2". Infinities give "inf" / "-inf", NaN gives "nan". `decimals` is kept within 0 to 100.
std::string formatFixed(double value, int decimals);

// [any] Strict parse of a decimal floating-point number: an optional sign, digits with an optional
// point and exponent, or "inf"/"infinity" (any case). Fails on empty text, leading or trailing white
// space, any trailing character, NaN, hexadecimal, and values outside the type's finite range.
std::optional<double> parseDouble(std::string_view text);
// [any] The same, rounded once to the nearest float.
std::optional<float> parseFloat(std::string_view text);

} // namespace tk
