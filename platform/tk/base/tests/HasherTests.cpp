#include "platform/tk/base/Hasher.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

TEST(HasherTest, SameInputSameHashWithinTheProcess) {
    auto hash = [](float a, std::uint64_t b) {
        tk::Hasher hasher;
        hasher.combine(a);
        hasher.combine(b);
        return hasher.finalize();
    };
    EXPECT_EQ(hash(0.5f, 42), hash(0.5f, 42));
    EXPECT_NE(hash(0.5f, 42), hash(0.5f, 43));
    EXPECT_NE(hash(0.5f, 42), hash(0.25f, 42));
    EXPECT_EQ(hash(-0.0f, 1), hash(0.0f, 1)) << "-0 hashes as +0";
}

TEST(HasherTest, GivenSeedsAreReproducibleAndSplittingTheBytesDoesNotMatter) {
    tk::Hasher hasher(0x0706050403020100ULL, 0x0f0e0d0c0b0a0908ULL);
    tk::Hasher again(0x0706050403020100ULL, 0x0f0e0d0c0b0a0908ULL);
    tk::Hasher otherSeed(1, 0x0f0e0d0c0b0a0908ULL);
    EXPECT_EQ(hasher.finalize(), again.finalize());
    EXPECT_NE(hasher.finalize(), otherSeed.finalize());
    // Streaming is independent of how the bytes are split.
    tk::Hasher whole(1, 2), split(1, 2);
    whole.combine(std::string_view("abcdefghijk"));
    split.combine(std::string_view("abc"));
    split.combine(std::string_view("defghijk"));
    EXPECT_EQ(whole.finalize(), split.finalize());
}

TEST(HasherTest, SpreadsNearbyValues) {
    std::set<std::int64_t> hashes;
    for (std::uint32_t i = 0; i < 1000; ++i) {
        tk::Hasher hasher;
        hasher.combine(i);
        hashes.insert(hasher.finalize());
    }
    EXPECT_EQ(hashes.size(), 1000u);
}

} // namespace
