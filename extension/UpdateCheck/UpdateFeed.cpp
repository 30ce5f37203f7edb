#include "extension/UpdateCheck/UpdateFeed.h"

namespace extension {

const std::string& appUpdateURL() {
    static const std::string url = "zindral://openAndUpdate";
    return url;
}

} // namespace extension
