#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace au {

// Keeps an observer registered while it lives; destroying or reset()ing it unregisters the observer.
// A notification already running on another thread may still finish after that. Move-only. [main]
class ObserverToken {
public:
    ObserverToken() = default;
    ObserverToken(uint64_t id, std::function<void(uint64_t)> remove) : id_(id), remove_(std::move(remove)) {}
    ObserverToken(ObserverToken&& other) noexcept { *this = std::move(other); }
    ObserverToken& operator=(ObserverToken&& other) noexcept {
        if (this != &other) {
            reset();
            id_ = other.id_;
            remove_ = std::move(other.remove_);
            other.id_ = 0;
            other.remove_ = nullptr;
        }
        return *this;
    }
    ObserverToken(const ObserverToken&) = delete;
    ObserverToken& operator=(const ObserverToken&) = delete;
    ~ObserverToken() { reset(); }

    void reset() {
        if (remove_) {
            remove_(id_);
        }
        id_ = 0;
        remove_ = nullptr;
    }
    bool isActive() const { return id_ != 0; }
    // Non-zero while registered; setValue skips the observer whose token is the originator.
    uint64_t id() const { return id_; }

private:
    uint64_t id_ = 0;
    std::function<void(uint64_t)> remove_;
};

} // namespace au
