#pragma once

#include "platform/tk/base/Publisher.h"
#include "platform/tk/base/Subscription.h"

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

// Notifications: named events about an object, posted to a centre and handed to the observers
// registered for that name and object.
//
//     auto token = tk::NotificationCenter::defaultCenter().addObserver(
//         kWindowDidBecomeKey, window.get(), [&](const tk::Notification& n) { resume(); });
//     tk::NotificationCenter::defaultCenter().post(kWindowDidBecomeKey, window.get());
//
// Observers run synchronously on the posting thread, in registration order. Destroying the token
// removes the observer.

namespace tk {

// The object a notification is about: compared by address (for polymorphic types, the address of
// the whole object, so a base and a derived pointer to one object match) and read back with as<T>()
// as the type it was posted with.
class NotificationObject {
public:
    NotificationObject() = default;
    NotificationObject(std::nullptr_t) {}
    template <class T> NotificationObject(T* object) : typed_(object) {
        if constexpr (std::is_polymorphic_v<T>)
            address_ = dynamic_cast<const volatile void*>(object);
        else
            address_ = object;
    }

    const volatile void* address() const { return address_; }
    explicit operator bool() const { return address_ != nullptr; }
    // The object, when it was posted as a T*; null otherwise.
    template <class T> T* as() const {
        auto* object = std::any_cast<T*>(&typed_);
        return object ? *object : nullptr;
    }
    friend bool operator==(const NotificationObject& a, const NotificationObject& b) {
        return a.address_ == b.address_;
    }

private:
    const volatile void* address_ = nullptr;
    std::any typed_;
};

struct Notification {
    std::string name;
    NotificationObject object;
    std::any userInfo;
};

class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // [any] The process's centre (made on first use).
    static NotificationCenter& defaultCenter();

    // [any] Calls `handler` for every notification named `name` (every name when empty) about
    // `object` (every object when null), until the token is cancelled or destroyed. The token may
    // outlive the centre.
    [[nodiscard]] Subscription addObserver(std::string name, NotificationObject object,
                                           Handler handler) const;
    // [any] Hands the notification to each matching observer, synchronously.
    void post(const Notification& notification) const;
    void post(std::string name, NotificationObject object = {}, std::any userInfo = {}) const;
    // [any] The matching notifications as a publisher (a subscription is an observer).
    Publisher<Notification> publisher(std::string name, NotificationObject object = {}) const;

    struct Impl;

private:
    std::shared_ptr<Impl> impl_;
};

} // namespace tk
