#pragma once

#include <string>

// Where the update check looks, and where the update notice leads.
//
// The feed's address is fixed at build time: compile with -DZINDRAL_UPDATE_FEED_URL="\"https://...\""
// to point it at the real update server. The default lies under a reserved example domain, so that
// no build contacts a real server by accident.
#ifndef ZINDRAL_UPDATE_FEED_URL
#define ZINDRAL_UPDATE_FEED_URL "https://updates.zindral.example/appcast.xml"
#endif

namespace extension {

inline constexpr const char* kUpdateFeedURL = ZINDRAL_UPDATE_FEED_URL;

// [any] The deep link the update notice opens; the desktop application answers it with its own
// update check. The same object on every call, made on first use.
const std::string& appUpdateURL();

} // namespace extension
