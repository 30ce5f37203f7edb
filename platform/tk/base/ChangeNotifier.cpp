#include "platform/tk/base/ChangeNotifier.h"

#include "platform/tk/base/ReadTracking.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace tk {

struct ChangeNotifier::Impl {
    struct Entry {
        std::function<void()> onChange;
        bool active = true; // guarded by Impl::mutex
    };
    mutable std::mutex mutex; // tokens may be destroyed on other threads than the main one
    std::vector<std::shared_ptr<Entry>> entries;
};

ChangeNotifier::ChangeNotifier() : impl_(std::make_shared<Impl>()) {}

void ChangeNotifier::recordRead() const {
    if (auto* reads = ReadTrackingScope::current())
        reads->record(*this);
}

void ChangeNotifier::notify() const {
    std::vector<std::shared_ptr<Impl::Entry>> entries;
    {
        std::lock_guard lock(impl_->mutex);
        entries = impl_->entries;
    }
    for (const auto& entry : entries) {
        {
            std::lock_guard lock(impl_->mutex);
            if (!entry->active)
                continue;
        }
        entry->onChange();
    }
}

Subscription ChangeNotifier::subscribe(std::function<void()> onChange) const {
    auto entry = std::make_shared<Impl::Entry>();
    entry->onChange = std::move(onChange);
    {
        std::lock_guard lock(impl_->mutex);
        impl_->entries.push_back(entry);
    }
    return Subscription(
        [weakImpl = std::weak_ptr<Impl>(impl_), weakEntry = std::weak_ptr<Impl::Entry>(entry)] {
            auto impl = weakImpl.lock();
            auto cancelled = weakEntry.lock();
            if (!impl || !cancelled)
                return;
            std::shared_ptr<Impl::Entry> released; // its callback is destroyed outside the lock
            std::lock_guard lock(impl->mutex);
            cancelled->active = false;
            auto it = std::find(impl->entries.begin(), impl->entries.end(), cancelled);
            if (it != impl->entries.end()) {
                released = std::move(*it);
                impl->entries.erase(it);
            }
        });
}

std::size_t ChangeNotifier::subscriberCount() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->entries.size();
}

} // namespace tk
