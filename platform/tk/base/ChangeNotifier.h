#pragma once

#include "platform/tk/base/Subscription.h"

#include <cstddef>
#include <functional>
#include <memory>

// The observation core that Observable<T> is built on, usable on its own by any object that wants
// to be observed (a value computed on demand, an environment value):
//
//   - recordRead() when the value is read: a tracking scope running on this thread (trackReads,
//     ReadTracking.h) remembers the notifier;
//   - notify() after the value changed: every subscriber is called, in subscription order.
//
// Subscribers may cancel themselves or others, or subscribe, from inside a notification; one
// cancelled during a notification is not called afterwards. A Subscription may outlive the notifier.

namespace tk {

class ObservedReads;

class ChangeNotifier {
public:
    ChangeNotifier();

    // [main] Remembers this notifier in the innermost tracking scope of the calling thread, if any.
    void recordRead() const;
    // [main] Calls every subscriber.
    void notify() const;
    // [main] Calls `onChange` after every notify() until the token is cancelled or destroyed.
    [[nodiscard]] Subscription subscribe(std::function<void()> onChange) const;
    // [any]
    std::size_t subscriberCount() const;

    struct Impl;

private:
    friend class ObservedReads;
    std::shared_ptr<Impl> impl_;
};

} // namespace tk
