#include "platform/tk/sdl/SessionBus.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

namespace tk::sdl {

void keepSessionBusFromForking() {
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return;
    // The bus a session manager runs there is found without starting one.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        struct stat st {};
        if (::stat((std::string(runtime) + "/bus").c_str(), &st) == 0 && S_ISSOCK(st.st_mode))
            return;
    }
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

} // namespace tk::sdl
