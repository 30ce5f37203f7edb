#include "platform/au/ValueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using au::Value;

Value sampleState() {
    Value::Dictionary parameters;
    parameters["morphX"] = Value::real(0.25);
    parameters["lowNote"] = Value::real(36.0);
    Value::Dictionary state;
    state["seed"] = Value::unsignedInteger(std::numeric_limits<uint64_t>::max());
    state["smallest"] = Value::integer(std::numeric_limits<int64_t>::min());
    state["tiny"] = Value::real(5e-324);
    state["negativeZero"] = Value::real(-0.0);
    state["third"] = Value::real(1.0 / 3.0);
    state["name"] = Value("Zindral \"line\"\\\n\t\x01\x7f caf\xc3\xa9");
    state["blob"] = Value(Value::Data{0x00, 0xff, 0x10});
    state["empty"] = Value(Value::Array{});
    state["none"] = Value();
    state["list"] =
        Value(Value::Array{Value(true), Value(false), Value::integer(-3), Value(Value::Dictionary{})});
    state["parameters"] = Value(std::move(parameters));
    return Value(std::move(state));
}

TEST(ValueText, RoundTripsEveryKindExactly) {
    Value state = sampleState();
    std::string text = au::toStateText(state);
    auto parsed = au::parseStateText(text);
    ASSERT_TRUE(parsed.ok()) << parsed.error().description;
    EXPECT_EQ(parsed.value(), state);
    EXPECT_EQ(*parsed.value().find("seed")->unsignedIntegerValue(), std::numeric_limits<uint64_t>::max());
    EXPECT_TRUE(std::signbit(*parsed.value().find("negativeZero")->realValue()));
    EXPECT_EQ(au::toStateText(parsed.value()), text);
}

TEST(ValueText, NonFiniteRealsRoundTrip) {
    Value list(Value::Array{Value::real(std::nan("")), Value::real(HUGE_VAL), Value::real(-HUGE_VAL)});
    auto parsed = au::parseStateText(au::toStateText(list));
    ASSERT_TRUE(parsed.ok());
    const auto& items = *parsed.value().array();
    EXPECT_TRUE(std::isnan(*items[0].realValue()));
    EXPECT_EQ(*items[1].realValue(), HUGE_VAL);
    EXPECT_EQ(*items[2].realValue(), -HUGE_VAL);
}

TEST(ValueText, TextIsStableAndSortedByKey) {
    Value::Dictionary a;
    a["b"] = Value::integer(1);
    a["a"] = Value::unsignedInteger(2);
    EXPECT_EQ(au::toStateText(Value(a)), "au-state 1\n{\n  \"a\": u2,\n  \"b\": i1\n}\n");
}

TEST(ValueText, RejectsDamagedAndForeignText) {
    const char* cases[] = {
        "",
        "{\"seed\": u1}",                     // no header: another format
        "{\"seed\": 1}\n",                    // JSON
        "au-state 2\nnull\n",                 // another version
        "au-state 1\n",                       // no value
        "au-state 1\n{\"seed\": u1",          // unterminated dictionary
        "au-state 1\n{\"seed\" u1}",          // missing colon
        "au-state 1\n{\"a\": u1, \"a\": u2}", // duplicate key
        "au-state 1\nu-1",                    // signed unsigned
        "au-state 1\nu18446744073709551616",  // out of range
        "au-state 1\ni9223372036854775808",   // out of range
        "au-state 1\nr1.5.2",                 // malformed real
        "au-state 1\nr",                      // empty number
        "au-state 1\n\"abc",                  // unterminated string
        "au-state 1\n\"a\\q\"",               // unknown escape
        "au-state 1\n\"a\\x4\"",              // short hex escape
        "au-state 1\n\"a\nb\"",               // raw control character
        "au-state 1\n<0g>",                   // bad data
        "au-state 1\n<0>",                    // odd data
        "au-state 1\n[1, 2]",                 // untyped numbers
        "au-state 1\n[u1 u2]",                // missing comma
        "au-state 1\nnull null",              // trailing value
        "au-state 1\ntru",                    // truncated word
    };
    for (const char* text : cases) {
        auto parsed = au::parseStateText(text);
        EXPECT_FALSE(parsed.ok()) << text;
        if (!parsed.ok()) {
            EXPECT_EQ(parsed.error().code, au::kErrInvalidFile);
            EXPECT_NE(parsed.error().description.find("line"), std::string::npos);
        }
    }
}

TEST(ValueText, BoundsNesting) {
    std::string deep = "au-state 1\n" + std::string(100000, '[');
    EXPECT_FALSE(au::parseStateText(deep).ok());
    std::string ok =
        "au-state 1\n" + std::string(au::kMaximumStateDepth, '[') + std::string(au::kMaximumStateDepth, ']');
    EXPECT_TRUE(au::parseStateText(ok).ok());
}

// Damaged copies of a real state text: every result is either an error or a value whose own text
// parses back to the same value. Nothing crashes (the asan run checks memory safety).
TEST(ValueText, FuzzedTextNeverCrashes) {
    const std::string original = au::toStateText(sampleState());
    std::mt19937_64 random(12345);
    const std::string alphabet = "au-state 1\n{}[]<>\":,uir-+.e0123456789abcdefnultrsx\\ \t";
    int parsedCount = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = original;
        int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            size_t at = text.empty() ? 0 : random() % text.size();
            switch (random() % 4) {
            case 0:
                text.resize(at);
                break;
            case 1:
                if (!text.empty()) {
                    text[at] = static_cast<char>(random() % 256);
                }
                break;
            case 2:
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            case 3:
                if (!text.empty()) {
                    text.erase(at, 1 + random() % 8);
                }
                break;
            }
        }
        auto parsed = au::parseStateText(text);
        if (parsed.ok()) {
            ++parsedCount;
            auto again = au::parseStateText(au::toStateText(parsed.value()));
            ASSERT_TRUE(again.ok());
            EXPECT_EQ(au::toStateText(again.value()), au::toStateText(parsed.value()));
        }
    }
    for (int round = 0; round < 2000; ++round) {
        std::string text = "au-state 1\n";
        size_t length = random() % 64;
        for (size_t i = 0; i < length; ++i) {
            text += alphabet[random() % alphabet.size()];
        }
        (void)au::parseStateText(text);
    }
    EXPECT_GT(parsedCount, 0);
}

} // namespace
