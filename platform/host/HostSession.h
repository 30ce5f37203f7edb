#pragma once

#include "platform/host/HostOptions.h"

#include <ostream>

namespace host {

inline constexpr int kExitOK = 0;
inline constexpr int kExitFailure = 1; // the extension could not be loaded, created or run
inline constexpr int kExitUsage = 2;   // bad command line, or a damaged or foreign state file

// [main] One run of zindral-host: check that each output file can be written, load the extension, create the
// unit, set the output format to the sample rate and maximumFramesToRender to the block size, restore state
// (--state-in, then --seed), give it the host's three blocks, allocate render resources, play, then export
// and save state. Notes go to `out`, problems to `err` (one line each). Returns the exit status.
int runHost(const HostOptions& options, std::ostream& out, std::ostream& err);

// [main] --help: the usage text, then the parameters of the unit the options name (its address,
// name and range each) or, when it cannot be loaded, one line on `err` and kExitFailure.
int printHelp(const HostOptions& options, std::ostream& out, std::ostream& err);

} // namespace host
