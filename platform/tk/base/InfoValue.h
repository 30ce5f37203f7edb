#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A value of a bundle's information dictionary (Info.json): JSON's kinds, kept as read.

namespace tk {

struct InfoValue {
    using Array = std::vector<InfoValue>;
    using Object = std::vector<std::pair<std::string, InfoValue>>; // members in file order

    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value{nullptr};

    bool isString() const { return std::holds_alternative<std::string>(value); }
    // The string, or null when the value is not a string.
    const std::string* string() const { return std::get_if<std::string>(&value); }
    const double* number() const { return std::get_if<double>(&value); }
    const bool* boolean() const { return std::get_if<bool>(&value); }
    const Array* array() const { return std::get_if<Array>(&value); }
    const Object* object() const { return std::get_if<Object>(&value); }
};

// The top level of an information dictionary.
using InfoDictionary = std::map<std::string, InfoValue, std::less<>>;

} // namespace tk
