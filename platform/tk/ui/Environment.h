#pragma once

// Environment values: a typed key -> value map handed down the tree. A node sets a value for
// everything below it (`node.environment<Key>(value)`); a component reads the value that the
// nearest ancestor set, or the key's default.
//
// A key is a type with a `Value` and a default:
//
//     struct LineLimitKey {
//         using Value = std::optional<int>;
//         static Value defaultValue() { return std::nullopt; }
//     };
//
// The values form a persistent chain: setting a value makes a new head that points at the
// ancestors' chain, so handing the environment down costs one pointer.

#include <memory>
#include <utility>

namespace tk::ui {

namespace detail {
// One distinct address per key type identifies the key.
template <class Key> inline constexpr char kEnvironmentKeyTag = 0;
} // namespace detail

class EnvironmentValues {
public:
    EnvironmentValues() = default;

    // The value of `Key` set nearest to here, or the key's default.
    template <class Key> typename Key::Value get() const {
        for (const Entry* e = head_.get(); e; e = e->parent.get())
            if (e->key == &detail::kEnvironmentKeyTag<Key>)
                return static_cast<const TypedEntry<typename Key::Value>*>(e)->value;
        return Key::defaultValue();
    }

    // Whether some ancestor set `Key`.
    template <class Key> bool contains() const {
        for (const Entry* e = head_.get(); e; e = e->parent.get())
            if (e->key == &detail::kEnvironmentKeyTag<Key>)
                return true;
        return false;
    }

    // These values with `Key` set to `value`.
    template <class Key> EnvironmentValues with(typename Key::Value value) const {
        EnvironmentValues result;
        result.head_ = std::make_shared<const TypedEntry<typename Key::Value>>(&detail::kEnvironmentKeyTag<Key>,
                                                                               head_, std::move(value));
        return result;
    }

private:
    // One allocation per value set, whatever its type (environments are made anew at every
    // rebuild of a modifier).
    struct Entry {
        Entry(const void* k, std::shared_ptr<const Entry> p) : key(k), parent(std::move(p)) {}
        virtual ~Entry() = default;
        const void* key;
        std::shared_ptr<const Entry> parent;
    };
    template <class Value> struct TypedEntry final : Entry {
        TypedEntry(const void* k, std::shared_ptr<const Entry> p, Value v)
            : Entry(k, std::move(p)), value(std::move(v)) {}
        Value value;
    };
    std::shared_ptr<const Entry> head_;
};

// [main] The environment of the body being built, or of the node whose handler runs (a gesture,
// a text field's callback, an observer's action); the defaults elsewhere.
const EnvironmentValues& currentEnvironment();

// [main] The value of `Key` for the body being built.
template <class Key> typename Key::Value environment() {
    return currentEnvironment().get<Key>();
}

// Makes `environment` the current one while it lives (the layer uses it around bodies).
class EnvironmentScope {
public:
    explicit EnvironmentScope(const EnvironmentValues& environment);
    ~EnvironmentScope();
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    const EnvironmentValues* previous_;
};

} // namespace tk::ui
