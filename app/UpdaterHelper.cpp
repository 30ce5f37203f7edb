#include "app/UpdaterHelper.h"

#include "app/Links.h"

#include "platform/tk/base/MainThread.h"

namespace app {

UpdaterHelper::UpdaterHelper(std::optional<std::string> feedURL)
    : feedURL_(feedURL ? std::move(*feedURL) : Links::updateFeed()) {}

std::optional<std::string> UpdaterHelper::feedURLString(const updater::Updater&) {
    TK_CHECK_MAIN_THREAD();
    return feedURL_;
}

} // namespace app
