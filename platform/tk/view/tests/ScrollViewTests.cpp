// Scroll views: the wheel scrolls within the document, and the clip view tells of its scrolls and
// resizes only while asked to; the scroller's knob is dragged and its track clicked.

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

// A 100-point-high scroll view over a 1000-point document: a 10-point knob grows to 20, the track
// it travels is 80 points for 900 points of document.
struct ScrollerFixture {
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    std::shared_ptr<ScrollView> scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
    int scrolls = 0;
    Subscription observer = NotificationCenter::defaultCenter().addObserver(
        kViewBoundsDidChange, nullptr, [this](const Notification&) { ++scrolls; });

    ScrollerFixture() {
        scroll->setHasVerticalScroller(true);
        scroll->setDocumentView(View::make<View>(Rect{0, 0, 185, 1000}));
        scroll->contentView().setPostsBoundsChangedNotifications(true);
        w.contentView().addSubview(scroll);
        w.window().layoutIfNeeded();
    }
    double offset() const { return scroll->contentView().bounds().minY(); }
    Point knobPoint(double dy = 0) const {
        Scroller& s = scroll->verticalScroller();
        return s.convertToWindow(s.knobRect()->center().offsetBy(0, dy));
    }
};

TEST(Scroller, DraggingTheKnobScrollsWithItToEitherEnd) {
    ScrollerFixture f;
    ASSERT_TRUE(f.scroll->verticalScroller().knobRect());
    EXPECT_DOUBLE_EQ(f.scroll->verticalScroller().knobRect()->height(), 20) << "never shorter than 20";
    const Point start = f.knobPoint(8); // grabbed near its lower edge
    f.w.drag(start, start.offsetBy(0, 40), 2);
    EXPECT_DOUBLE_EQ(f.offset(), 450) << "half the track, half the document";
    EXPECT_GT(f.scrolls, 0) << "the clip view tells of the scroll";
    EXPECT_DOUBLE_EQ(f.scroll->verticalScroller().knobRect()->minY(), 40);

    f.w.drag(f.knobPoint(8), f.knobPoint(8).offsetBy(0, 500));
    EXPECT_DOUBLE_EQ(f.offset(), 900) << "the knob's lower end reaches the track's end";
    f.w.drag(f.knobPoint(-8), f.knobPoint(-8).offsetBy(0, -500));
    EXPECT_DOUBLE_EQ(f.offset(), 0) << "and its upper end the start";
}

TEST(Scroller, APressInTheTrackScrollsAPageTowardsIt) {
    ScrollerFixture f;
    Scroller& s = f.scroll->verticalScroller();
    const Point below = s.convertToWindow({7, 90});
    f.w.click(below);
    EXPECT_DOUBLE_EQ(f.offset(), 90) << "a page less the overlap";
    f.w.click(below);
    EXPECT_DOUBLE_EQ(f.offset(), 180);
    f.w.click(s.convertToWindow({7, 1}));
    EXPECT_DOUBLE_EQ(f.offset(), 90);
    EXPECT_EQ(f.scrolls, 3);

    // A document that fits has no knob, and presses move nothing.
    f.scroll->documentView()->setFrameSize({185, 80});
    f.scroll->contentView().scrollToPoint({0, 0});
    EXPECT_FALSE(s.knobRect());
    f.w.click(below);
    EXPECT_DOUBLE_EQ(f.offset(), 0);
}

TEST(Scroller, AHorizontalScrollerShowsOnlyWhileTheDocumentIsWiderAndItsKnobScrollsSideways) {
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    auto scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
    scroll->setHasVerticalScroller(true);
    scroll->setHasHorizontalScroller(true);
    scroll->setAutohidesScrollers(true);
    auto document = View::make<View>(Rect{0, 0, 600, 80});
    scroll->setDocumentView(document);
    w.contentView().addSubview(scroll);
    w.window().layoutIfNeeded();
    Scroller& h = scroll->horizontalScroller();
    EXPECT_FALSE(h.isHidden());
    EXPECT_TRUE(scroll->verticalScroller().isHidden()) << "80 points fit above the horizontal scroller";
    EXPECT_EQ(h.frame(), (Rect{0, 85, 200, 15}));
    ASSERT_TRUE(h.knobRect());
    const Rect knob = *h.knobRect();
    const double travel = 200 - knob.width();
    w.drag(h.convertToWindow(knob.center()), h.convertToWindow(knob.center().offsetBy(travel / 2, 0)));
    EXPECT_DOUBLE_EQ(scroll->contentView().bounds().minX(), 200) << "half the track, half of 400 points";

    document->setFrameSize({600, 90}); // no longer fits above the horizontal scroller
    scroll->tile();
    EXPECT_FALSE(scroll->verticalScroller().isHidden());
    EXPECT_EQ(scroll->contentView().frame(), (Rect{0, 0, 185, 85}));
    document->setFrameSize({150, 90});
    scroll->tile();
    EXPECT_TRUE(h.isHidden());
    EXPECT_TRUE(scroll->verticalScroller().isHidden()) << "fits in both directions";
}

} // namespace
} // namespace tk
