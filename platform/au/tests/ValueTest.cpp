#include "platform/au/Value.h"
#include "platform/au/NumericConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using au::Value;
constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();

TEST(Value, NumbersKeepTheirKind) {
    EXPECT_EQ(Value::unsignedInteger(kMax).type(), Value::Type::unsignedInteger);
    EXPECT_EQ(Value::integer(-1).type(), Value::Type::integer);
    EXPECT_EQ(Value::real(1.0).type(), Value::Type::real);
    EXPECT_NE(Value::integer(1), Value::unsignedInteger(1));
    EXPECT_FALSE(Value(true).isNumber());
    EXPECT_FALSE(Value("5").isNumber());
    EXPECT_EQ(Value("5").integerValue(), nullptr);
}

TEST(Value, ReadsNumbersAsOtherKinds) {
    struct Case {
        Value value;
        std::optional<uint64_t> asUnsigned;
        std::optional<int64_t> asSigned;
    };
    const Case cases[] = {
        {Value::unsignedInteger(kMax), kMax, std::numeric_limits<int64_t>::max()},
        {Value::integer(-1), kMax, -1},
        {Value::real(std::nan("")), 0, 0},
        {Value::real(HUGE_VAL), kMax, std::numeric_limits<int64_t>::max()},
        {Value::real(-HUGE_VAL), 0, std::numeric_limits<int64_t>::min()},
        {Value::real(-2.5), 0, -2},
        {Value::real(42.9), 42, 42},
        {Value(true), std::nullopt, std::nullopt},
        {Value("7"), std::nullopt, std::nullopt},
        {Value(), std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.asUInt64(), c.asUnsigned);
        EXPECT_EQ(c.value.asInt64(), c.asSigned);
    }
}

TEST(Value, FindsDictionaryEntries) {
    Value::Dictionary entries;
    entries["seed"] = Value::unsignedInteger(3);
    Value dictionary(entries);
    ASSERT_NE(dictionary.find("seed"), nullptr);
    EXPECT_EQ(dictionary.find("missing"), nullptr);
    EXPECT_EQ(Value::integer(1).find("seed"), nullptr);
}

TEST(NumericConversion, TruncatesWithoutUndefinedBehaviour) {
    EXPECT_EQ(au::truncateSaturating<int32_t>(std::nanf("")), 0);
    EXPECT_EQ(au::truncateSaturating<int32_t>(HUGE_VALF), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(au::truncateSaturating<int32_t>(-HUGE_VALF), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(au::truncateSaturating<int32_t>(3e9f), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(au::truncateSaturating<int32_t>(-2.9f), -2);
    EXPECT_EQ(au::truncateSaturating<int64_t>(9.3e18), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(au::truncateSaturating<uint64_t>(1.8446744073709552e19), kMax);
    EXPECT_EQ(au::truncateSaturating<uint64_t>(-1.0), 0u);
    EXPECT_EQ(au::truncateSaturating<uint8_t>(255.9), 255);
}

} // namespace
