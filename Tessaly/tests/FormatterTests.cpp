#include "Tessaly/Formatters/ConstantNameFormatter.h"
#include "Tessaly/Formatters/ExpressionFormatter.h"

#include <gtest/gtest.h>

#include <string>

namespace Tessaly {
namespace {

using tk::FormatterValue;

TEST(ConstantNameFormatterTest, ShowsWithThePrefixAndEditsWithoutALeadingOne) {
    ConstantNameFormatter formatter;
    formatter.setRequiredPrefix("k");
    EXPECT_EQ(formatter.string(FormatterValue(std::string("Value"))), "kValue");
    EXPECT_EQ(formatter.string(FormatterValue(std::string("kValue"))), "kValue");
    EXPECT_EQ(formatter.string(FormatterValue(2.0)), std::nullopt);
    EXPECT_EQ(formatter.editingString(FormatterValue(std::string("kValue"))), "Value");
    // Only a leading prefix goes: an inner "k" is part of the name.
    EXPECT_EQ(formatter.editingString(FormatterValue(std::string("Mykey"))), "Mykey");
    EXPECT_EQ(formatter.editingString(FormatterValue()), std::nullopt);
}

TEST(ConstantNameFormatterTest, AcceptsOnlyNameCharacters) {
    ConstantNameFormatter formatter;
    FormatterValue value;
    std::string error;
    EXPECT_TRUE(formatter.getObjectValue(value, "kMy-Name.v2_$", &error));
    EXPECT_EQ(value, FormatterValue(std::string("kMy-Name.v2_$")));
    // Letters and digits of any script, composed or with combining marks.
    for (const char* good : {"caf\u00E9", "cafe\u0301", "\u540D\u524D2", "x\u0663"}) {
        EXPECT_TRUE(formatter.getObjectValue(value, good, nullptr)) << good;
        EXPECT_EQ(value, FormatterValue(std::string(good)));
    }
    // Spaces of any kind, symbols and text that is not UTF-8 are not names.
    for (const char* bad : {"my name", "a+b", "a\u00A0b", "5\u20AC", "caf\xC3", "\xE9t\xE9"}) {
        error.clear();
        EXPECT_FALSE(formatter.getObjectValue(value, bad, &error)) << bad;
        EXPECT_EQ(error, kInvalidConstantNameMessage);
        EXPECT_FALSE(formatter.isPartialStringValid(bad, nullptr, nullptr)) << bad;
    }
    EXPECT_TRUE(formatter.isPartialStringValid("kPart", nullptr, nullptr));
}

TEST(ExpressionFormatterTest, OnlyPlainDecimalNumbersAreNumbers) {
    struct Case {
        const char* text;
        bool number;
    };
    for (const auto& c : std::initializer_list<Case>{{"12.5", true},
                                                     {"-3", true},
                                                     {"+.5e-3", true},
                                                     {"5.", true},
                                                     {"2*3", false},
                                                     {"", false},
                                                     {" 12", false},
                                                     {"12 ", false},
                                                     {"inf", false},
                                                     {"nan", false},
                                                     {"0x1F", false},
                                                     {"1e", false},
                                                     {".", false}})
        EXPECT_EQ(ExpressionFormatter::isDecimalNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(ExpressionFormatterTest, KeepsExpressionsAsTextAndFormatsNumbersWithTheSuffixOnce) {
    ExpressionFormatter formatter;
    formatter.setMaximumFractionDigits(2);
    formatter.setPositiveSuffix(" pt");
    EXPECT_EQ(formatter.string(FormatterValue(std::string("2*3"))), "2*3");
    EXPECT_EQ(formatter.editingString(FormatterValue(std::string(" 12"))), " 12");
    EXPECT_EQ(formatter.string(FormatterValue(12.5)), "12.5 pt");
    EXPECT_EQ(formatter.string(FormatterValue(-2.0)), "-2 pt");

    FormatterValue value;
    EXPECT_TRUE(formatter.getObjectValue(value, "2*3", nullptr));
    EXPECT_EQ(value, FormatterValue(std::string("2*3")));
    EXPECT_TRUE(formatter.getObjectValue(value, "12.5", nullptr));
    EXPECT_EQ(value, FormatterValue(12.5));
    EXPECT_TRUE(formatter.getObjectValue(value, "inf", nullptr));
    EXPECT_EQ(value, FormatterValue(std::string("inf")));

    // What the field shows reads back as the number it shows; only the number before the suffix
    // counts, so an expression that happens to end with it stays text.
    struct Case {
        const char* text;
        FormatterValue value;
    };
    for (const auto& c : std::initializer_list<Case>{{"12.5 pt", FormatterValue(12.5)},
                                                     {"-2 pt", FormatterValue(-2.0)},
                                                     {"2*3 pt", FormatterValue(std::string("2*3 pt"))},
                                                     {" 12 pt", FormatterValue(std::string(" 12 pt"))},
                                                     {" pt", FormatterValue(std::string(" pt"))}}) {
        EXPECT_TRUE(formatter.getObjectValue(value, c.text, nullptr)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    EXPECT_TRUE(formatter.getObjectValue(value, *formatter.string(FormatterValue(7.25)), nullptr));
    EXPECT_EQ(value, FormatterValue(7.25));

    formatter.setFormatterBehavior(tk::NumberFormatter::Behavior::behavior10_0);
    formatter.setPositiveSuffix("");
    EXPECT_EQ(formatter.string(FormatterValue(3.0)), "3");
}

} // namespace
} // namespace Tessaly
