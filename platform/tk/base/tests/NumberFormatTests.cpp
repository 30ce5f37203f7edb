#include "platform/tk/base/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

TEST(NumberFormatTest, FormatsLikePrintfInTheCLocale) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {6.0, 0, "6"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-0.4, 0, "-0"},
        {0.25, 1, "0.2"},
        {1234567.891, 2, "1234567.89"},
        {1e20, 0, "100000000000000000000"},
        {0.1, 3, "0.100"},
        {INFINITY, 0, "inf"},
        {-INFINITY, 1, "-inf"},
        {NAN, 0, "nan"},
        {5.0, -3, "5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::formatFixed(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
    EXPECT_EQ(tk::formatFixed(std::numeric_limits<double>::max(), 0).size(), 309u);
}

TEST(NumberFormatTest, ParsesStrictly) {
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"5", 5.0},
        {"-2.5", -2.5},
        {"+3", 3.0},
        {".5", 0.5},
        {"1e3", 1000.0},
        {"inf", INFINITY},
        {"-Infinity", -INFINITY},
        {"", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"5x", std::nullopt},
        {"nan", std::nullopt},
        {"+-5", std::nullopt},
        {"+", std::nullopt},
        {"0x10", std::nullopt},
        {"1,5", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::parseDouble(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(tk::parseFloat("0.1"), 0.1f);
    EXPECT_EQ(tk::parseFloat("1e39"), std::nullopt) << "beyond float's range";
}

TEST(NumberFormatTest, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(tk::formatFixed(1.5, 1), "1.5");
    EXPECT_EQ(tk::parseDouble("1.5"), 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
