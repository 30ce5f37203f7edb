#include "platform/tk/base/UnicodeCharacters.h"

#include <glib.h>

namespace tk {

bool isAlphanumericText(std::string_view text, std::string_view extra) {
    if (text.size() > static_cast<std::size_t>(G_MAXSSIZE))
        return false;
    const gchar* const end = text.data() + text.size();
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr))
        return false;
    for (const gchar* p = text.data(); p < end; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        const bool listed = c < 0x80 && extra.find(static_cast<char>(c)) != std::string_view::npos;
        if (!listed && !g_unichar_isalnum(c) && !g_unichar_ismark(c))
            return false;
    }
    return true;
}

} // namespace tk
