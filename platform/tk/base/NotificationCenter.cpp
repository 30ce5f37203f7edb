#include "platform/tk/base/NotificationCenter.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace tk {

namespace {

struct Observer {
    std::string name;
    NotificationObject object;
    NotificationCenter::Handler handler;
    std::atomic<bool> active{true};

    bool matches(const Notification& n) const {
        return (name.empty() || name == n.name) && (!object || object == n.object);
    }
};

} // namespace

struct NotificationCenter::Impl {
    std::mutex mutex;
    std::vector<std::shared_ptr<Observer>> observers;

    static Subscription add(const std::shared_ptr<Impl>& impl, std::string name, NotificationObject object,
                            Handler handler) {
        auto observer = std::make_shared<Observer>();
        observer->name = std::move(name);
        observer->object = std::move(object);
        observer->handler = std::move(handler);
        {
            std::lock_guard lock(impl->mutex);
            impl->observers.push_back(observer);
        }
        return Subscription([weakImpl = std::weak_ptr<Impl>(impl),
                             weakObserver = std::weak_ptr<Observer>(observer), raw = observer.get()] {
            if (auto o = weakObserver.lock())
                o->active.store(false, std::memory_order_release);
            std::shared_ptr<Observer> released; // destroyed unlocked: it holds the handler's captures
            if (auto center = weakImpl.lock()) {
                std::lock_guard lock(center->mutex);
                for (auto it = center->observers.begin(); it != center->observers.end(); ++it)
                    if (it->get() == raw) {
                        released = std::move(*it);
                        center->observers.erase(it);
                        break;
                    }
            }
        });
    }
};

NotificationCenter::NotificationCenter() : impl_(std::make_shared<Impl>()) {}

NotificationCenter& NotificationCenter::defaultCenter() {
    // Never destroyed: observers removed during exit must still find it.
    static NotificationCenter* const center = new NotificationCenter;
    return *center;
}

Subscription NotificationCenter::addObserver(std::string name, NotificationObject object,
                                             Handler handler) const {
    return Impl::add(impl_, std::move(name), std::move(object), std::move(handler));
}

void NotificationCenter::post(const Notification& notification) const {
    std::vector<std::shared_ptr<Observer>> matching;
    {
        std::lock_guard lock(impl_->mutex);
        for (const auto& observer : impl_->observers)
            if (observer->matches(notification))
                matching.push_back(observer);
    }
    // An observer removed by an earlier one during this post is not called.
    for (const auto& observer : matching)
        if (observer->active.load(std::memory_order_acquire) && observer->handler)
            observer->handler(notification);
}

void NotificationCenter::post(std::string name, NotificationObject object, std::any userInfo) const {
    post(Notification{std::move(name), std::move(object), std::move(userInfo)});
}

Publisher<Notification> NotificationCenter::publisher(std::string name, NotificationObject object) const {
    return Publisher<Notification>([impl = impl_, name = std::move(name),
                                    object = std::move(object)](Subscriber<Notification> subscriber) {
        return Impl::add(impl, name, object, std::move(subscriber.receive));
    });
}

} // namespace tk
