#pragma once

#include "platform/tk/base/ChangeNotifier.h"
#include "platform/tk/base/ReadTracking.h"
#include "platform/tk/base/Subscription.h"

#include <atomic>
#include <concepts>
#include <functional>
#include <type_traits>
#include <utility>

// An observable value: reading it with get() registers the read with the current tracking scope
// (ReadTracking.h); setting it notifies subscribers - only when the stored value changes, unless it
// was made with ObservableNotify::always.
//
//     tk::Observable<float> level{0.5f};
//     auto token = level.subscribe([](float now) { redraw(now); });
//     level.set(0.5f);   // equal: stored, nobody notified
//     level.set(0.7f);   // redraw(0.7f)
//
// "Changed" means the values compare unequal with ==, so for floats a NaN always counts as a change
// and -0 replacing +0 does not. Values that cannot be compared always notify.
//
// Threads: an observable belongs to the main thread: get(), set() and subscribe() are [main], and
// subscribers run synchronously inside set(). For small trivially copyable values (numbers, bools,
// enums) the value is held in a lock-free atomic, and load() may read it from [any] thread.

namespace tk {

enum class ObservableNotify {
    onChange, // notify only when the new value differs from the stored one
    always,   // notify on every set (a value whose identity is the event, like a recomputed list)
};

namespace detail {
template <class T, bool = std::is_trivially_copyable_v<T>> struct IsAtomicObservable : std::false_type {};
template <class T>
struct IsAtomicObservable<T, true> : std::bool_constant<std::atomic<T>::is_always_lock_free> {};
} // namespace detail

template <class T> class Observable {
public:
    static constexpr bool kAtomic = detail::IsAtomicObservable<T>::value;
    using value_type = T;
    // What get() returns: a copy for atomic values, a reference otherwise.
    using Read = std::conditional_t<kAtomic, T, const T&>;

    explicit Observable(T initial = T{}, ObservableNotify notify = ObservableNotify::onChange)
        : value_(std::move(initial)), notify_(notify) {}
    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;

    // [main] The value; the read is recorded by the current tracking scope.
    Read get() const {
        notifier_.recordRead();
        return peek();
    }
    // [main] The value without recording the read.
    Read peek() const {
        if constexpr (kAtomic)
            return value_.load(std::memory_order_relaxed);
        else
            return value_;
    }
    // [any] The value, from any thread (atomic values only).
    T load() const requires kAtomic { return value_.load(std::memory_order_relaxed); }

    // [main] Stores the value and notifies subscribers if it changed (or always, see above).
    void set(T value) {
        bool changed = true;
        if constexpr (std::equality_comparable<T>)
            changed = notify_ == ObservableNotify::always || !(peek() == value);
        if constexpr (kAtomic)
            value_.store(value, std::memory_order_relaxed);
        else
            value_ = std::move(value);
        if (changed)
            notifier_.notify();
    }
    // [main] Changes the value in place through `change(T&)`, then stores it as set() does.
    template <class Change> void modify(Change&& change) {
        T copy = peek();
        std::forward<Change>(change)(copy);
        set(std::move(copy));
    }

    // [main] Calls `onChange` with the new value after each notifying set().
    [[nodiscard]] Subscription subscribe(std::function<void(Read)> onChange) const {
        return notifier_.subscribe([this, onChange = std::move(onChange)] { onChange(peek()); });
    }
    // [main] Calls `onChange` after each notifying set().
    [[nodiscard]] Subscription subscribe(std::function<void()> onChange) const {
        return notifier_.subscribe(std::move(onChange));
    }

    const ChangeNotifier& notifier() const { return notifier_; }

private:
    std::conditional_t<kAtomic, std::atomic<T>, T> value_;
    ObservableNotify notify_;
    ChangeNotifier notifier_;
};

} // namespace tk
