#include "extension/Interface/DeepLink.h"

namespace extension {

const std::string& openAndUpdateURL() {
    static const std::string url = "zindral://openAndUpdate";
    return url;
}

} // namespace extension
