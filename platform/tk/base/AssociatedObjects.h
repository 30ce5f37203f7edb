#pragma once

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// Objects attached to another object under string keys and kept alive by it: a view holds them
// until it is destroyed (an action trampoline, a control's publisher). Each key holds one object;
// reading it back as another type than it was stored with answers null.
//
// All members are [main], like the views that carry them.

namespace tk {

class AssociatedObjects {
public:
    // Keeps `object` under `key`, releasing the one there before (a null object just releases it).
    template <class T> void set(std::string_view key, std::shared_ptr<T> object) {
        std::any previous; // released after the map is consistent: its destructor may read the map
        auto it = objects_.find(key);
        if (it != objects_.end()) {
            previous = std::move(it->second);
            if (object)
                it->second = std::move(object);
            else
                objects_.erase(it);
        } else if (object) {
            objects_.emplace(std::string(key), std::move(object));
        }
    }
    // The object under `key` when it was stored as a T; null otherwise.
    template <class T> std::shared_ptr<T> get(std::string_view key) const {
        auto it = objects_.find(key);
        if (it == objects_.end())
            return nullptr;
        auto* object = std::any_cast<std::shared_ptr<T>>(&it->second);
        return object ? *object : nullptr;
    }
    bool contains(std::string_view key) const { return objects_.find(key) != objects_.end(); }

private:
    std::map<std::string, std::any, std::less<>> objects_;
};

} // namespace tk
