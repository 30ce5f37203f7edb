#include "Tessaly/Foundation/Collections.h"
#include "Tessaly/Foundation/DateUtil.h"
#include "Tessaly/Foundation/FileURLs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace Tessaly {
namespace {

using namespace std::chrono_literals;

TEST(DateUtilTest, AgeIsMeasuredForwardsFromTheDate) {
    const DateUtil::Date now{std::chrono::seconds(1'000'000)};
    struct Case {
        std::optional<DateUtil::Date> date;
        bool older, newer;
    };
    for (const auto& c : std::vector<Case>{
             {now - 120s, true, false}, // two minutes ago, against one minute
             {now - 30s, false, true},
             {now - 60s, false, false}, // exactly the interval: neither
             {now + 120s, false, true}, // in the future: young, never old
             {std::nullopt, true, true},
         }) {
        EXPECT_EQ(DateUtil::isOlderThan(c.date, 60, true, now), c.older);
        EXPECT_EQ(DateUtil::isNewerThan(c.date, 60, true, now), c.newer);
    }
    EXPECT_FALSE(DateUtil::isOlderThan(std::nullopt, 60, false, now));
}

TEST(DegreeUtilTest, NormalizesIntoTheHalfOpenCircle) {
    for (const auto& [in, out] : std::vector<std::pair<double, double>>{
             {540, 180}, {-180, 180}, {-190, 170}, {180, 180}, {190, -170}, {720, 0}, {-45, -45}})
        EXPECT_DOUBLE_EQ(DegreeUtil::normalized(in), out) << in;
    EXPECT_DOUBLE_EQ(DegreeUtil::radians(90), std::numbers::pi / 2);
}

TEST(CollectionsTest, IndicesOffsetsAndPickedElements) {
    const std::vector<int> numbers{5, 8, 3, 8};
    EXPECT_TRUE(isValidIndex(numbers, 3));
    EXPECT_FALSE(isValidIndex(numbers, 4));
    EXPECT_FALSE(isValidIndex(numbers, -1));
    EXPECT_EQ(indexRange(numbers), (IndexRange{0, 4}));
    EXPECT_EQ(offsets(numbers, [](int n) { return n == 8; }), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(elements(numbers, IndexSet{3, 0}), (std::vector<int>{5, 8}));
    EXPECT_THROW(elements(numbers, IndexSet{4}), std::out_of_range);

    struct Row {
        std::optional<std::string> name;
    };
    const std::vector<Row> rows{{"a"}, {std::nullopt}, {"c"}};
    EXPECT_EQ(compactMap(rows, &Row::name), (std::vector<std::string>{"a", "c"}));
}

TEST(CollectionsTest, MoveOffsetsStandBeforeTheDestinationInTheirOldOrder) {
    struct Case {
        IndexSet offsets;
        std::size_t destination;
        std::string expected;
    };
    for (const auto& c : std::vector<Case>{
             {{0}, 3, "bcad"}, {{1, 3}, 0, "bdac"}, {{0, 2}, 4, "bdac"}, {{3}, 1, "adbc"}, {{}, 2, "abcd"}}) {
        std::vector<char> letters{'a', 'b', 'c', 'd'};
        move(letters, c.offsets, c.destination);
        EXPECT_EQ(std::string(letters.begin(), letters.end()), c.expected);
    }
}

TEST(FileURLsTest, PathsNamesAndRelativePaths) {
    EXPECT_EQ(relativePath("file:///a/b/c", "file:///a/d"), "../b/c");
    EXPECT_EQ(relativePath("file:///a/./x/../b/", "file:///a/b/c/d"), "../..");
    EXPECT_EQ(relativePath("https://host/a/b", "file:///a"), std::nullopt);

    EXPECT_EQ(nameWithoutExtension("file:///tmp/a.txt.b.txt"), "a.txt.b");
    EXPECT_EQ(nameWithoutExtension("file:///tmp/My%20Song.mid"), "My Song");
    EXPECT_EQ(nameWithoutExtension("file:///tmp/.hidden"), ".hidden");
    EXPECT_EQ(pathWithoutLeadingSlash("file:///tmp/My%20Song.mid"), "tmp/My Song.mid");

    EXPECT_EQ(fileURL(std::nullopt), std::nullopt);
    EXPECT_EQ(fileURL("/tmp/My Song.mid"), "file:///tmp/My%20Song.mid");
    EXPECT_EQ(fileURL("b c", DirectoryHint::isDirectory, "/a"), "file:///a/b%20c/");
    EXPECT_EQ(filePath(*fileURL("/tmp/100%/x")), "/tmp/100%/x");
    // A NUL would end the path early where the system reads it: such a URL has no path.
    EXPECT_EQ(filePath("file:///etc/passwd%00.mid"), std::nullopt);
    EXPECT_EQ(relativePath("file:///a/b%00/c", "file:///a"), std::nullopt);
    EXPECT_THROW(modificationDate("file:///tmp%00"), std::invalid_argument);
    // The same rule for the name and the path: no path, so nothing of it.
    EXPECT_EQ(nameWithoutExtension("file:///etc/passwd%00.mid"), "");
    EXPECT_EQ(nameWithoutExtension("file:///tmp/a%00b/c.mid"), "");
    EXPECT_EQ(pathWithoutLeadingSlash("file:///etc/passwd%00.mid"), "");
    EXPECT_EQ(pathWithoutLeadingSlash("file:///tmp/100%25/x"), "tmp/100%/x");
}

TEST(FileURLsTest, ModificationDateOfAFileAndTheErrorOfAMissingOne) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("tessaly-modification-date-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(file) << "x";
    const auto date = modificationDate(*fileURL(file.string()));
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(*date, std::filesystem::last_write_time(file));
    std::filesystem::remove(file);
    EXPECT_THROW(modificationDate(*fileURL(file.string())), std::filesystem::filesystem_error);
}

} // namespace
} // namespace Tessaly
