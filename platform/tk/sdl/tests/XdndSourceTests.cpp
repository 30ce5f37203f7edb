#include "platform/tk/sdl/XdndSource.h"

#include <gtest/gtest.h>

namespace tk::sdl {
namespace {

TEST(XdndSource, OffersFilesAsPercentEncodedURIs) {
    EXPECT_EQ(fileURIListEntry("/tmp/Zindral 2026-03-01 14.05.09.mid"),
              "file:///tmp/Zindral%202026-03-01%2014.05.09.mid\r\n");
    EXPECT_EQ(fileURIListEntry("/a/b%c#d?é"), "file:///a/b%25c%23d%3F%C3%A9\r\n");
}

TEST(XdndSource, NoWindowNoSource) {
    EXPECT_EQ(XdndSource::create(nullptr), nullptr);
}

} // namespace
} // namespace tk::sdl
