#include "platform/updater/Appcast.h"
#include "platform/updater/Updater.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace updater {
namespace {

const std::string kUpdateNamespace = "http://www.andymatuschak.org/xml-namespaces/sparkle";

TEST(UpdaterVersion, TheNewestComparableItemIsOfferedWhenNewerThanTheHost) {
    const auto item = [](std::string shortVersion) {
        AppcastItem i;
        i.shortVersionString = std::move(shortVersion);
        return i;
    };
    const auto host = [](std::string shortVersion) {
        return HostInfo{"Zindral", std::move(shortVersion), ""};
    };
    EXPECT_FALSE(isNewer(item("1.2.3.4"), host("1.2.4"))) << "a fourth piece does not outweigh the third";
    EXPECT_TRUE(isNewer(item("1.1.0"), host("1.0.100")));
    EXPECT_FALSE(isNewer(item("99999999999999999999"), host("1.0"))) << "incomparable";

    const std::string tooLong = "9." + std::string(80, '0');
    const Appcast feed{
        {item("1.5"), item(tooLong), item("99999999999999999999.1"), item("2.0"), item("2.0.0")}};
    const auto newest = newestItem(feed, host("1.0"));
    ASSERT_TRUE(newest.has_value());
    EXPECT_EQ(newest->shortVersionString, "2.0") << "the first of equal versions; incomparable ones skipped";
}

// Entities make a small document say a lot: each level multiplies the text by ten.
std::string expandingEntities(int levels) {
    std::string doctype = "<!DOCTYPE rss [<!ENTITY e0 \"9999999999\">";
    for (int i = 1; i <= levels; ++i) {
        doctype += "<!ENTITY e" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            doctype += "&e" + std::to_string(i - 1) + ";";
        doctype += "\">";
    }
    return doctype + "]>";
}

TEST(UpdaterAppcast, OverlongTextsAreCappedAndItemsWithOverlongVersionsLeftOut) {
    const std::string huge = "&e4;"; // 100 KB once expanded
    const auto result = parseAppcast(expandingEntities(4) + R"(<rss xmlns:sparkle=")" + kUpdateNamespace +
                                     R"("><channel>
  <item><title>Expanded</title><sparkle:shortVersionString>)" +
                                     huge + R"(</sparkle:shortVersionString></item>
  <item><title>Long</title><sparkle:shortVersionString>2.0.)" +
                                     std::string(70, '0') + R"(</sparkle:shortVersionString></item>
  <item><title>Attribute</title><enclosure url="https://velmor.example/z.tar.xz" sparkle:version=")" +
                                     huge + R"("/></item>
  <item><title>)" + huge + R"(</title><link>https://velmor.example/)" +
                                     huge + R"(</link><sparkle:version>3</sparkle:version></item>
</channel></rss>)");
    ASSERT_TRUE(result.appcast.has_value()) << result.error;
    const auto& items = result.appcast->items;
    ASSERT_EQ(items.size(), 1u) << "only the item whose versions can be compared";
    EXPECT_EQ(items[0].version, "3");
    EXPECT_EQ(items[0].title, std::string(256, '9')) << "a title is cut to what a dialog can show";
    EXPECT_EQ(items[0].link, "") << "an address too long to keep is dropped, not cut";
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

TEST(UpdaterAppcast, VersionsAreTheUpdateNamespacesWhateverItsPrefix) {
    // The item's version in the element and the enclosure's attribute, under `prefix`.
    const auto feed = [](const std::string& declarations, const std::string& prefix) {
        return "<rss " + declarations + "><channel><item><title>T</title><" + prefix +
               "shortVersionString>2.0</" + prefix +
               "shortVersionString><enclosure url=\"https://velmor.example/z\" " + prefix +
               "version=\"20\"/></item></channel></rss>";
    };
    const std::string bound = "xmlns:u=\"" + kUpdateNamespace + "\"";
    const std::string other = "xmlns:sparkle=\"https://velmor.example/ns\"";
    struct Case {
        const char* what;
        std::string document;
        std::size_t items;
    };
    const Case cases[] = {
        {"another prefix", feed(bound, "u:"), 1},
        {"the usual prefix for another namespace", feed(other, "sparkle:"), 0},
        {"both: only the update namespace counts", feed(bound + " " + other, "u:"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = parseAppcast(c.document);
        ASSERT_TRUE(result.appcast.has_value()) << result.error;
        ASSERT_EQ(result.appcast->items.size(), c.items);
        if (c.items == 1) {
            EXPECT_EQ(result.appcast->items[0].shortVersionString, "2.0");
            EXPECT_EQ(result.appcast->items[0].version, "20") << "the enclosure's attribute too";
        }
    }
    const auto unbound = parseAppcast(feed("", "sparkle:"));
    EXPECT_FALSE(unbound.appcast.has_value()) << "a prefix the feed never binds is malformed";
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
