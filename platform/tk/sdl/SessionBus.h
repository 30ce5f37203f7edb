#pragma once

// SDL asks the desktop session's message bus for input methods and the screen saver. Where no bus
// address is given, libdbus starts a bus of its own by forking the process; by the time a window is
// first shown the process has threads, and a fork of a threaded process can hang in the child on a
// lock another thread held, with the parent waiting on the child for good. So where the session
// names no bus and runs none in its runtime folder, none is started: SDL goes on without one.

namespace tk::sdl {

// Before SDL starts: where DBUS_SESSION_BUS_ADDRESS is unset or empty and $XDG_RUNTIME_DIR/bus is
// no socket, sets DBUS_SESSION_BUS_ADDRESS to an address that connects nowhere ("disabled:").
void keepSessionBusFromForking();

} // namespace tk::sdl
