#pragma once

// The Tessaly tests find Tessaly_Tessaly.bundle among the bundles drawn into the build folder.

#include "platform/tk/base/tests/BuiltBundles.h"

namespace Tessaly::testing {

using tk::testing::buildFolder;
using tk::testing::useBuiltBundles;

} // namespace Tessaly::testing
