#include "extension/UpdateCheck/UpdateCheck.h"

#include "extension/UpdateCheck/SimpleSparklerChecker.h"
#include "platform/tk/base/VersionComparison.h"

namespace extension {

using Korvane::UpdateAvailableDetails;

std::optional<UpdateAvailableDetails> updateDetailsFromFeed(std::string_view feed,
                                                            std::string_view pluginVersion) {
    SimpleSparklerChecker checker;
    checker.parse(feed);
    const std::optional<std::string> latest = checker.latestVersion();
    if (!latest)
        return std::nullopt;
    const std::optional<int> order = tk::compareVersions(pluginVersion, *latest);
    if (!order || *order >= 0)
        return std::nullopt;
    return UpdateAvailableDetails{*latest};
}

namespace {

tk::FetchRequest feedRequest(std::string url) {
    tk::FetchRequest request;
    request.url = std::move(url); // the request's defaults: 1 MiB cap, 15 s timeout, 5 redirects
    return request;
}

} // namespace

UpdateCheck::UpdateCheck(std::shared_ptr<tk::Fetcher> fetcher, std::string feedURL, std::string pluginVersion,
                         Completion onNewVersion)
    : fetch_(std::move(fetcher), feedRequest(std::move(feedURL)),
             std::function<std::optional<UpdateAvailableDetails>(tk::FetchResult)>(
                 [pluginVersion = std::move(pluginVersion)](tk::FetchResult result) {
                     if (!result.ok())
                         return std::optional<UpdateAvailableDetails>();
                     return updateDetailsFromFeed(result.body, pluginVersion);
                 }),
             std::function<void(std::optional<UpdateAvailableDetails>)>(
                 [onNewVersion = std::move(onNewVersion)](std::optional<UpdateAvailableDetails> details) {
                     if (details && onNewVersion)
                         onNewVersion(std::move(*details));
                 })) {}

} // namespace extension
