#include "platform/au/Value.h"

#include "platform/au/NumericConversion.h"

#include <limits>

namespace au {

Value Value::integer(int64_t value) {
    Value made;
    made.type_ = Type::integer;
    made.scalar_.integer = value;
    return made;
}

Value Value::unsignedInteger(uint64_t value) {
    Value made;
    made.type_ = Type::unsignedInteger;
    made.scalar_.unsignedInteger = value;
    return made;
}

Value Value::real(double value) {
    Value made;
    made.type_ = Type::real;
    made.scalar_.real = value;
    return made;
}

bool operator==(const Value& a, const Value& b) {
    if (a.type_ != b.type_) {
        return false;
    }
    switch (a.type_) {
    case Value::Type::null:
        return true;
    case Value::Type::boolean:
        return a.scalar_.boolean == b.scalar_.boolean;
    case Value::Type::integer:
        return a.scalar_.integer == b.scalar_.integer;
    case Value::Type::unsignedInteger:
        return a.scalar_.unsignedInteger == b.scalar_.unsignedInteger;
    case Value::Type::real:
        return a.scalar_.real == b.scalar_.real;
    case Value::Type::string:
        return a.string_ == b.string_;
    case Value::Type::data:
        return a.data_ == b.data_;
    case Value::Type::array:
        return a.array_ == b.array_;
    case Value::Type::dictionary:
        return a.dictionary_ == b.dictionary_;
    }
    return false;
}

std::optional<uint64_t> Value::asUInt64() const {
    if (auto u = unsignedIntegerValue()) {
        return *u;
    }
    if (auto i = integerValue()) {
        return static_cast<uint64_t>(*i);
    }
    if (auto r = realValue()) {
        return truncateSaturating<uint64_t>(*r);
    }
    return std::nullopt;
}

std::optional<int64_t> Value::asInt64() const {
    if (auto i = integerValue()) {
        return *i;
    }
    if (auto u = unsignedIntegerValue()) {
        constexpr auto top = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
        return static_cast<int64_t>(*u > top ? top : *u);
    }
    if (auto r = realValue()) {
        return truncateSaturating<int64_t>(*r);
    }
    return std::nullopt;
}

std::optional<double> Value::asDouble() const {
    if (auto r = realValue()) {
        return *r;
    }
    if (auto i = integerValue()) {
        return static_cast<double>(*i);
    }
    if (auto u = unsignedIntegerValue()) {
        return static_cast<double>(*u);
    }
    return std::nullopt;
}

const Value* Value::find(std::string_view key) const {
    const Dictionary* entries = dictionary();
    if (!entries) {
        return nullptr;
    }
    auto found = entries->find(key);
    return found == entries->end() ? nullptr : &found->second;
}

} // namespace au
