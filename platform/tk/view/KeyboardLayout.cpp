#include "platform/tk/view/KeyboardLayout.h"

#include <array>
#include <cctype>

namespace tk {

namespace {
struct KeyChar {
    KeyCode code;
    char plain;
    char shifted;
};

// US layout, by key position.
constexpr std::array kKeys{
    KeyChar{KeyCode::a, 'a', 'A'},
    KeyChar{KeyCode::b, 'b', 'B'},
    KeyChar{KeyCode::c, 'c', 'C'},
    KeyChar{KeyCode::d, 'd', 'D'},
    KeyChar{KeyCode::e, 'e', 'E'},
    KeyChar{KeyCode::f, 'f', 'F'},
    KeyChar{KeyCode::g, 'g', 'G'},
    KeyChar{KeyCode::h, 'h', 'H'},
    KeyChar{KeyCode::i, 'i', 'I'},
    KeyChar{KeyCode::j, 'j', 'J'},
    KeyChar{KeyCode::k, 'k', 'K'},
    KeyChar{KeyCode::l, 'l', 'L'},
    KeyChar{KeyCode::m, 'm', 'M'},
    KeyChar{KeyCode::n, 'n', 'N'},
    KeyChar{KeyCode::o, 'o', 'O'},
    KeyChar{KeyCode::p, 'p', 'P'},
    KeyChar{KeyCode::q, 'q', 'Q'},
    KeyChar{KeyCode::r, 'r', 'R'},
    KeyChar{KeyCode::s, 's', 'S'},
    KeyChar{KeyCode::t, 't', 'T'},
    KeyChar{KeyCode::u, 'u', 'U'},
    KeyChar{KeyCode::v, 'v', 'V'},
    KeyChar{KeyCode::w, 'w', 'W'},
    KeyChar{KeyCode::x, 'x', 'X'},
    KeyChar{KeyCode::y, 'y', 'Y'},
    KeyChar{KeyCode::z, 'z', 'Z'},
    KeyChar{KeyCode::digit0, '0', ')'},
    KeyChar{KeyCode::digit1, '1', '!'},
    KeyChar{KeyCode::digit2, '2', '@'},
    KeyChar{KeyCode::digit3, '3', '#'},
    KeyChar{KeyCode::digit4, '4', '$'},
    KeyChar{KeyCode::digit5, '5', '%'},
    KeyChar{KeyCode::digit6, '6', '^'},
    KeyChar{KeyCode::digit7, '7', '&'},
    KeyChar{KeyCode::digit8, '8', '*'},
    KeyChar{KeyCode::digit9, '9', '('},
    KeyChar{KeyCode::minus, '-', '_'},
    KeyChar{KeyCode::equal, '=', '+'},
    KeyChar{KeyCode::leftBracket, '[', '{'},
    KeyChar{KeyCode::rightBracket, ']', '}'},
    KeyChar{KeyCode::semicolon, ';', ':'},
    KeyChar{KeyCode::quote, '\'', '"'},
    KeyChar{KeyCode::comma, ',', '<'},
    KeyChar{KeyCode::period, '.', '>'},
    KeyChar{KeyCode::slash, '/', '?'},
    KeyChar{KeyCode::backslash, '\\', '|'},
    KeyChar{KeyCode::grave, '`', '~'},
    KeyChar{KeyCode::space, ' ', ' '},
    KeyChar{KeyCode::returnKey, '\r', '\r'},
    KeyChar{KeyCode::keypadEnter, '\r', '\r'},
    KeyChar{KeyCode::tab, '\t', '\t'},
    KeyChar{KeyCode::escape, '\x1b', '\x1b'},
    KeyChar{KeyCode::deleteBackward, '\x7f', '\x7f'},
};

const KeyChar* find(KeyCode code) {
    for (const auto& k : kKeys)
        if (k.code == code)
            return &k;
    return nullptr;
}
} // namespace

std::string charactersIgnoringModifiersForKey(KeyCode code) {
    const KeyChar* k = find(code);
    return k ? std::string(1, k->plain) : std::string();
}

std::string charactersForKey(KeyCode code, ModifierFlags modifiers) {
    const KeyChar* k = find(code);
    if (!k)
        return {};
    const bool shifted =
        contains(modifiers, ModifierFlags::shift) != contains(modifiers, ModifierFlags::capsLock) &&
        std::isalpha(static_cast<unsigned char>(k->plain));
    const bool shiftedSymbol =
        contains(modifiers, ModifierFlags::shift) && !std::isalpha(static_cast<unsigned char>(k->plain));
    return std::string(1, shifted || shiftedSymbol ? k->shifted : k->plain);
}

std::optional<KeyCode> keyCodeForCharacter(char c) {
    for (const auto& k : kKeys)
        if (k.plain == c || k.shifted == c)
            return k.code;
    return std::nullopt;
}

} // namespace tk
