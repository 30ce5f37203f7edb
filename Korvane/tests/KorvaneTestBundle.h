#pragma once

// The Korvane tests find Korvane_Korvane.bundle among the bundles drawn into the build folder.

#include "platform/tk/base/tests/BuiltBundles.h"

namespace Korvane::testing {

using tk::testing::buildFolder;
using tk::testing::useBuiltBundles;

} // namespace Korvane::testing
