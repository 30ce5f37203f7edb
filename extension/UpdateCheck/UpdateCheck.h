#pragma once

#include "Korvane/Header/UpdateAvailableDetails.h"
#include "platform/tk/net/BackgroundFetch.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The plug-in's check for a newer version: fetch the update feed on a worker thread, read its version
// strings there, and, on the main thread, hand over the newer version when the feed's newest one is
// newer than the plug-in's own (tk::compareVersions). Any failure (no address, no network,
// a non-2xx status, an oversized or malformed feed, no versions, an incomparable version) announces
// nothing and says nothing: the user just sees the plug-in's version as before.

namespace extension {

// [any] What a feed announces to a plug-in of version `pluginVersion`: the feed's newest version when
// it is newer than the plug-in's, else nothing.
std::optional<Korvane::UpdateAvailableDetails> updateDetailsFromFeed(std::string_view feed,
                                                                     std::string_view pluginVersion);

// One check in flight. Destroying it stops the fetch and waits for the worker (promptly), and the
// completion is then not called.
class UpdateCheck {
public:
    using Completion = std::function<void(Korvane::UpdateAvailableDetails)>;

    // [main] Starts the check of `feedURL` with `fetcher`. `onNewVersion` runs on the main thread only
    // when a newer version was found; it is destroyed on the worker thread when it never runs, so it
    // should hold only weak references.
    UpdateCheck(std::shared_ptr<tk::Fetcher> fetcher, std::string feedURL, std::string pluginVersion,
                Completion onNewVersion);

    // [main] Whether the worker is done (its result is queued, delivered or dropped).
    bool isFinished() const { return fetch_.isFinished(); }
    // [main] Tests: waits until the worker is done; drain the main run loop afterwards.
    void wait() { fetch_.wait(); }

private:
    tk::BackgroundFetch fetch_;
};

} // namespace extension
