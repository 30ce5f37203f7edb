#pragma once

// The characters a key types on a US layout, for backends that get key codes without text and for
// tests that inject keys by code.

#include "platform/tk/view/Event.h"

#include <optional>
#include <string>

namespace tk {

// The key's own character: a lower-case letter, a digit, punctuation, "\r" for Return, "\t" for
// Tab, "\x1b" for Escape, "\x7f" for Backspace, " " for Space; empty for keys that type nothing.
std::string charactersIgnoringModifiersForKey(KeyCode code);
// The same with Shift applied to letters and digits/punctuation (US layout).
std::string charactersForKey(KeyCode code, ModifierFlags modifiers);
// The key that types `c` without Shift (letters of either case, digits, punctuation, space).
std::optional<KeyCode> keyCodeForCharacter(char c);

} // namespace tk
