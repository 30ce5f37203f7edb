#include "platform/updater/Appcast.h"
#include "platform/updater/Version.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <gtest/gtest.h>

namespace updater {
namespace {

TEST(UpdaterVersion, DottedNumbersCompareNumerically) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"1.0", "1.0", 0},
        {"1.10", "1.9", 1},
        {"2", "2.0.0", 0},
        {"1.2.3", "1.2.4", -1},
        {"1.2.3.4", "1.2.3", 1},
        {"10", "9", 1},
        {" 2.0\n", "2.0", 0},
        {"2.0beta", "2.0", 0},
        {"1.2beta", "1.3", -1},
        {"", "0", 0},
        {"", "0.1", -1},
        {"abc", "1", -1},
        {"99999999999999999999999", "1", 1},
    };
    for (const auto& c : cases) {
        const int result = compareVersions(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.expected) << c.a << " vs " << c.b;
    }
}

TEST(UpdaterAppcast, ReadsItemsWithVersionsFromElementsOrTheEnclosure) {
    const auto result = parseAppcast(R"(<?xml version="1.0"?>
<rss xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
  <title>Feed</title><link>https://velmor.example/</link>
  <item>
    <title> Version 2.0 </title>
    <link>https://velmor.example/zindral/2.0</link>
    <sparkle:version>20</sparkle:version>
    <sparkle:shortVersionString>2.0</sparkle:shortVersionString>
    <enclosure url="https://velmor.example/z-2.0.tar.xz" sparkle:version="19"/>
  </item>
  <item>
    <title>Version 1.5</title>
    <enclosure url="https://velmor.example/z-1.5.tar.xz" sparkle:version="15" sparkle:shortVersionString="1.5"/>
  </item>
  <item><title>No version at all</title></item>
</channel></rss>)");
    ASSERT_TRUE(result.appcast.has_value()) << result.error;
    const auto& items = result.appcast->items;
    ASSERT_EQ(items.size(), 2u) << "an item without any version is left out";
    EXPECT_EQ(items[0], (AppcastItem{"Version 2.0", "20", "2.0", "https://velmor.example/zindral/2.0",
                                     "https://velmor.example/z-2.0.tar.xz"}))
        << "the item's own version wins over the enclosure's; the channel's link is not the item's";
    EXPECT_EQ(items[1].version, "15");
    EXPECT_EQ(items[1].shortVersionString, "1.5");
    EXPECT_EQ(items[1].downloadURL(), "https://velmor.example/z-1.5.tar.xz") << "no page: the download";
}

TEST(UpdaterAppcast, RejectsWhatIsNotAnAppcast) {
    for (const char* document : {"", "not xml at all", "<rss><channel><item>", "<html><body/></html>"}) {
        const auto result = parseAppcast(document);
        EXPECT_FALSE(result.appcast.has_value()) << document;
        EXPECT_FALSE(result.error.empty()) << document;
    }
    const auto empty = parseAppcast("<rss><channel/></rss>");
    ASSERT_TRUE(empty.appcast.has_value());
    EXPECT_TRUE(empty.appcast->items.empty());
}

TEST(UpdaterAppcast, NewestItemAndComparisonWithTheHost) {
    const HostInfo host = updatertest::testHost(); // 1.0.0 (10)
    Appcast feed;
    feed.items = {AppcastItem{"a", "9", "0.9", "", ""}, AppcastItem{"b", "12", "1.1", "", ""},
                  AppcastItem{"c", "11", "1.0.1", "", ""}};
    const auto newest = newestItem(feed, host);
    ASSERT_TRUE(newest.has_value());
    EXPECT_EQ(newest->title, "b");
    EXPECT_TRUE(isNewer(*newest, host));
    EXPECT_FALSE(isNewer(AppcastItem{"same", "10", "1.0.0", "", ""}, host));
    EXPECT_TRUE(isNewer(AppcastItem{"short only", "", "1.0.1", "", ""}, host)) << "short versions compared";
    EXPECT_FALSE(newestItem(Appcast{}, host).has_value());
}

} // namespace
} // namespace updater
