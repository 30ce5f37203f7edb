// Scroll views: the wheel scrolls within the document, and the clip view tells of its scrolls and
// resizes only while asked to.

#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(ScrollView, TheWheelScrollsWithinTheDocumentAndTheClipViewPostsWhenAsked) {
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    auto scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
    scroll->setHasVerticalScroller(true);
    auto document = View::make<View>(Rect{0, 0, 185, 1000});
    scroll->setDocumentView(document);
    w.contentView().addSubview(scroll);
    w.window().layoutIfNeeded();
    EXPECT_DOUBLE_EQ(scroll->contentView().frame().width(), 185) << "the scroller takes 15 points";
    EXPECT_EQ(enclosingScrollView(*document), scroll.get());

    int bounds = 0, frames = 0;
    auto& centre = NotificationCenter::defaultCenter();
    auto b = centre.addObserver(kViewBoundsDidChange, &scroll->contentView(),
                                [&](const Notification&) { ++bounds; });
    auto f = centre.addObserver(kViewFrameDidChange, &scroll->contentView(),
                                [&](const Notification&) { ++frames; });

    w.scroll({50, 50}, 0, -40);
    EXPECT_DOUBLE_EQ(scroll->contentView().bounds().minY(), 40);
    EXPECT_EQ(bounds, 0) << "not posting yet";

    scroll->contentView().setPostsBoundsChangedNotifications(true);
    scroll->contentView().setPostsFrameChangedNotifications(true);
    w.scroll({50, 50}, 0, -5000);
    EXPECT_DOUBLE_EQ(scroll->contentView().bounds().minY(), 900) << "stops at the document's end";
    w.scroll({50, 50}, 0, -10);
    EXPECT_EQ(bounds, 1) << "no move, no notification";
    scroll->setFrameSize({250, 100});
    w.window().layoutIfNeeded();
    EXPECT_EQ(frames, 1);
}

} // namespace
} // namespace tk
