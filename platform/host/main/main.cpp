// zindral-host: a minimal audio host that loads ZindralExtension, plays it and prints its MIDI.

#include "platform/host/HostOptions.h"
#include "platform/host/HostSession.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    host::ParsedOptions parsed = host::parseHostOptions(arguments);
    if (!parsed.options) {
        std::cerr << "zindral-host: " << parsed.error << " (try --help)\n";
        return host::kExitUsage;
    }
    if (parsed.options->help) {
        return host::printHelp(*parsed.options, std::cout, std::cerr);
    }
    return host::runHost(*parsed.options, std::cout, std::cerr);
}
