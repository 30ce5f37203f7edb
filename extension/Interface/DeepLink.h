#pragma once

// The deep link that hands an update request to the desktop application; the plug-in header's
// update button opens it.

#include <string>

namespace extension {

// [any] "zindral://openAndUpdate": one constant, the same string object on every use.
const std::string& openAndUpdateURL();

} // namespace extension
