#pragma once

// State local to a component, and bindings (a getter and a setter handed to someone else).
//
// State<T> is an observable value owned by a component instance. Reading it inside the body is
// tracked, so writing it rebuilds the component (once, on the main queue). It survives rebuilds:
// when a parent rebuilds and describes the component again, the new description's fields are
// copied into the living instance, and State's copy assignment keeps the living value.
//
//     struct Counter {
//         tk::ui::State<int> taps{0};
//         tk::ui::Node body() {
//             return tk::ui::Text(std::to_string(taps.get())).onTapGesture([this] { taps.set(taps.get() + 1);
//             });
//         }
//     };
//
// All members are [main].

#include "platform/tk/base/Observable.h"

#include <functional>
#include <memory>
#include <utility>

namespace tk::ui {

template <class T> class Binding {
public:
    Binding() = default;
    Binding(std::function<T()> get, std::function<void(T)> set)
        : get_(std::move(get)), set_(std::move(set)) {}

    // A binding that always reads `value` and ignores writes.
    static Binding constant(T value) {
        return Binding([value] { return value; }, [](T) {});
    }

    explicit operator bool() const { return static_cast<bool>(get_); }
    T get() const { return get_ ? get_() : T{}; }
    void set(T value) const {
        if (set_)
            set_(std::move(value));
    }

private:
    std::function<T()> get_;
    std::function<void(T)> set_;
};

template <class T> class State {
public:
    using Read = typename Observable<T>::Read;

    State() : box_(std::make_shared<Observable<T>>()) {}
    State(T initial) : box_(std::make_shared<Observable<T>>(std::move(initial))) {}
    // A described component gets state of its own, starting from the described value.
    State(const State& other) : box_(std::make_shared<Observable<T>>(other.box_->peek())) {}
    State(State&&) noexcept = default;
    // Assigning a description onto a living component keeps the living state.
    State& operator=(const State&) { return *this; }
    State& operator=(State&&) noexcept { return *this; }
    ~State() = default;

    // The value; a read inside a body is tracked.
    Read get() const { return box_->get(); }
    Read operator*() const { return box_->get(); }
    // Without tracking.
    Read peek() const { return box_->peek(); }
    // Stores the value; a change rebuilds the components that read it.
    void set(T value) { box_->set(std::move(value)); }
    template <class Change> void modify(Change&& change) { box_->modify(std::forward<Change>(change)); }

    // Reads and writes this state (the binding keeps the storage alive).
    Binding<T> binding() const {
        auto box = box_;
        return Binding<T>([box] { return T(box->get()); }, [box](T v) { box->set(std::move(v)); });
    }

    const Observable<T>& observable() const { return *box_; }

private:
    std::shared_ptr<Observable<T>> box_;
};

} // namespace tk::ui
