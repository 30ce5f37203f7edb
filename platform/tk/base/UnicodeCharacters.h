#pragma once

// Character classes of UTF-8 text, taken from the Unicode character database rather than from the
// process's locale, so that a text is judged the same wherever the program runs. [any]

#include <string_view>

namespace tk {

// Whether `text` is well-formed UTF-8 (no NUL) whose every character is a letter, a combining mark
// or a number (Unicode general categories L, M and N), or one of the ASCII characters in `extra`.
// True for empty text.
bool isAlphanumericText(std::string_view text, std::string_view extra = {});

} // namespace tk
