#pragma once

// Publishers::ReceiveOnMainThread: an upstream publisher whose every event reaches the subscribers on
// the main thread - at once when it arrives there (after anything still queued for the same
// subscriber), otherwise queued on the main run loop in the order of arrival. Nothing arrives after
// a subscriber cancelled or after the completion. (The delivery itself is the toolkit's
// Publisher::receiveOnMainThread.)
//
//     Tessaly::Publishers::ReceiveOnMainThread onMain(feed.publisher());
//     auto token = onMain.sink([](const Item& item) { show(item); });

#include "platform/tk/base/Publisher.h"

#include <utility>

namespace Tessaly::Publishers {

template <class T> class ReceiveOnMainThread : public tk::Publisher<T> {
public:
    explicit ReceiveOnMainThread(tk::Publisher<T> upstream)
        : tk::Publisher<T>(upstream.receiveOnMainThread()), upstream_(std::move(upstream)) {}

    const tk::Publisher<T>& upstream() const { return upstream_; }

private:
    tk::Publisher<T> upstream_;
};

} // namespace Tessaly::Publishers
