#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace au {

// A state value: what a unit saves in a host's project. Numbers keep their kind (signed 64-bit,
// unsigned 64-bit, double), so an unsigned value such as 2^64 - 1 comes back exactly. Dictionaries
// keep their keys sorted, which makes the text form (ValueText.h) stable.
class Value {
public:
    struct Null {};
    using Data = std::vector<uint8_t>;
    using Array = std::vector<Value>;
    using Dictionary = std::map<std::string, Value, std::less<>>;

    enum class Type { null, boolean, integer, unsignedInteger, real, string, data, array, dictionary };

    Value() = default;
    Value(bool value) : type_(Type::boolean) { scalar_.boolean = value; }
    Value(std::string value) : type_(Type::string), string_(std::move(value)) {}
    Value(const char* value) : type_(Type::string), string_(value) {}
    Value(Data value) : type_(Type::data), data_(std::move(value)) {}
    Value(Array value) : type_(Type::array), array_(std::move(value)) {}
    Value(Dictionary value) : type_(Type::dictionary), dictionary_(std::move(value)) {}
    // Numbers are made by name so that an int literal never picks a kind by accident.
    static Value integer(int64_t value);
    static Value unsignedInteger(uint64_t value);
    static Value real(double value);

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::null; }
    bool isNumber() const {
        return type_ == Type::integer || type_ == Type::unsignedInteger || type_ == Type::real;
    }

    // The stored alternative, or null when the value holds another kind.
    const bool* boolean() const { return type_ == Type::boolean ? &scalar_.boolean : nullptr; }
    const int64_t* integerValue() const { return type_ == Type::integer ? &scalar_.integer : nullptr; }
    const uint64_t* unsignedIntegerValue() const {
        return type_ == Type::unsignedInteger ? &scalar_.unsignedInteger : nullptr;
    }
    const double* realValue() const { return type_ == Type::real ? &scalar_.real : nullptr; }
    const std::string* string() const { return type_ == Type::string ? &string_ : nullptr; }
    const Data* data() const { return type_ == Type::data ? &data_ : nullptr; }
    const Array* array() const { return type_ == Type::array ? &array_ : nullptr; }
    const Dictionary* dictionary() const { return type_ == Type::dictionary ? &dictionary_ : nullptr; }
    Array* mutableArray() { return type_ == Type::array ? &array_ : nullptr; }
    Dictionary* mutableDictionary() { return type_ == Type::dictionary ? &dictionary_ : nullptr; }

    // A number read as another kind; nothing when the value is not a number. Unsigned: a signed
    // value wraps modulo 2^64; a real truncates toward zero, NaN gives 0, out-of-range saturates.
    std::optional<uint64_t> asUInt64() const;
    // Signed: an unsigned value above INT64_MAX saturates; a real as for asUInt64.
    std::optional<int64_t> asInt64() const;
    std::optional<double> asDouble() const;

    // The entry for a key of a dictionary, or null (also when this is not a dictionary).
    const Value* find(std::string_view key) const;

    // Same kind and same contents; reals compare as doubles (so NaN differs from NaN).
    friend bool operator==(const Value& a, const Value& b);

private:
    // A tagged record rather than std::variant: GCC 12 reports false maybe-uninitialized warnings
    // for a recursive variant, and only the member that `type_` names is ever read.
    union Scalar {
        bool boolean;
        int64_t integer;
        uint64_t unsignedInteger;
        double real;
    };
    Type type_ = Type::null;
    Scalar scalar_{.unsignedInteger = 0};
    std::string string_;
    Data data_;
    Array array_;
    Dictionary dictionary_;
};

} // namespace au
