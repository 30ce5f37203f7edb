#pragma once

#include <string>

// Where the update check looks.

namespace extension {

// [any] The update feed's address, fixed at build time: the compile definition
// ZINDRAL_UPDATE_FEED_URL of UpdateFeed.cpp (a CMake cache variable of the same name can set it)
// names the real update server. Its default lies under a reserved example domain
// (https://updates.zindral.example/appcast.xml), so that no build contacts a real server by accident.
const std::string& updateFeedURL();

} // namespace extension
