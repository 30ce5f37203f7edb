#include "app/Links.h"

// The same feed the plug-in reads; a build for the real update server sets it (the CMake cache
// variable ZINDRAL_UPDATE_FEED_URL). The default lies under a reserved example domain, so that no
// build contacts a real server by accident.
#ifndef ZINDRAL_UPDATE_FEED_URL
#define ZINDRAL_UPDATE_FEED_URL "https://updates.zindral.example/appcast.xml"
#endif

namespace app::Links {

const std::string& helpPage() {
    static const std::string url = "https://velmor.example/help/zindral/welcome";
    return url;
}

const std::string& updateFeed() {
    static const std::string url = ZINDRAL_UPDATE_FEED_URL;
    return url;
}

} // namespace app::Links
