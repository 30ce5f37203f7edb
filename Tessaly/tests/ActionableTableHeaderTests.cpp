// The header with its add and option buttons: where the buttons go over a table in a scroll view,
// and which clip views make it lay them out again.

#include "Tessaly/Controls/ActionableTableHeaderView.h"
#include "Tessaly/Controls/StyledTableHeader.h"
#include "Tessaly/Controls/StyledTableView.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace Tessaly {
namespace {

// A 300-point header over a table in a scroll view whose scroller takes 15 points.
struct HeaderFixture {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{320, 240}};
    std::shared_ptr<tk::ScrollView> scroll;
    std::shared_ptr<tk::View> table;
    std::shared_ptr<ActionableTableHeaderView> header;

    HeaderFixture() {
        testing::useBuiltBundles();
        scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 24, 300, 200});
        scroll->setHasVerticalScroller(true);
        table = tk::View::make<tk::View>(tk::Rect{0, 0, 600, 1000});
        scroll->setDocumentView(table);
        header = tk::View::make<ActionableTableHeaderView>(tk::Rect{0, 0, 300, 24});
        window.contentView().addSubview(scroll);
        window.contentView().addSubview(header);
        window.window().layoutIfNeeded();
        header->setTableView(table.get());
        window.window().layoutIfNeeded();
    }
};

TEST(ActionableTableHeaderView, ButtonsSitLeftOfTheScrollerAndTouchEachOther) {
    HeaderFixture f;
    EXPECT_DOUBLE_EQ(f.header->scrollerOverlap(), -15);
    const tk::Rect option = f.header->optionButton().frame();
    const tk::Rect add = f.header->addItemButton().frame();
    EXPECT_DOUBLE_EQ(option.maxX(), 300 - 15 - 2);
    EXPECT_DOUBLE_EQ(add.maxX(), option.minX());
    EXPECT_GT(add.width(), 0);
    EXPECT_DOUBLE_EQ(option.midY(), 12);

    f.header->hideOptionButton();
    f.window.window().layoutIfNeeded();
    EXPECT_DOUBLE_EQ(f.header->addItemButton().frame().maxX(), 283) << "a hidden button takes no width";
}

TEST(ActionableTableHeaderView, OnlyItsOwnClipViewAsksForANewLayout) {
    HeaderFixture f;
    EXPECT_TRUE(f.scroll->contentView().postsBoundsChangedNotifications());
    EXPECT_TRUE(f.scroll->contentView().postsFrameChangedNotifications());

    auto other = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 100, 100});
    other->setDocumentView(tk::View::make<tk::View>(tk::Rect{0, 0, 400, 400}));
    other->layoutSubtreeIfNeeded();
    other->contentView().setPostsBoundsChangedNotifications(true);
    other->contentView().scrollToPoint({50, 0});
    EXPECT_FALSE(f.header->needsLayout()) << "another table's scroll leaves this header alone";

    f.scroll->contentView().scrollToPoint({120, 0}); // a horizontal scroll of the table
    EXPECT_TRUE(f.header->needsLayout());
    f.window.window().layoutIfNeeded();
    EXPECT_DOUBLE_EQ(f.header->optionButton().frame().maxX(), 298)
        << "the clip's right end (405) is past the header's width: no overlap once scrolled";
}

TEST(ActionableTableHeaderView, WithoutAScrollViewTheButtonsReachTheEdge) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    auto header = tk::View::make<ActionableTableHeaderView>(tk::Rect{0, 0, 200, 24});
    header->layoutSubtreeIfNeeded();
    EXPECT_DOUBLE_EQ(header->scrollerOverlap(), 0);
    EXPECT_DOUBLE_EQ(header->optionButton().frame().maxX(), 198);
    for (const tk::Button* button : {&header->addItemButton(), &header->optionButton()})
        for (const auto o : {tk::LayoutOrientation::horizontal, tk::LayoutOrientation::vertical}) {
            EXPECT_EQ(button->contentHuggingPriority(o), tk::kLayoutPriorityRequired);
            EXPECT_EQ(button->contentCompressionResistancePriority(o), tk::kLayoutPriorityRequired);
        }
}

TEST(ActionableTableHeaderView, InTheTablesScrollViewTheButtonsStayAtTheVisibleRightEnd) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{320, 240}};
    auto scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 300, 200});
    scroll->setHasVerticalScroller(true);
    auto table = tk::View::make<StyledTableView>(tk::Rect{0, 0, 300, 200});
    for (const char* id : {"name", "pattern", "steps"}) {
        auto column = std::make_shared<StyledTableColumn>(id);
        column->setWidth(197); // 600 points with the spacing
        table->addTableColumn(column);
    }
    table->setNumberOfRows([] { return 40; });
    auto header = tk::View::make<ActionableTableHeaderView>(tk::Rect{0, 0, 0, 24});
    table->setHeaderView(header);
    scroll->setDocumentView(table);
    window.contentView().addSubview(scroll);
    window.window().layoutIfNeeded();
    EXPECT_DOUBLE_EQ(header->frame().width(), 615) << "the columns and the part over the scroller";
    EXPECT_DOUBLE_EQ(header->optionButton().frame().maxX(), 285 - 2) << "left of the scroller";

    tk::ClipView& clip = scroll->contentView();
    for (const double x : {120.0, 315.0}) { // the middle, then the right end
        clip.scrollToPoint({x, 0});
        loop.drain();
        window.window().layoutIfNeeded();
        EXPECT_DOUBLE_EQ(header->optionButton().frame().maxX(), x + 285 - 2) << x;
        EXPECT_DOUBLE_EQ(header->addItemButton().frame().maxX(), header->optionButton().frame().minX());
        const tk::Rect shown = header->convertTo(header->optionButton().frame(), scroll.get());
        EXPECT_DOUBLE_EQ(shown.maxX(), 285 - 2) << "the same place on screen";
    }
}

// Narrowing the last column with the table scrolled to its right end scrolls the clip view left,
// and the header with it, under the pointer: the column follows the pointer's travel all the same.
TEST(ActionableTableHeaderView, TheLastDividerDraggedAtTheRightEndFollowsThePointer) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{320, 240}};
    auto scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 300, 200});
    scroll->setHasVerticalScroller(true);
    auto table = tk::View::make<StyledTableView>(tk::Rect{0, 0, 300, 200});
    std::shared_ptr<StyledTableColumn> last;
    for (const double width : {197.0, 197.0, 60.0}) { // 463 points with the spacing
        last = std::make_shared<StyledTableColumn>("c" + std::to_string(table->numberOfColumns()));
        last->setWidth(width);
        table->addTableColumn(last);
    }
    table->setNumberOfRows([] { return 40; });
    auto header = tk::View::make<ActionableTableHeaderView>(tk::Rect{0, 0, 0, 24});
    table->setHeaderView(header);
    scroll->setDocumentView(table);
    window.contentView().addSubview(scroll);
    window.window().layoutIfNeeded();
    scroll->contentView().scrollToPoint({1000, 0});
    loop.drain();
    window.window().layoutIfNeeded();
    ASSERT_DOUBLE_EQ(scroll->contentView().bounds().maxX(), 463);

    const tk::Point pressed = header->convertToWindow({header->headerRectOfColumn(2).maxX(), 12});
    window.mouseDown(pressed);
    ASSERT_EQ(header->resizedColumn(), 2);
    for (int step = 1; step <= 4; ++step) {
        window.mouseDragged(pressed.offsetBy(-5 * step, 0));
        loop.drain();
        window.window().layoutIfNeeded();
        EXPECT_DOUBLE_EQ(last->width(), 60 - 5 * step) << step;
    }
    window.mouseUp(pressed.offsetBy(-20, 0));
    EXPECT_DOUBLE_EQ(scroll->contentView().bounds().maxX(), 443) << "still at the right end";
    EXPECT_DOUBLE_EQ(header->optionButton().frame().maxX(), 443 - 2) << "the buttons with it";
}

} // namespace
} // namespace Tessaly
