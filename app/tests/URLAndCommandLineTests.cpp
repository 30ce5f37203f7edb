#include "app/CommandLine.h"
#include "app/URLMatching.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(AppURLMatching, OnlyTheExactSchemeAndHostAskForAnUpdate) {
    struct Case {
        const char* url;
        bool matches;
    };
    const Case cases[] = {
        {"zindral://openAndUpdate", true},
        {"zindral://openAndUpdate/", true},
        {"zindral://openAndUpdate?from=plugin", true},
        {"zindral://openAndUpdate#now", true},
        {"zindral://someone@openAndUpdate:80/x", true},
        {"Zindral://openAndUpdate", false},
        {"ZINDRAL://openAndUpdate", false},
        {"zindral://openandupdate", false},
        {"zindral://OpenAndUpdate", false},
        {"zindral://open", false},
        {"zindral://", false},
        {"zindral:openAndUpdate", false},
        {"zindral:/openAndUpdate", false},
        {"https://openAndUpdate", false},
        {"zindralx://openAndUpdate", false},
        {"openAndUpdate", false},
        {"", false},
        {"zindral://openAndUpdate\n", false},
        {"zindral://open AndUpdate", false},
        {"1zindral://openAndUpdate", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOpenAndUpdateURL(c.url), c.matches) << "'" << c.url << "'";
    EXPECT_EQ(urlScheme("zindral://x"), "zindral");
    EXPECT_EQ(urlHost("zindral://x/y"), "x");
    EXPECT_EQ(urlHost("mailto:someone"), std::nullopt);
}

TEST(AppCommandLine, OptionsAndURLs) {
    const auto plain = parseCommandLine({"zindral://openAndUpdate"});
    EXPECT_TRUE(plain.error.empty());
    EXPECT_FALSE(plain.headless);
    EXPECT_EQ(plain.urls, (std::vector<std::string>{"zindral://openAndUpdate"}));

    const auto headless =
        parseCommandLine({"--headless", "--screenshot", "w.png", "--after", "2.5", "zindral://x"});
    EXPECT_TRUE(headless.error.empty()) << headless.error;
    EXPECT_TRUE(headless.headless);
    EXPECT_EQ(headless.screenshot, "w.png");
    EXPECT_DOUBLE_EQ(headless.afterSeconds, 2.5);
    EXPECT_EQ(headless.urls.size(), 1u);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--headless"},
                                                {"--screenshot", "w.png"},
                                                {"--headless", "--screenshot"},
                                                {"--headless", "--screenshot", "w.png", "--after", "soon"},
                                                {"--headless", "--screenshot", "w.png", "--after", "-1"},
                                                {"--bogus"}})
        EXPECT_FALSE(parseCommandLine(bad).error.empty()) << bad.front();
    EXPECT_EQ(parseCommandLine({"--", "--not-an-option"}).urls,
              (std::vector<std::string>{"--not-an-option"}));
}

} // namespace
} // namespace app
