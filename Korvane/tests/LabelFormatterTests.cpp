#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/LabelNameFormatter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace Korvane {
namespace {

struct FormatCase {
    int decimals;
    float scale;
    float value;
    const char* text;
};

TEST(DefaultLabelFormatter, FormatsWithFixedDecimalsAndScale) {
    const FormatCase cases[] = {
        {1, 1, 0.5f, "0.5"},      {0, 1, 2.6f, "3"},     {0, 1, -2.5f, "-2"}, // "%.0f" rounds to even
        {2, 1, 3.14159f, "3.14"}, {1, 0.01f, 50, "0.5"}, {1, 1, 1000, "1000.0"}, {3, 1, -0.0005f, "-0.001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultLabelFormatter(c.decimals, c.scale).format(c.value), c.text)
            << c.decimals << " decimals of " << c.value;
    }
}

TEST(DefaultLabelFormatter, ReadsOnlyWholeFiniteNumbers) {
    const DefaultLabelFormatter formatter(1, 0.01f);
    struct Case {
        const char* text;
        std::optional<float> value;
    } cases[] = {
        {"5", 5.0f},  {"0.75", 0.75f}, {"-3.5", -3.5f}, {"+2", 2.0f}, {"1e2", 100.0f}, {".5", 0.5f},
        {"0x10", {}}, {"", {}},        {" 5", {}},      {"\t5", {}},  {"5 ", {}},      {"5abc", {}},
        {"abc", {}},  {"nan", {}},     {"NaN", {}},     {"inf", {}},  {"-inf", {}},    {"infinity", {}},
        {"1e39", {}}, {"--5", {}},     {"+-5", {}},     {"5,5", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatter.value(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(DefaultLabelFormatter, IgnoresTheProcessLocale) {
    // A locale with a decimal comma, when the machine has one; the C locale otherwise.
    const char* chosen = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const DefaultLabelFormatter formatter(2, 1);
    EXPECT_EQ(formatter.format(1.25f), "1.25");
    EXPECT_EQ(formatter.value("1.25"), 1.25f);
    EXPECT_EQ(formatter.value("1,25"), std::nullopt);
    if (chosen) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(LabelNameFormatter, ShowsAndReadsValueStrings) {
    const LabelNameFormatter formatter(std::vector<std::string>{"Up", "Down"});
    EXPECT_EQ(formatter.format(0.4f), "Up");
    EXPECT_EQ(formatter.format(0.5f), "Down");
    EXPECT_EQ(formatter.format(1.4f), "Down");
    EXPECT_EQ(formatter.value("down"), 1.0f);
    EXPECT_EQ(formatter.value("DOWN"), 1.0f);
    EXPECT_EQ(formatter.value("Up"), 0.0f);
    EXPECT_EQ(formatter.value("sideways"), std::nullopt);
    EXPECT_EQ(formatter.value(""), std::nullopt);
}

TEST(LabelNameFormatter, ShowsNothingForAnIndexWithoutAString) {
    const LabelNameFormatter formatter(std::vector<std::string>{"Up", "Down"});
    for (float value : {1.5f, 2.0f, -0.6f, -1.0f, NAN, INFINITY, 1e30f}) {
        EXPECT_EQ(formatter.format(value), "") << value;
    }
    EXPECT_EQ(LabelNameFormatter(std::vector<std::string>{}).format(0), "");
}

} // namespace
} // namespace Korvane
