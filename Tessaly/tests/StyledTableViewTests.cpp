// Styled tables: the joined selection band, selection handed to row and cell views by clicks,
// only the rows in view as views (reused with their new row's value), keys and clicks.

#include "Tessaly/Controls/KeyboardActionTableView.h"
#include "Tessaly/Controls/SelectionBand.h"
#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/Controls/StyledTableHeader.h"
#include "Tessaly/Controls/StyledTableView.h"
#include "Tessaly/Geometry/RoundedPath.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace Tessaly {
namespace {

constexpr double kRow = tk::TableView::kDefaultRowHeight;

double distance(tk::Color a, tk::Color b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}
// A rendered pixel (8 bits a channel, corners anti-aliased) is "mostly" the nearer of two colours.
bool nearer(tk::Color pixel, tk::Color to, tk::Color than) {
    return distance(pixel, to) < distance(pixel, than);
}

std::shared_ptr<tk::View> cellFor(StyledTableView& table, int row) {
    auto cell = std::dynamic_pointer_cast<StyledTableCellView>(table.makeViewWithIdentifier("name"));
    if (!cell) {
        cell = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, 200, kRow});
        cell->setIdentifier("name");
        auto label = tk::View::make<StyledTableRowLabel>(tk::Rect{10, 2, 180, 16});
        label->setBezeled(false); // the row draws the background
        label->setDrawsBackground(false);
        cell->setTextField(label);
    }
    cell->setObjectValue("Row " + std::to_string(row));
    return cell;
}

// A 200 x 200 window: a scroll view over a table of `rows` rows, ten of them in view.
struct TableFixture {
    tk::TestMainLoop loop;
    bool bundles = (testing::useBuiltBundles(), true);
    tk::HeadlessWindow window{{200, 200}, 1};
    std::shared_ptr<tk::ScrollView> scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 200, 200});
    std::shared_ptr<StyledTableView> table = tk::View::make<StyledTableView>(tk::Rect{0, 0, 200, 200});

    explicit TableFixture(int rows = 100) {
        table->setNumberOfRows([rows] { return rows; });
        table->setCellViewProvider(cellFor);
        window.setContentView(scroll);
        scroll->setDocumentView(table);
        table->reloadData();
        settle();
    }
    void settle() {
        loop.drain();
        window.window().layoutIfNeeded();
    }
    tk::Point rowPoint(int row) const { return table->convertToWindow({100, row * kRow + kRow / 2}); }
    StyledTableCellView* cell(int row) const {
        StyledTableRowView* view = table->rowView(row);
        return view && !view->subviews().empty()
                   ? dynamic_cast<StyledTableCellView*>(view->subviews().front().get())
                   : nullptr;
    }
};

TEST(StyledTableView, TheBandJoinsSelectedNeighboursAndRoundsOnlyTheRunsEnds) {
    TableFixture f;
    f.window.click(f.rowPoint(3));
    f.window.click(f.rowPoint(5), tk::ModifierFlags::shift);
    f.window.click(f.rowPoint(8), tk::ModifierFlags::command);
    f.window.click(f.rowPoint(0), tk::ModifierFlags::command);
    ASSERT_EQ(f.table->selectedRowIndexes(), (tk::IndexSet{0, 3, 4, 5, 8}));

    const tk::Color band = StyledTableRowView::style()->selectedRowBackgroundColor();
    const tk::Color plain = f.table->backgroundColor();
    // The band's outermost pixel at a row's top-left and bottom-left corner: background where the
    // corner is rounded, band where it is square.
    struct Case {
        int row;
        bool topRounded, bottomRounded;
    };
    for (const Case c : {Case{0, true, true}, Case{3, true, false}, Case{4, false, false},
                         Case{5, false, true}, Case{8, true, true}}) {
        SCOPED_TRACE(c.row);
        const tk::Point top = f.table->convertToWindow({8.5, c.row * kRow + 0.5});
        const tk::Point bottom = f.table->convertToWindow({8.5, (c.row + 1) * kRow - 0.5});
        EXPECT_EQ(nearer(f.window.colorAt(top), plain, band), c.topRounded);
        EXPECT_EQ(nearer(f.window.colorAt(bottom), plain, band), c.bottomRounded);
        EXPECT_TRUE(nearer(f.window.colorAt(f.table->convertToWindow({7.5, c.row * kRow + 10})), plain, band))
            << "8 points in from the side";
        EXPECT_TRUE(
            nearer(f.window.colorAt(f.table->convertToWindow({8.5, c.row * kRow + 10})), band, plain));
    }
    EXPECT_TRUE(nearer(f.window.colorAt(f.table->convertToWindow({100, 6 * kRow + 2})), plain, band));
}

std::vector<std::uint8_t> pixelsOf(const tk::BitmapContext& frame) {
    return {frame.pixelData(), frame.pixelData() + frame.stride() * frame.pixelHeight()};
}

// A band is filled in three parts (two rounded ends from kept pictures, a straight middle) split
// at whole device pixels: each pixel comes out as filling the whole rounded outline gives it
// (within the rasteriser's rounding at the corners: a pixel drawn twice or missed is far off
// that), when the pictures are made and when they are reused, at any scale, with the band at
// fractional columns, under a moved or scaled user space, for every run position.
TEST(StyledTableView, ABandDrawnInPartsMatchesItsWholeOutlinePixelForPixel) {
    testing::useBuiltBundles();
    struct Case {
        double scale, x, width, radius;
        tk::Color color;
    };
    const tk::Color solid = StyledTableRowView::style()->selectedRowBackgroundColor();
    const tk::Color faint{0.2, 0.5, 0.9, 0.45};
    const tk::Rect frameRect{0, 0, 240, 60};
    for (const Case& c :
         {Case{1, 0, 200, 3, solid}, Case{2, 0, 200, 3, solid}, Case{2, 3.3, 150.7, 6, faint},
          Case{1, 0.5, 97.25, 3.5, faint}, Case{3, 1.7, 60, 8.2, solid}, Case{2, 10, 20.1, 8, solid}}) {
        for (const double userScale : {1.0, 1.5}) {
            SelectionBandEnds ends;
            for (int pass = 0; pass < 2; ++pass) {
                for (const auto& [above, below] : {std::pair{false, false}, {false, true}, {true, false}}) {
                    SCOPED_TRACE(::testing::Message()
                                 << c.scale << "x, x " << c.x << ", width " << c.width << ", radius "
                                 << c.radius << ", user scale " << userScale << ", pass " << pass
                                 << ", above " << above << ", below " << below);
                    const tk::Rect row{c.x, 20, c.width, kRow};
                    const auto draw = [&](bool whole) {
                        tk::BitmapContext frame(frameRect.size, c.scale);
                        frame.fillRect(frameRect, tk::Color::gray(0.2));
                        frame.translate(0.5 * userScale, 2);
                        frame.scale(userScale, userScale);
                        if (whole) {
                            CornerRadii radii{c.radius, c.radius, c.radius, c.radius};
                            if (below)
                                radii = {c.radius, c.radius, 0, 0};
                            else if (above)
                                radii = {0, 0, c.radius, c.radius};
                            frame.fillPath(roundedRectPath(row.insetBy(8, 0), radii), c.color);
                        } else {
                            fillSelectionBand(frame, row, 8, c.radius, above, below, c.color, &ends);
                        }
                        return pixelsOf(frame);
                    };
                    const std::vector<std::uint8_t> parts = draw(false), whole = draw(true);
                    ASSERT_EQ(parts.size(), whole.size());
                    int worst = 0;
                    for (std::size_t i = 0; i < parts.size(); ++i)
                        worst = std::max(worst, std::abs(int(parts[i]) - int(whole[i])));
                    EXPECT_LE(worst, 3);
                }
            }
        }
    }
}

// A live window draws only what was marked, over its last frame: a row that joins or leaves a run
// changes its neighbours' corners too, so they must be drawn again with it. Corners of 8 points
// reach further into the neighbour than the slop a row view's own mark allows for.
TEST(StyledTableView, TheNeighboursOfAChangedRowRedrawTheirCornersInAPartialDisplay) {
    TableFixture f;
    for (int row = 0; row < 10; ++row)
        f.table->rowView(row)->setSelectionCornerRadius(8);
    f.window.click(f.rowPoint(3));
    tk::Window& window = f.window.window();
    window.display();
    const auto ctrl = tk::ModifierFlags::control;
    struct Step {
        const char* what;
        int row;
        tk::ModifierFlags modifiers;
    };
    for (const Step& step : {Step{"4 joins 3 below", 4, ctrl}, Step{"2 joins 3 above", 2, ctrl},
                             Step{"3 leaves: 2 and 4 round off", 3, ctrl}, Step{"3 fills the gap", 3, ctrl},
                             Step{"5 alone", 5, tk::ModifierFlags::none}}) {
        SCOPED_TRACE(step.what);
        f.window.click(f.rowPoint(step.row), step.modifiers);
        ASSERT_TRUE(window.needsDisplay());
        ASSERT_FALSE(window.wholeNeedsDisplay()) << "only the rows that changed are marked";
        window.displayIfNeeded();
        const auto partial = pixelsOf(*window.lastFrame());
        window.display();
        EXPECT_TRUE(partial == pixelsOf(*window.lastFrame())) << "as the whole window drawn again";
    }
}

TEST(StyledTableView, SelectionReachesRowAndCellViewsAndAViewAddedLater) {
    TableFixture f;
    f.window.click(f.rowPoint(2));
    ASSERT_TRUE(f.table->rowView(2)->isSelected());
    EXPECT_EQ(f.table->rowView(2)->controlState(), StyledControlState(5));
    EXPECT_TRUE(f.cell(2)->isSelected());
    EXPECT_TRUE(dynamic_cast<StyledTableRowLabel*>(f.cell(2)->textField())->isSelected());
    EXPECT_FALSE(f.cell(1)->isSelected());

    auto late = tk::View::make<StyledTextLabel>(tk::Rect{0, 0, 10, 10});
    f.table->rowView(2)->addSubview(late);
    EXPECT_TRUE(late->isSelected()) << "a view added to a selected row starts selected";

    f.window.click(f.rowPoint(1));
    EXPECT_FALSE(f.cell(2)->isSelected());
    EXPECT_TRUE(f.cell(1)->isSelected());
    EXPECT_EQ(f.table->rowForView(*f.cell(1)), 1);
    EXPECT_EQ(f.table->rowForView(*late), 2);
    EXPECT_EQ(f.table->rowForView(*f.scroll), -1);
}

TEST(StyledTableView, OnlyTheRowsInViewExistAndAReusedCellShowsItsNewRow) {
    TableFixture f(100000);
    EXPECT_EQ(f.table->frame().height(), 100000 * kRow);
    EXPECT_EQ(f.table->subviews().size(), 10u);
    f.window.click(f.rowPoint(0));
    StyledTableCellView* first = f.cell(0);
    ASSERT_TRUE(first && first->isSelected());

    f.scroll->contentView().scrollToPoint({0, 50000 * kRow});
    f.settle();
    EXPECT_EQ(f.table->rowView(0), nullptr);
    EXPECT_EQ(f.table->subviews().size(), 10u);
    bool reused = false;
    for (int row = 50000; row < 50010; ++row) {
        StyledTableCellView* cell = f.cell(row);
        ASSERT_NE(cell, nullptr) << row;
        EXPECT_EQ(cell->textField()->text(), "Row " + std::to_string(row));
        EXPECT_FALSE(cell->isSelected()) << "nothing of the selected row it showed before";
        EXPECT_EQ(cell->textField()->textColor(), StyledTableCellView::style()->textColor());
        reused = reused || cell == first;
    }
    EXPECT_TRUE(reused) << "views that left the view are made again by identifier";
}

TEST(StyledTableView, FewerRowsBringTheScrolledPartBackIntoTheTable) {
    TableFixture f;
    int rows = 100;
    f.table->setNumberOfRows([&rows] { return rows; });
    f.scroll->contentView().scrollToPoint({0, 1800});
    f.settle();
    ASSERT_NE(f.cell(95), nullptr);
    rows = 12;
    f.table->reloadData();
    f.settle();
    EXPECT_EQ(f.scroll->contentView().bounds().minY(), 12 * kRow - 200) << "the view ends with the rows";
    for (int row = 2; row < 12; ++row) {
        ASSERT_NE(f.cell(row), nullptr) << row;
        EXPECT_EQ(f.cell(row)->textField()->text(), "Row " + std::to_string(row));
    }
}

TEST(StyledTableView, DraggingTheScrollersKnobBringsTheRowsThereIntoView) {
    TableFixture f;
    f.scroll->setHasVerticalScroller(true);
    f.settle();
    tk::Scroller& scroller = f.scroll->verticalScroller();
    ASSERT_TRUE(scroller.knobRect());
    // 2000 points of rows, 200 in view: the knob travels 180 points for 1800.
    const tk::Point grab = scroller.convertToWindow(scroller.knobRect()->center());
    f.window.drag(grab, grab.offsetBy(0, 90));
    f.settle();
    EXPECT_EQ(f.scroll->contentView().bounds().minY(), 900);
    EXPECT_EQ(f.table->rowView(0), nullptr);
    ASSERT_NE(f.cell(45), nullptr) << "the clip view's scroll reached the table";
    EXPECT_EQ(f.cell(45)->textField()->text(), "Row 45");
}

// A superview that hears the keys the table passes on.
class KeyListener : public tk::View {
public:
    using tk::View::View;
    bool keyDown(const tk::Event& event) override {
        heard.push_back(event.keyCode);
        return true;
    }
    std::vector<tk::KeyCode> heard;
};

TEST(StyledTableView, KeysGoToTheSuperviewWithoutKeyboardNavigation) {
    tk::TestMainLoop loop;
    testing::useBuiltBundles();
    tk::HeadlessWindow window({200, 100}, 1);
    auto listener = tk::View::make<KeyListener>(tk::Rect{0, 0, 200, 100});
    auto table = tk::View::make<StyledTableView>(tk::Rect{0, 0, 200, 100});
    table->setNumberOfRows([] { return 5; });
    window.setContentView(listener);
    listener->addSubview(table);
    table->reloadData();
    window.click(table->convertToWindow({50, 30}));
    ASSERT_TRUE(window.window().makeFirstResponder(table.get()));
    window.key(tk::KeyCode::downArrow);
    EXPECT_EQ(listener->heard, std::vector<tk::KeyCode>{tk::KeyCode::downArrow});
    EXPECT_EQ(table->selectedRowIndexes(), tk::IndexSet{1});

    table->setAllowKeyboardNavigation(true);
    window.key(tk::KeyCode::downArrow);
    EXPECT_EQ(table->selectedRowIndexes(), tk::IndexSet{2}) << "allowed, the table moves its selection";
    EXPECT_EQ(listener->heard.size(), 1u);
}

TEST(StyledTableView, ArrowKeysMoveAndExtendTheSelectionAndScrollItIntoView) {
    TableFixture f;
    f.table->setAllowKeyboardNavigation(true);
    ASSERT_TRUE(f.window.window().makeFirstResponder(f.table.get()));
    struct Step {
        tk::KeyCode key;
        tk::ModifierFlags modifiers;
        tk::IndexSet selected;
    };
    const auto none = tk::ModifierFlags::none, shift = tk::ModifierFlags::shift;
    for (const Step& step :
         {Step{tk::KeyCode::downArrow, none, {0}}, Step{tk::KeyCode::downArrow, none, {1}},
          Step{tk::KeyCode::downArrow, shift, {1, 2}}, Step{tk::KeyCode::upArrow, shift, {1}},
          Step{tk::KeyCode::upArrow, shift, {0, 1}}, Step{tk::KeyCode::downArrow, none, {1}},
          Step{tk::KeyCode::upArrow, none, {0}}, Step{tk::KeyCode::upArrow, none, {0}}}) {
        f.window.key(step.key, step.modifiers);
        EXPECT_EQ(f.table->selectedRowIndexes(), step.selected);
    }
    for (int i = 0; i < 12; ++i)
        f.window.key(tk::KeyCode::downArrow);
    f.settle();
    EXPECT_EQ(f.table->selectedRow(), 12);
    EXPECT_EQ(f.scroll->contentView().bounds().minY(), 13 * kRow - 200) << "scrolled just enough";
    ASSERT_NE(f.cell(12), nullptr);
    EXPECT_TRUE(f.cell(12)->isSelected());
}

TEST(StyledTableView, AClickMakesTheWindowKeyFirstUnlessTurnedOff) {
    TableFixture f;
    f.window.unfocus();
    ASSERT_FALSE(f.window.window().isKeyWindow());
    f.table->setMakeKeyOnClick(false);
    f.window.click(f.rowPoint(1));
    EXPECT_FALSE(f.window.window().isKeyWindow());
    EXPECT_EQ(f.table->selectedRow(), 1) << "the click is handled in either case";
    f.table->setMakeKeyOnClick(true);
    f.window.click(f.rowPoint(2));
    EXPECT_TRUE(f.window.window().isKeyWindow());
}

TEST(StyledTableView, TheEnclosingScrollViewTakesTheTablesBackground) {
    TableFixture f;
    EXPECT_TRUE(f.scroll->drawsBackground());
    EXPECT_EQ(f.scroll->backgroundColor(), StyledTableView::style()->backgroundColor());
}

TEST(StyledTableView, StyledHeaderCellsForTheVisibleColumnsKeepTheirTitles) {
    tk::TestMainLoop loop;
    testing::useBuiltBundles();
    auto table = tk::View::make<StyledTableView>(tk::Rect{0, 0, 300, 100});
    auto named = std::make_shared<tk::TableColumn>("name");
    named->headerCell().setTitle("Name");
    auto hidden = std::make_shared<tk::TableColumn>("hidden");
    hidden->setHidden(true);
    auto untitled = std::make_shared<tk::TableColumn>("untitled");
    for (const auto& column : {named, hidden, untitled})
        table->addTableColumn(column);
    EXPECT_EQ(table->columnIndexes(), (tk::IndexSet{0, 1, 2})) << "no index past the last column";

    const tk::Color text = tk::Color::rgba8(200, 200, 200), tint = tk::Color::rgba8(40, 40, 50);
    table->styleHeaderCells(text, tint, tk::Font::system(11));
    auto* cell = dynamic_cast<StyledTableHeaderCell*>(&named->headerCell());
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->title(), "Name");
    EXPECT_EQ(cell->tintColor(), tint);
    EXPECT_EQ(cell->attributedTitle().firstAttributes().color, text);
    EXPECT_EQ(cell->backgroundStyle(), tk::BackgroundStyle::raised);
    // A raised background engraves the title: it is drawn with a dark line under it.
    tk::RecordingContext context;
    auto header = tk::View::make<tk::View>(tk::Rect{0, 0, 300, 24});
    cell->draw({0, 0, 120, 24}, *header, context);
    ASSERT_EQ(context.texts().size(), 1u);
    ASSERT_TRUE(context.texts()[0].shadow);
    EXPECT_GT(context.texts()[0].shadow->offset.height, 0);
    EXPECT_EQ(context.saveDepth(), 0);
    EXPECT_EQ(dynamic_cast<StyledTableHeaderCell*>(&hidden->headerCell()), nullptr);
    auto* empty = dynamic_cast<StyledTableHeaderCell*>(&untitled->headerCell());
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->title(), "");
}

TEST(KeyboardActionTableView, ReleasingReturnOrEnterSendsTheActionOnce) {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window({200, 100}, 1);
    auto table = tk::View::make<KeyboardActionTableView>(tk::Rect{0, 0, 200, 100});
    auto target = tk::View::make<tk::View>();
    int sent = 0;
    target->setActionHandler("openRow:", [&](const tk::ActionSender& s) {
        EXPECT_EQ(s.responder, table.get());
        ++sent;
    });
    window.setContentView(table);
    ASSERT_TRUE(window.window().makeFirstResponder(table.get()));
    window.key(tk::KeyCode::returnKey); // no action yet: nothing to send
    table->setKeyboardAction("openRow:");
    table->setTarget(target);
    struct Case {
        tk::KeyCode key;
        int sends;
    };
    for (const Case c :
         {Case{tk::KeyCode::returnKey, 1}, Case{tk::KeyCode::keypadEnter, 1}, Case{tk::KeyCode::space, 0}}) {
        sent = 0;
        window.keyDown(c.key);
        EXPECT_EQ(sent, 0) << "pressing sends nothing";
        window.keyUp(c.key);
        EXPECT_EQ(sent, c.sends) << int(c.key);
    }
}

} // namespace
} // namespace Tessaly
