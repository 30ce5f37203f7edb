#pragma once

#include <string>

// Where the update check looks, and where the update notice leads.

namespace extension {

// [any] The update feed's address, fixed at build time: the compile definition
// ZINDRAL_UPDATE_FEED_URL of UpdateFeed.cpp (a CMake cache variable of the same name can set it)
// names the real update server. Its default lies under a reserved example domain
// (https://updates.zindral.example/appcast.xml), so that no build contacts a real server by accident.
const std::string& updateFeedURL();

// [any] The deep link the update notice opens; the desktop application answers it with its own
// update check. The same object on every call, made on first use.
const std::string& appUpdateURL();

} // namespace extension
