#pragma once

// A field of a component that belongs to its living instance, like State but not observed: when a
// parent rebuilds, the described fields are copied onto the living component, and this one keeps
// its value (a drag in progress survives). Changing it rebuilds nothing.

#include <utility>

namespace Korvane {

template <class T> class ViewLocal {
public:
    ViewLocal() = default;
    explicit ViewLocal(T initial) : value_(std::move(initial)) {}
    ViewLocal(const ViewLocal&) = default;
    ViewLocal(ViewLocal&&) = default;
    // Assigning a description onto a living component keeps the living value.
    ViewLocal& operator=(const ViewLocal&) { return *this; }
    ViewLocal& operator=(ViewLocal&&) noexcept { return *this; }
    ~ViewLocal() = default;

    T& operator*() { return value_; }
    const T& operator*() const { return value_; }
    T* operator->() { return &value_; }
    const T* operator->() const { return &value_; }

private:
    T value_{};
};

} // namespace Korvane
