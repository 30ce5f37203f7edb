#pragma once

// What the update check found: the newer version's string, shown by the plug-in header.

#include <string>

namespace Korvane {

struct UpdateAvailableDetails {
    std::string newVersion;

    friend bool operator==(const UpdateAvailableDetails&, const UpdateAvailableDetails&) = default;
};

} // namespace Korvane
