#include "extension/UpdateCheck/UpdateFeed.h"

#ifndef ZINDRAL_UPDATE_FEED_URL
#define ZINDRAL_UPDATE_FEED_URL "https://updates.zindral.example/appcast.xml"
#endif

namespace extension {

const std::string& updateFeedURL() {
    static const std::string url = ZINDRAL_UPDATE_FEED_URL;
    return url;
}

} // namespace extension
