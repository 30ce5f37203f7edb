#pragma once

#include <functional>
#include <utility>

// A move-only token for anything that calls back until cancelled (an observable's subscriber, a
// set of tracked reads). Destroying the token cancels; cancelling twice is harmless.

namespace tk {

class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    ~Subscription() { cancel(); }
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, nullptr)) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            cancel();
            cancel_ = std::exchange(other.cancel_, nullptr);
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    // Stops the callbacks; a callback running right now finishes.
    void cancel() {
        if (auto cancel = std::exchange(cancel_, nullptr))
            cancel();
    }
    bool isActive() const { return static_cast<bool>(cancel_); }

private:
    std::function<void()> cancel_;
};

} // namespace tk
