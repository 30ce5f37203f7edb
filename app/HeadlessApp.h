#pragma once

// Running the application without a display: the toolkit's headless backend, simulated time, and
// the main window written to a PNG file at the end (for tests and for pictures of the window).

#include "app/CommandLine.h"
#include "app/ZindralApp.h"

namespace app {

// [main] Starts the application as usual (window, launch, the command line's URLs), runs
// `line.afterSeconds` of simulated time and writes the window "main" to `line.screenshot`.
// The updater keeps its settings in memory: a headless run reads and writes no user settings.
// Returns 0, or 1 when the picture could not be written.
int runHeadlessApp(const CommandLine& line, AppEnvironment environment = {});

} // namespace app
