#include "platform/tk/base/ReadTracking.h"

#include <algorithm>

namespace tk {
namespace {
thread_local ObservedReads* currentReads = nullptr;
}

bool ObservedReads::contains(const ChangeNotifier& notifier) const {
    // Same owner, compared without locking each entry (a body records dozens of reads).
    const auto& impl = notifier.impl_;
    return std::any_of(notifiers_.begin(), notifiers_.end(), [&](const auto& weak) {
        return !weak.owner_before(impl) && !impl.owner_before(weak);
    });
}

bool ObservedReads::sameAs(const ObservedReads& other) const {
    return std::equal(notifiers_.begin(), notifiers_.end(), other.notifiers_.begin(), other.notifiers_.end(),
                      [](const auto& a, const auto& b) { return !a.owner_before(b) && !b.owner_before(a); });
}

void ObservedReads::record(const ChangeNotifier& notifier) {
    if (!contains(notifier))
        notifiers_.push_back(notifier.impl_);
}

Subscription ObservedReads::subscribe(std::function<void()> onChange) const {
    auto shared = std::make_shared<std::function<void()>>(std::move(onChange));
    std::vector<Subscription> subscriptions;
    for (const auto& weak : notifiers_) {
        if (auto impl = weak.lock()) {
            ChangeNotifier notifier;
            notifier.impl_ = std::move(impl);
            subscriptions.push_back(notifier.subscribe([shared] { (*shared)(); }));
        }
    }
    auto all = std::make_shared<std::vector<Subscription>>(std::move(subscriptions));
    return Subscription([all] { all->clear(); });
}

ReadTrackingScope::ReadTrackingScope(ObservedReads* reads) : previous_(currentReads) {
    currentReads = reads;
}

ReadTrackingScope::~ReadTrackingScope() {
    currentReads = previous_;
}

ObservedReads* ReadTrackingScope::current() {
    return currentReads;
}

} // namespace tk
