#pragma once

// Bindings made from other bindings. Both read and write on the main thread only (checked).

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/State.h"

#include <optional>

namespace Tessaly {

// A binding to an optional value over a binding to a value: reads wrap the value; writes store a
// present value and ignore none (the underlying value stays).
template <class T> tk::ui::Binding<std::optional<T>> optionalBinding(tk::ui::Binding<T> binding) {
    return tk::ui::Binding<std::optional<T>>(
        [binding] {
            TK_CHECK_MAIN_THREAD();
            return std::optional<T>(binding.get());
        },
        [binding](std::optional<T> value) {
            TK_CHECK_MAIN_THREAD();
            if (value)
                binding.set(std::move(*value));
        });
}

// The same value, written without animation. (The declarative layer animates no write of a
// binding, so the writes go straight through.)
template <class T> tk::ui::Binding<T> withoutAnimation(tk::ui::Binding<T> binding) {
    return tk::ui::Binding<T>(
        [binding] {
            TK_CHECK_MAIN_THREAD();
            return binding.get();
        },
        [binding](T value) {
            TK_CHECK_MAIN_THREAD();
            binding.set(std::move(value));
        });
}

} // namespace Tessaly
